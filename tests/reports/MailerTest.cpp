#include "reports/Mailer.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "reports/MailSpool.h"
#include "support/FileBytes.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace lumivane;

constexpr std::int64_t kThisRun = 4242;

// Keeps what it was asked to send, and whether the attachment was there to be read.
class RecordingSender : public MailSender {
public:
    bool IsAvailable() const override { return true; }
    MailResult Send(const MailMessage& message) override {
        sent.push_back(message);
        attachmentReadable =
            message.attachment && std::filesystem::is_regular_file(message.attachment->file);
        return result;
    }

    std::vector<MailMessage> sent;
    bool attachmentReadable = false;
    MailResult result = MailResult::Sent;
};

class MailerTest : public ::testing::Test {
protected:
    MailerTest() {
        test::InstallShippedCatalogs();
        auto sender = std::make_unique<RecordingSender>();
        m_sender = sender.get();
        m_mailer = std::make_unique<ProjectMailer>(
            std::move(sender), std::make_unique<MailSpool>(m_dir / "spool", kThisRun,
                                                           [](std::int64_t) { return false; }));
    }

    const MailAttachment& Attached() const { return *m_sender->sent.back().attachment; }

    ScopedAppContext m_context;
    test::TempDir m_dir;
    CQorDoc m_doc{std::make_shared<test::FixedClock>()};
    RecordingSender* m_sender = nullptr;
    std::unique_ptr<ProjectMailer> m_mailer;
};

TEST_F(MailerTest, ASavedProjectIsAttachedFromItsOwnFile) {
    m_doc.Editor().AddAuditorium();
    ASSERT_TRUE(m_doc.SaveDocument(m_dir / "Main Hall.hoprj"));
    EXPECT_EQ(m_mailer->EmailProject(m_doc), MailNotice{});
    EXPECT_EQ(Attached().file, m_dir / "Main Hall.hoprj");
    EXPECT_EQ(Attached().name, "Main Hall.hoprj");
}

TEST_F(MailerTest, AModifiedProjectIsAttachedAsACopyAndTheDocumentIsUntouched) {
    ASSERT_TRUE(m_doc.SaveDocument(m_dir / "Main Hall.hoprj"));
    const auto saved = test::ReadFileBytes(m_dir / "Main Hall.hoprj");
    m_doc.Editor().AddAuditorium();
    EXPECT_EQ(m_mailer->EmailProject(m_doc), MailNotice{});
    EXPECT_TRUE(m_sender->attachmentReadable);
    EXPECT_NE(Attached().file, m_dir / "Main Hall.hoprj");
    EXPECT_EQ(Attached().file.filename(), "Main Hall.hoprj");
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), m_dir / "Main Hall.hoprj");
    EXPECT_EQ(test::ReadFileBytes(m_dir / "Main Hall.hoprj"), saved);

    CQorDoc copy(std::make_shared<test::FixedClock>());
    ASSERT_EQ(copy.OpenDocument(Attached().file, false), ProjectReadResult::Ok);
    EXPECT_EQ(copy.GetAuditoriumCount(), 1);
}

TEST_F(MailerTest, ANeverSavedProjectGoesAsUnnamed) {
    EXPECT_EQ(m_mailer->EmailProject(m_doc), MailNotice{});
    EXPECT_EQ(Attached().name, "unnamed.hoprj");
    EXPECT_TRUE(m_doc.GetPathName().empty());
    EXPECT_FALSE(m_doc.IsModified());

    m_doc.Editor().AddAuditorium();
    EXPECT_EQ(m_mailer->EmailProjectPdf(
                  m_doc, [](const std::filesystem::path& path) { return !!std::ofstream(path); }),
              MailNotice{});
    EXPECT_EQ(Attached().name, "unnamed.pdf");
    EXPECT_TRUE(m_sender->attachmentReadable);
}

TEST_F(MailerTest, TheReportTextIsTheBody) {
    m_doc.SetTitle("riverside.hoprj");
    EXPECT_EQ(m_mailer->EmailProjectData(m_doc, "Roxy"), MailNotice{});
    EXPECT_EQ(m_sender->sent.back().body.rfind("RIVERSIDE\nAuditorium List\n\nRoxy\n\n", 0), 0u);
    EXPECT_FALSE(m_sender->sent.back().attachment);
}

