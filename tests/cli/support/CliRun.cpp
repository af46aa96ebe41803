#include "CliRun.h"

#include "base/SourcePaths.h"
#include "support/TempDir.h"

#include <QProcess>

namespace lumivane::test {

namespace {

class CliCopy {
public:
    CliCopy() {
        const std::filesystem::path built(LUMIVANE_CLI);
        m_program = m_folder / built.filename();
        std::filesystem::copy_file(built, m_program);
    }

    const std::filesystem::path& Folder() const { return m_folder.path(); }
    const std::filesystem::path& Program() const { return m_program; }

private:
    TempDir m_folder;
    std::filesystem::path m_program;
};

const CliCopy& TheCopy() {
    static const CliCopy copy;
    return copy;
}

} // namespace

QString Native(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

const std::filesystem::path& CliFolder() {
    return TheCopy().Folder();
}

QProcessEnvironment CliEnvironment(const std::filesystem::path& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Native(folder / "config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), Native(folder / "data"));
    return environment;
}

CliRun RunCli(const QStringList& arguments, const std::filesystem::path& folder,
              const QProcessEnvironment& environment, const QString& outputFile) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(Native(folder));
    if (!outputFile.isEmpty()) {
        process.setStandardOutputFile(outputFile);
    }
    process.start(Native(TheCopy().Program()), arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
#ifdef Q_OS_WIN
    // The tool writes its output as text, which Windows ends with CR LF; the tests compare
    // what it says, not how the system ends its lines.
    run.out.replace("\r\n", "\n");
    run.err.replace("\r\n", "\n");
#endif
    return run;
}

CliRun RunWithShippedCatalog(QStringList arguments, const std::filesystem::path& folder,
                             const QString& outputFile) {
    if (!arguments.contains(QStringLiteral("--catalog-dir"))) {
        arguments << QStringLiteral("--catalog-dir")
                  << QStringLiteral(LUMIVANE_SOURCE_DATA_DIR "/catalog");
    }
    arguments << QStringLiteral("--settings") << Native(folder / "settings.ini");
    return RunCli(arguments, folder, CliEnvironment(folder), outputFile);
}

} // namespace lumivane::test
