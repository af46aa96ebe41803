#pragma once
// Named edits run from a script, one JSON object a line, through the very operations the
// window's commands use: a chain's designer changes many auditoriums at once, and tests drive
// commands without widgets. `op` names the editor's operation, the other keys are its
// parameters by the editor's names; items are 0-based positions (a set-up is named by its
// format's catalog position, as the editor names it), lengths are metres whatever the unit
// system.

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

class CQorDoc;

namespace lumivane {

class EditScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs every line of script on doc and returns a line for each operation: what it recorded,
// or that it changed nothing. Blank lines are skipped. At the first line that cannot be run it
// throws EditScriptError with the line's number; the project may then hold part of the script,
// so the caller discards it.
std::vector<std::string> RunEditScript(CQorDoc& doc, std::istream& script);

// Every operation with its parameters and what it does, a line each.
std::string DescribeEditOperations();

} // namespace lumivane
