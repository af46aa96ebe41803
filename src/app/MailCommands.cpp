#include "app/MailCommands.h"

#include "app/MainFrame.h"
#include "app/UndoBridge.h"
#include "base/AppContext.h"
#include "reports/Mailer.h"
#include "ui/ProjectMail.h"

#include <QGuiApplication>
#include <QMessageBox>

MailCommands::MailCommands(CQorDoc& doc, CMainFrame& frame,
                           std::unique_ptr<lumivane::ProjectMailer> mailer)
    : QObject(&frame), m_doc(doc), m_frame(frame), m_mailer(std::move(mailer)) {
    Connect();
}

MailCommands::~MailCommands() = default;

void MailCommands::Connect() {
    using enum FrameCommand;
    const bool available = m_mailer->IsAvailable();
    const auto on = [this, available](FrameCommand command,
                                      std::function<lumivane::MailNotice()> send) {
        QAction* action = m_frame.Action(command);
        action->setEnabled(available);
        connect(
            action, &QAction::triggered, this, [this, send] { Mail(send); }, kAfterMenu);
    };
    on(EmailProject, [this] { return m_mailer->EmailProject(m_doc); });
    on(EmailProjectData,
       [this] { return m_mailer->EmailProjectData(m_doc, lumivane::Ctx().settings.m_company); });
    on(EmailProjectPdf, [this] { return lumivane::EmailProjectPdf(*m_mailer, m_doc); });
}

void MailCommands::Mail(const std::function<lumivane::MailNotice()>& send) {
    m_frame.Undo().CommitFieldEdits();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const lumivane::MailNotice notice = send();
    QGuiApplication::restoreOverrideCursor();
    if (!notice.text.empty()) {
        QMessageBox::critical(&m_frame, QString::fromStdString(notice.caption),
                              QString::fromStdString(notice.text));
    }
}
