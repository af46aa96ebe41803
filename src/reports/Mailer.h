#pragma once
// E-mailing the project: as its file, as the report text in the body, or as a PDF of its
// details pages. The platform supplies the mail program behind MailSender and the PDF writer;
// this side names the attachments, writes the temporary files and decides what the user is told.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class CQorDoc;

namespace lumivane {

class MailSpool;

struct MailAttachment {
    std::filesystem::path file;
    // The name the mail program shows; the file already carries it.
    std::string name;
};

// No subject and no recipients: the user completes the message in the mail program.
struct MailMessage {
    std::string body;
    std::optional<MailAttachment> attachment;
};

// Declined: the user cancelled or did not log on, which needs no message. NoMailSystem: the mail
// library cannot be loaded; InvalidMailSystem: it lacks the function that sends.
enum class MailResult { Sent, Declined, Failed, NoMailSystem, InvalidMailSystem };

class MailSender {
public:
    virtual ~MailSender() = default;
    // Whether there is a mail program to hand messages to.
    virtual bool IsAvailable() const = 0;
    virtual MailResult Send(const MailMessage& message) = 0;
};

// What the user is told; nothing when the text is empty.
struct MailNotice {
    std::string text;
    std::string caption;

    bool operator==(const MailNotice&) const = default;
};

inline constexpr std::string_view kSendFailedMessage = "Send Mail failed to send message.";
inline constexpr std::string_view kNoMailSystemMessage = "Unable to load mail system support.";
inline constexpr std::string_view kInvalidMailSystemMessage = "Mail system DLL is invalid.";
inline constexpr std::string_view kEmptyProjectMessage = "Cannot email an empty project.";
inline constexpr std::string_view kPdfFailedMessage = "The PDF could not be written.";
inline constexpr std::string_view kMailErrorCaption = "Error";
// The name of a project that was never saved, as its attachments carry it.
inline constexpr std::string_view kUnnamedAttachment = "unnamed";

// A file name for an attachment made from stem and extension: no path separators, no control
// or other characters a file system refuses, never "." or "..", not too long for any file
// system; "unnamed" when nothing of the stem is left.
std::string SafeAttachmentName(std::string_view stem, std::string_view extension);

class ProjectMailer {
public:
    // Writes the project's details pages as a PDF file at path; false when it could not.
    using WritePdfFn = std::function<bool(const std::filesystem::path& path)>;

    ProjectMailer(std::unique_ptr<MailSender> sender, std::unique_ptr<MailSpool> spool);
    ~ProjectMailer();
    ProjectMailer(const ProjectMailer&) = delete;
    ProjectMailer& operator=(const ProjectMailer&) = delete;

    // The e-mail commands are offered only when this holds.
    bool IsAvailable() const;

    // Attaches the saved file; a project with unsaved changes or never saved is attached as a
    // copy of what it holds now, leaving the document, its file and its modified flag alone.
    MailNotice EmailProject(const CQorDoc& doc);
    // The project report's text as the body.
    MailNotice EmailProjectData(const CQorDoc& doc, std::string_view company);
    MailNotice EmailProjectPdf(const CQorDoc& doc, const WritePdfFn& writePdf);

private:
    MailNotice Send(const MailMessage& message);
    std::optional<std::filesystem::path> NewFile(const std::string& name);

    std::unique_ptr<MailSender> m_sender;
    std::unique_ptr<MailSpool> m_spool;
};

} // namespace lumivane
