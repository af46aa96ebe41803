#include "ui/XdgMailSender.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "reports/MailSpool.h"
#include "support/FixedClock.h"
#include "support/MailStandIn.h"
#include "support/ShippedCatalog.h"
#include "ui/ProjectMail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <fstream>

namespace lumivane {
namespace {

QString Native(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

std::string Utf8(const std::filesystem::path& path) {
    return Native(path).toStdString();
}

using Arguments = std::vector<std::string>;

} // namespace

class XdgMailSenderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::InstallShippedCatalogs(); }
    void init() { m_mail = std::make_unique<test::MailStandIn>(); }
    void cleanup() { m_mail.reset(); }

    void availableOnlyWithXdgEmailOnThePath() {
        QVERIFY(XdgMailSender().IsAvailable());
        m_mail->HidePath();
        QVERIFY(!XdgMailSender().IsAvailable());
        QCOMPARE(XdgMailSender().Send({"text", std::nullopt}), MailResult::Failed);
    }

    // No shell reads the name, so nothing in it runs.
    void anAttachmentArrivesAsOneArgument() {
        const auto file = m_mail->Folder() / "Hall; $(touch pwned) & co.pdf";
        std::ofstream(file) << "%PDF";
        QCOMPARE(XdgMailSender().Send({{}, MailAttachment{file, "x"}}), MailResult::Sent);
        QCOMPARE(m_mail->TakeArguments(), (Arguments{"--utf8", "--attach", Utf8(file)}));
        QVERIFY(!QFile::exists(QStringLiteral("pwned")));
        QVERIFY(!std::filesystem::exists(m_mail->Folder() / "pwned"));
    }

    void theBodyGoesWholeOrNotAtAll() {
        const std::string body = "RIVERSIDE\n\tProject Manager:\t\"Ann\" $HOME\n";
        QCOMPARE(XdgMailSender().Send({body, std::nullopt}), MailResult::Sent);
        QCOMPARE(m_mail->TakeArguments(), (Arguments{"--utf8", "--body", body}));
        const std::string tooLong(XdgMailSender::kMaxBodyBytes + 1, 'x');
        QCOMPARE(XdgMailSender().Send({tooLong, std::nullopt}), MailResult::Failed);
    }

    void aMailProgramThatFailsIsAFailure() {
        qputenv("STAND_IN_EXIT", "3");
        QCOMPARE(XdgMailSender().Send({"x", std::nullopt}), MailResult::Failed);
        m_mail->Replace("#!/no/such/interpreter\n");
        QCOMPARE(XdgMailSender().Send({"x", std::nullopt}), MailResult::Failed);
    }

    // Some mail programs keep xdg-email running until their composer closes.
    void aComposerStillOpenCountsAsSent() {
        qputenv("STAND_IN_SLEEP", "5");
        QCOMPARE(XdgMailSender(200).Send({"x", std::nullopt}), MailResult::Sent);
    }

    void theProjectIsMailedAsItStandsAndStaysAsItWas() {
        CQorDoc doc(std::make_shared<test::FixedClock>());
        const auto saved = m_mail->Folder() / "Hall; $(touch pwned) & co.hoprj";
        QVERIFY(doc.SaveDocument(saved));
        doc.Editor().AddAuditorium();
        ProjectMailer mailer(std::make_unique<XdgMailSender>(),
                             std::make_unique<MailSpool>(m_mail->Folder() / "spool", 1,
                                                         [](std::int64_t) { return false; }));

        QCOMPARE(mailer.EmailProject(doc), MailNotice{});
        const QString copy = QString::fromStdString(m_mail->TakeArguments().at(2));
        QCOMPARE(QFileInfo(copy).fileName(), QStringLiteral("Hall; $(touch pwned) & co.hoprj"));
        QVERIFY(copy != Native(saved));
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.GetPathName(), saved);

        QCOMPARE(EmailProjectPdf(mailer, doc), MailNotice{});
        QCOMPARE(QFileInfo(QString::fromStdString(m_mail->TakeArguments().at(2))).fileName(),
                 QStringLiteral("Hall; $(touch pwned) & co.pdf"));
        QCOMPARE(m_mail->Attached(), std::string("%PDF"));
        QVERIFY(doc.IsModified());
    }

private:
    ScopedAppContext m_context;
    std::unique_ptr<test::MailStandIn> m_mail;
};

} // namespace lumivane

QTEST_MAIN(lumivane::XdgMailSenderTest)
#include "XdgMailSenderTest.moc"
