#pragma once
// The File menu's e-mail commands: the project file, the report text or a PDF of the details
// pages handed to the user's mail program. They are offered only where there is a mail
// program. The mailer lives as long as the window, so what a mail program has yet to read is
// kept until the program ends.

#include <QObject>

#include <functional>
#include <memory>

class CMainFrame;
class CQorDoc;

namespace lumivane {
class ProjectMailer;
struct MailNotice;
} // namespace lumivane

class MailCommands : public QObject {
    Q_OBJECT

public:
    // Connects the frame's e-mail commands.
    MailCommands(CQorDoc& doc, CMainFrame& frame, std::unique_ptr<lumivane::ProjectMailer> mailer);
    ~MailCommands() override;

private:
    void Connect();
    // Stores the field being edited, then mails; the mail program may take a while to start.
    void Mail(const std::function<lumivane::MailNotice()>& send);

    CQorDoc& m_doc;
    CMainFrame& m_frame;
    std::unique_ptr<lumivane::ProjectMailer> m_mailer;
};
