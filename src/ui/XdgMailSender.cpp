#include "ui/XdgMailSender.h"

#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace lumivane {
namespace {

QString XdgEmail() {
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

QString NativePath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

QStringList ArgumentsFor(const MailMessage& message) {
    // Qt passes arguments in UTF-8 on these systems.
    QStringList arguments{QStringLiteral("--utf8")};
    if (message.attachment) {
        arguments << QStringLiteral("--attach") << NativePath(message.attachment->file);
    }
    if (!message.body.empty()) {
        arguments << QStringLiteral("--body") << QString::fromUtf8(message.body);
    }
    return arguments;
}

bool Succeeded(const QProcess& process) {
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

XdgMailSender::XdgMailSender(int waitMs) : m_waitMs(waitMs) {}

// A composer still open keeps running; only the xdg-email that waits for it ends.
XdgMailSender::~XdgMailSender() {
    for (const auto& composer : m_composers) {
        composer->kill();
        composer->waitForFinished(1000);
    }
}

bool XdgMailSender::IsAvailable() const {
    return !XdgEmail().isEmpty();
}

MailResult XdgMailSender::Send(const MailMessage& message) {
    std::erase_if(m_composers,
                  [](const auto& composer) { return composer->state() == QProcess::NotRunning; });
    const QString program = XdgEmail();
    if (program.isEmpty() || static_cast<qsizetype>(message.body.size()) > kMaxBodyBytes) {
        return MailResult::Failed;
    }
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, ArgumentsFor(message));
    if (!process->waitForStarted()) {
        return MailResult::Failed;
    }
    if (!process->waitForFinished(m_waitMs) && process->state() != QProcess::NotRunning) {
        m_composers.push_back(std::move(process));
        return MailResult::Sent;
    }
    return Succeeded(*process) ? MailResult::Sent : MailResult::Failed;
}

} // namespace lumivane
