#pragma once
// The mail program of a freedesktop system, reached through xdg-email: the project file or a
// PDF as an attachment, the report text as the body. Arguments go to the program one by one,
// never through a shell, so no name or text is ever read as a command.

#include "reports/Mailer.h"

#include <QString>

#include <memory>
#include <vector>

class QProcess;

namespace lumivane {

class XdgMailSender : public MailSender {
public:
    // The longest body a command line takes on every system once xdg-email has encoded it.
    static constexpr qsizetype kMaxBodyBytes = 32 * 1024;

    // waitMs: how long a send waits for xdg-email to finish. Some mail programs keep it
    // running until their composer closes; the send counts as done then.
    explicit XdgMailSender(int waitMs = 10000);
    ~XdgMailSender() override;

    bool IsAvailable() const override;
    MailResult Send(const MailMessage& message) override;

private:
    int m_waitMs;
    std::vector<std::unique_ptr<QProcess>> m_composers;
};

} // namespace lumivane
