#include "CliRun.h"

#include <QProcess>

namespace lumivane::test {

QString Native(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

QProcessEnvironment CliEnvironment(const std::filesystem::path& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), Native(folder / "data"));
    return environment;
}

CliRun RunCli(const QStringList& arguments, const std::filesystem::path& folder,
              const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(Native(folder));
    process.start(QStringLiteral(LUMIVANE_CLI), arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace lumivane::test
