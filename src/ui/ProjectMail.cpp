#include "ui/ProjectMail.h"

#include "reports/MailSpool.h"
#include "ui/PdfOutput.h"
#ifdef _WIN32
#include "ui/MapiMailSender.h"
#else
#include "ui/XdgMailSender.h"
#endif

#include <QCoreApplication>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <signal.h>
#endif

namespace lumivane {

bool IsProcessRunning(std::int64_t processId) {
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(processId));
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    // Signal 0 only asks whether the process is there; one of another user still is.
    return kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM;
#endif
}

std::unique_ptr<ProjectMailer> MakeProjectMailer() {
    const QString root =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/mail");
    return std::make_unique<ProjectMailer>(
#ifdef _WIN32
        std::make_unique<MapiMailSender>(),
#else
        std::make_unique<XdgMailSender>(),
#endif
        std::make_unique<MailSpool>(std::filesystem::path(root.toStdU16String()),
                                    QCoreApplication::applicationPid(), IsProcessRunning));
}

MailNotice EmailProjectPdf(ProjectMailer& mailer, const CQorDoc& doc) {
    return mailer.EmailProjectPdf(doc, [&doc](const std::filesystem::path& path) {
        return WriteDetailsPdf(QString::fromStdU16String(path.u16string()), doc,
                               ProjectDetailsPages(doc), PageRange::All(),
                               ScreenDrawings(doc)) == PdfResult::Written;
    });
}

} // namespace lumivane
