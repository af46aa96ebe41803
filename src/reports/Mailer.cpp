#include "reports/Mailer.h"

#include "base/Archive.h"
#include "base/RichTextDoc.h"
#include "base/Utf8Path.h"
#include "document/ProjectFile.h"
#include "document/QorDoc.h"
#include "reports/MailSpool.h"
#include "reports/ProjectReport.h"

#include <algorithm>
#include <utility>

namespace lumivane {
namespace {

// Well below the 255 bytes most file systems allow, with room for the extension.
constexpr std::size_t kMaxStemBytes = 120;

bool IsRefused(unsigned char c) {
    constexpr std::string_view refused = "/\\<>:\"|?*";
    return c < 0x20 || c == 0x7F || refused.find(static_cast<char>(c)) != std::string_view::npos;
}

// The cut never splits a UTF-8 character.
std::string_view CutToBytes(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

MailNotice ErrorNotice(std::string_view text) {
    return {std::string(text), std::string(kMailErrorCaption)};
}

// Written from the contents as they stand: the document's own save would take on the
// copy's path and clear the modified flag.
bool WriteSnapshot(const CQorDoc& doc, const std::filesystem::path& file) {
    try {
        Archive ar = Archive::ForStoring();
        WriteProject(ar, doc.GetContents());
        return ar.SaveToFile(file);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

std::string SafeAttachmentName(std::string_view stem, std::string_view extension) {
    std::string safe(stem);
    std::replace_if(
        safe.begin(), safe.end(), [](char c) { return IsRefused(static_cast<unsigned char>(c)); },
        '_');
    std::string_view kept = Trimmed(CutToBytes(safe, kMaxStemBytes));
    if (kept.find_first_not_of('.') == std::string_view::npos) {
        kept = kUnnamedAttachment;
    }
    return std::string(kept) + std::string(extension);
}

ProjectMailer::ProjectMailer(std::unique_ptr<MailSender> sender, std::unique_ptr<MailSpool> spool)
    : m_sender(std::move(sender)), m_spool(std::move(spool)) {}

ProjectMailer::~ProjectMailer() = default;

bool ProjectMailer::IsAvailable() const {
    return m_sender->IsAvailable();
}

MailNotice ProjectMailer::EmailProject(const CQorDoc& doc) {
    const std::filesystem::path& saved = doc.GetPathName();
    if (!saved.empty() && !doc.IsModified()) {
        return Send({{}, MailAttachment{saved, Utf8FromPath(saved.filename())}});
    }
    const std::string name =
        saved.empty()
            ? SafeAttachmentName(kUnnamedAttachment, kProjectExtension)
            : SafeAttachmentName(Utf8FromPath(saved.stem()), Utf8FromPath(saved.extension()));
    const auto copy = NewFile(name);
    if (!copy || !WriteSnapshot(doc, *copy)) {
        return ErrorNotice(CQorDoc::kSaveFailedMessage);
    }
    return Send({{}, MailAttachment{*copy, name}});
}

MailNotice ProjectMailer::EmailProjectData(const CQorDoc& doc, std::string_view company) {
    RichTextDoc report;
    WriteProjectReport(report, doc, company);
    return Send({report.GetText(), std::nullopt});
}

MailNotice ProjectMailer::EmailProjectPdf(const CQorDoc& doc, const WritePdfFn& writePdf) {
    if (doc.GetAuditoriumCount() == 0) {
        return ErrorNotice(kEmptyProjectMessage);
    }
    const std::string name = SafeAttachmentName(
        doc.GetPathName().empty() ? kUnnamedAttachment : std::string_view(doc.GetTitle()), ".pdf");
    const auto pdf = NewFile(name);
    if (!pdf || !writePdf(*pdf)) {
        return ErrorNotice(kPdfFailedMessage);
    }
    return Send({{}, MailAttachment{*pdf, name}});
}

MailNotice ProjectMailer::Send(const MailMessage& message) {
    switch (m_sender->Send(message)) {
    case MailResult::Sent:
    case MailResult::Declined:
        return {};
    case MailResult::NoMailSystem:
        return ErrorNotice(kNoMailSystemMessage);
    case MailResult::InvalidMailSystem:
        return ErrorNotice(kInvalidMailSystemMessage);
    case MailResult::Failed:
        break;
    }
    return ErrorNotice(kSendFailedMessage);
}

std::optional<std::filesystem::path> ProjectMailer::NewFile(const std::string& name) {
    const auto folder = m_spool->NewFolder();
    if (!folder) {
        return std::nullopt;
    }
    return *folder / PathFromUtf8(name);
}

} // namespace lumivane
