#include "base/SourcePaths.h"
#include "support/TempDir.h"

#include <QFile>
#include <QTest>

#include "CliRun.h"
#include "PdfText.h"

using namespace lumivane;
using lumivane::test::CliRun;
using lumivane::test::Native;

namespace {

const QString kExample = QStringLiteral(LUMIVANE_SOURCE_DATA_DIR "/examples/Multiplex.hoprj");

} // namespace

class DetailsCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dir = std::make_unique<test::TempDir>(); }

    // Three auditoriums with six set-ups in all.
    void everySetUpAndAuditoriumHasAPage() {
        const CliRun run = Cli({kExample, QStringLiteral("--pdf"), Pdf()});
        QCOMPARE(run.exitCode, 0);
        const QStringList pages = test::PdfPages(Pdf());
        QCOMPARE(pages.size(), 9);
        QVERIFY(pages[0].trimmed().startsWith(
            QLatin1String("Multiplex - Cinema 1 Film : KX KX-35 Standard")));
        QVERIFY(pages[2].trimmed().startsWith(QLatin1String("Multiplex - Cinema 1 Film")));
        QVERIFY(pages[8].trimmed().endsWith(QLatin1String("9")));
    }

    void aRangePrintsItsPagesAndARangePastTheEndNothing() {
        QCOMPARE(Cli({kExample, QStringLiteral("--pdf"), Pdf(), QStringLiteral("--from"),
                      QStringLiteral("2"), QStringLiteral("--to"), QStringLiteral("3")})
                     .exitCode,
                 0);
        const QStringList pages = test::PdfPages(Pdf());
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[1].trimmed().endsWith(QLatin1String("3")));

        QFile::remove(Pdf());
        const CliRun past = Cli({kExample, QStringLiteral("--pdf"), Pdf(), QStringLiteral("--from"),
                                 QStringLiteral("10")});
        QCOMPARE(past.exitCode, 1);
        QVERIFY(!past.err.isEmpty());
        QVERIFY(!QFile::exists(Pdf()));
    }

    void badCommandLinesSaySo() {
        QVERIFY(Cli({kExample}).err.contains("Usage:"));
        QCOMPARE(Cli({kExample, QStringLiteral("--pdf"), Pdf(), QStringLiteral("--to"),
                      QStringLiteral("0")})
                     .exitCode,
                 1);
        const CliRun unwritable =
            Cli({kExample, QStringLiteral("--pdf"), Native(*m_dir / "missing" / "x.pdf")});
        QCOMPARE(unwritable.exitCode, 1);
        // Qt may warn about the session's runtime folder before.
        QVERIFY(unwritable.err.endsWith("The PDF could not be written.\n"));
    }

private:
    QString Pdf() const { return Native(*m_dir / "details.pdf"); }

    CliRun Cli(QStringList arguments) const {
        arguments.prepend(QStringLiteral("details"));
        return test::RunWithShippedCatalog(arguments, m_dir->path());
    }

    std::unique_ptr<test::TempDir> m_dir;
};

QTEST_GUILESS_MAIN(DetailsCommandTest)
#include "DetailsCommandTest.moc"
