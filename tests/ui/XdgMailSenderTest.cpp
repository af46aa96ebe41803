#include "ui/XdgMailSender.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "reports/MailSpool.h"
#include "support/FileBytes.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"
#include "ui/ProjectMail.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <fstream>

namespace lumivane {
namespace {

// Records its arguments, NUL after each, and whether an attached file was there to read.
constexpr auto kStandIn = R"(#!/bin/sh
dir=$(dirname "$0")
for argument in "$@"; do printf '%s\0' "$argument" >> "$dir/arguments"; done
if [ "$2" = "--attach" ] && [ -f "$3" ]; then head -c 4 "$3" > "$dir/attached"; fi
sleep "${STAND_IN_SLEEP:-0}"
exit "${STAND_IN_EXIT:-0}"
)";

QString Native(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

} // namespace

class XdgMailSenderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        m_path = qgetenv("PATH");
        test::InstallShippedCatalogs();
    }

    void init() {
        m_bin = std::make_unique<test::TempDir>();
        WriteStandIn(kStandIn);
        qputenv("PATH", Native(m_bin->path()).toLocal8Bit() + ':' + m_path);
        qunsetenv("STAND_IN_EXIT");
        qunsetenv("STAND_IN_SLEEP");
    }

    void cleanupTestCase() { qputenv("PATH", m_path); }

    void availableOnlyWithXdgEmailOnThePath() {
        QVERIFY(XdgMailSender().IsAvailable());
        qputenv("PATH", Native(m_bin->path() / "empty").toLocal8Bit());
        QVERIFY(!XdgMailSender().IsAvailable());
        QCOMPARE(XdgMailSender().Send({"text", std::nullopt}), MailResult::Failed);
    }

    // No shell reads the name, so nothing in it runs.
    void anAttachmentArrivesAsOneArgument() {
        const auto file = *m_bin / "Hall; $(touch pwned) & co.pdf";
        std::ofstream(file) << "%PDF";
        QCOMPARE(XdgMailSender().Send({{}, MailAttachment{file, "x"}}), MailResult::Sent);
        QCOMPARE(Arguments(),
                 (QStringList{QStringLiteral("--utf8"), QStringLiteral("--attach"), Native(file)}));
        QVERIFY(!QFile::exists(QStringLiteral("pwned")));
        QVERIFY(!std::filesystem::exists(*m_bin / "pwned"));
    }

    void theBodyGoesWholeOrNotAtAll() {
        const std::string body = "RIVERSIDE\n\tProject Manager:\t\"Ann\" $HOME\n";
        QCOMPARE(XdgMailSender().Send({body, std::nullopt}), MailResult::Sent);
        QCOMPARE(Arguments(), (QStringList{QStringLiteral("--utf8"), QStringLiteral("--body"),
                                           QString::fromStdString(body)}));
        const std::string tooLong(XdgMailSender::kMaxBodyBytes + 1, 'x');
        QCOMPARE(XdgMailSender().Send({tooLong, std::nullopt}), MailResult::Failed);
    }

    void aMailProgramThatFailsIsAFailure() {
        qputenv("STAND_IN_EXIT", "3");
        QCOMPARE(XdgMailSender().Send({"x", std::nullopt}), MailResult::Failed);
        WriteStandIn("#!/no/such/interpreter\n");
        QCOMPARE(XdgMailSender().Send({"x", std::nullopt}), MailResult::Failed);
    }

    // Some mail programs keep xdg-email running until their composer closes.
    void aComposerStillOpenCountsAsSent() {
        qputenv("STAND_IN_SLEEP", "5");
        QCOMPARE(XdgMailSender(200).Send({"x", std::nullopt}), MailResult::Sent);
    }

    void theProjectIsMailedAsItStandsAndStaysAsItWas() {
        CQorDoc doc(std::make_shared<test::FixedClock>());
        const auto saved = *m_bin / "Hall; $(touch pwned) & co.hoprj";
        QVERIFY(doc.SaveDocument(saved));
        doc.Editor().AddAuditorium();
        ProjectMailer mailer(std::make_unique<XdgMailSender>(),
                             std::make_unique<MailSpool>(m_bin->path() / "spool", 1,
                                                         [](std::int64_t) { return false; }));

        QCOMPARE(mailer.EmailProject(doc), MailNotice{});
        const QString copy = Arguments().value(2);
        QCOMPARE(QFileInfo(copy).fileName(), QStringLiteral("Hall; $(touch pwned) & co.hoprj"));
        QVERIFY(copy != Native(saved));
        QVERIFY(doc.IsModified());
        QCOMPARE(doc.GetPathName(), saved);

        QCOMPARE(EmailProjectPdf(mailer, doc), MailNotice{});
        QCOMPARE(QFileInfo(Arguments().value(2)).fileName(),
                 QStringLiteral("Hall; $(touch pwned) & co.pdf"));
        QCOMPARE(test::ReadFileText(*m_bin / "attached"), std::string("%PDF"));
        QVERIFY(doc.IsModified());
    }

private:
    void WriteStandIn(const char* script) {
        const auto path = *m_bin / "xdg-email";
        std::ofstream(path) << script;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }

    // The arguments of the last call, and the record cleared.
    QStringList Arguments() {
        QFile log(Native(*m_bin / "arguments"));
        if (!log.open(QIODevice::ReadOnly)) {
            return {};
        }
        QStringList arguments = QString::fromUtf8(log.readAll()).split(QChar(0));
        arguments.removeLast();
        log.remove();
        return arguments;
    }

    ScopedAppContext m_context;
    QByteArray m_path;
    std::unique_ptr<test::TempDir> m_bin;
};

} // namespace lumivane

QTEST_MAIN(lumivane::XdgMailSenderTest)
#include "XdgMailSenderTest.moc"
