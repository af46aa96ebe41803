#pragma once
// Runs lumivane-cli as a separate process, the way scripts use it, in a folder of the test's
// own with its own per-user data folder, so a test never touches the user's files.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace lumivane::test {

struct CliRun {
    int exitCode = -1; // -1 when the tool crashed or hung
    QByteArray out;
    QByteArray err;
};

QString Native(const std::filesystem::path& path);

// The tool's environment: the caller's, with XDG_DATA_HOME inside folder.
QProcessEnvironment CliEnvironment(const std::filesystem::path& folder);

CliRun RunCli(const QStringList& arguments, const std::filesystem::path& folder,
              const QProcessEnvironment& environment);

} // namespace lumivane::test
