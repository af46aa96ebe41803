#pragma once
// Runs lumivane-cli as a separate process, the way scripts use it, in a folder of the test's
// own with its own per-user settings and data folders, so a test never touches the user's files.
// The tool runs as a copy in a folder of its own: it keeps its catalog store beside itself, and
// a run of the programs from the build tree leaves one beside the built tool.

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

// The folder the tool runs from, the same for every run of a test program.
const std::filesystem::path& CliFolder();

// The tool's environment: the caller's, with XDG_CONFIG_HOME and XDG_DATA_HOME inside folder.
QProcessEnvironment CliEnvironment(const std::filesystem::path& folder);

// Standard output goes to outputFile instead when one is named, and out stays empty.
CliRun RunCli(const QStringList& arguments, const std::filesystem::path& folder,
              const QProcessEnvironment& environment, const QString& outputFile = {});

// A run with the shipped catalog (unless the arguments name another) and the settings file
// settings.ini in folder.
CliRun RunWithShippedCatalog(QStringList arguments, const std::filesystem::path& folder,
                             const QString& outputFile = {});

} // namespace lumivane::test