TEST_F(MailerTest, FailuresAreAlwaysToldAndCancelsNever) {
    const MailNotice empty = m_mailer->EmailProjectPdf(m_doc, [](const auto&) { return true; });
    EXPECT_EQ(empty, (MailNotice{"Cannot email an empty project.", "Error"}));
    EXPECT_TRUE(m_sender->sent.empty());

    m_doc.Editor().AddAuditorium();
    EXPECT_EQ(m_mailer->EmailProjectPdf(m_doc, [](const auto&) { return false; }).text,
              kPdfFailedMessage);
    m_sender->result = MailResult::Failed;
    EXPECT_EQ(m_mailer->EmailProject(m_doc),
              (MailNotice{"Send Mail failed to send message.", "Error"}));
    m_sender->result = MailResult::Declined;
    EXPECT_EQ(m_mailer->EmailProjectData(m_doc, ""), MailNotice{});
    m_sender->result = MailResult::NoMailSystem;
    EXPECT_EQ(m_mailer->EmailProjectData(m_doc, ""),
              (MailNotice{"Unable to load mail system support.", "Error"}));
    m_sender->result = MailResult::InvalidMailSystem;
    EXPECT_EQ(m_mailer->EmailProject(m_doc), (MailNotice{"Mail system DLL is invalid.", "Error"}));
}

TEST_F(MailerTest, ACopyThatCannotBeWrittenSaysSo) {
    std::ofstream(m_dir / "spool") << "a file where the folders should go";
    m_doc.Editor().AddAuditorium();
    EXPECT_EQ(m_mailer->EmailProject(m_doc), (MailNotice{"Failed to save document.", "Error"}));
    EXPECT_TRUE(m_sender->sent.empty());
}

TEST(SafeAttachmentNameTest, KeepsWhatFileSystemsAcceptAndNothingElse) {
    EXPECT_EQ(SafeAttachmentName("Hall; $(rm -rf x) & co", ".pdf"), "Hall; $(rm -rf x) & co.pdf");
    EXPECT_EQ(SafeAttachmentName("../a/b\\c\td:e", ".pdf"), ".._a_b_c_d_e.pdf");
    EXPECT_EQ(SafeAttachmentName("..", ".pdf"), "unnamed.pdf");
    EXPECT_EQ(SafeAttachmentName(" . ", ".pdf"), "unnamed.pdf");
    EXPECT_EQ(SafeAttachmentName("", ".hoprj"), "unnamed.hoprj");
    EXPECT_EQ(SafeAttachmentName(std::string(200, 'x'), ".pdf").size(), 124u);
    EXPECT_EQ(SafeAttachmentName(std::string(119, 'x') + "\xC3\xA9", "").size(), 119u);
}

TEST(MailSpoolTest, FoldersLastUntilTheirRunEndsAndEndedRunsAreCleared) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "7-1");
    std::filesystem::create_directories(dir / "8-1");
    std::filesystem::create_directories(dir / "9-3");
    std::filesystem::create_directories(dir / "notes");
    std::optional<std::filesystem::path> folder;
    {
        MailSpool spool(dir.path(), 9, [](std::int64_t id) { return id == 8; });
        EXPECT_FALSE(std::filesystem::exists(dir / "7-1"));
        EXPECT_TRUE(std::filesystem::exists(dir / "8-1"));
        EXPECT_FALSE(std::filesystem::exists(dir / "9-3"));
        EXPECT_TRUE(std::filesystem::exists(dir / "notes"));
        folder = spool.NewFolder();
        ASSERT_TRUE(folder);
        EXPECT_NE(spool.NewFolder(), folder);
        EXPECT_TRUE(std::filesystem::is_directory(*folder));
    }
    EXPECT_FALSE(std::filesystem::exists(*folder));
    EXPECT_TRUE(std::filesystem::exists(dir / "8-1"));
}

} // namespace
