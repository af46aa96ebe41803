#include "base/SourcePaths.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "ui/QtSettingsStore.h"

#include <QFile>
#include <QTest>

#include <fstream>

#include "CliRun.h"
#include "PdfText.h"

using namespace lumivane;
using lumivane::test::CliRun;
using lumivane::test::Native;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kExample = QStringLiteral(LUMIVANE_SOURCE_DATA_DIR "/examples/Multiplex.hoprj");
const QString kGolden = QStringLiteral(LUMIVANE_TEST_DATA_DIR "/reports/Multiplex.txt");

} // namespace

class ReportCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<test::TempDir>();
        QtSettingsStore settings(Settings());
        settings.WriteString("Options", "Company", "Roxy Screens\n1 Main Street\n555-0100");
        settings.Sync();
    }

    void productListNeedsNoProject() {
        const CliRun run = Cli({QStringLiteral("report"), QStringLiteral("products")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("Lens Catalog\nHalvard Optics, Inc.\n\n"
                                   "Catalog\tName\tBarrel\tFocal Length\n"));
        QVERIFY(run.out.contains("\n\n\nCatalog\tName\tFunction\n"));
        QVERIFY(run.out.contains("\tHoriz. Ana. 2.0\n"));
        QVERIFY(!run.out.contains("(discontinued)"));
        QVERIFY(run.out.contains("Anamorph 2x Adapter S (old model)"));
    }

    void projectReportOfTheExampleIsTheGoldenText() {
        const CliRun run = Cli({QStringLiteral("report"), QStringLiteral("project"), kExample});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        QCOMPARE(run.out, ReadAll(kGolden));
    }

    void textOptionWritesTheSameTextToAFile() {
        const QString out = Native(*m_dir / "report.txt");
        const CliRun run = Cli({QStringLiteral("report"), QStringLiteral("project"), kExample,
                                QStringLiteral("--text"), out});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(ReadAll(out), ReadAll(kGolden));
    }

    // Printed to stdout or exported, a report has the same bytes, line ends included.
    void printedAndExportedTextsAreTheSameBytes() {
        for (const char* kind : {"project", "purchase", "products"}) {
            QStringList arguments{QStringLiteral("report"), QString::fromLatin1(kind)};
            if (qstrcmp(kind, "products") != 0) {
                arguments << kExample;
            }
            const QString out = Native(*m_dir / "exported.txt");
            const CliRun printed = Cli(arguments);
            QCOMPARE(Cli(arguments << QStringLiteral("--text") << out).exitCode, 0);
            QCOMPARE(printed.exitCode, 0);
            QCOMPARE(printed.out, ReadAll(out));
        }
    }

    // The PDF holds the printed pages: the heading on page 1, the running header after it and
    // every page's number.
    void pdfOptionWritesThePrintedPages() {
        const QString pdf = Native(*m_dir / "report.pdf");
        const CliRun run = Cli({QStringLiteral("report"), QStringLiteral("project"), kExample,
                                QStringLiteral("--pdf"), pdf});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.isEmpty());
        const QStringList pages = test::PdfPages(pdf);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(Lines(pages[0]).mid(0, 3),
                 (QStringList{QStringLiteral("Multiplex"), QStringLiteral("Auditorium List"),
                              QStringLiteral("Roxy Screens")}));
        QCOMPARE(Lines(pages[1]).first(), QStringLiteral("Multiplex"));
        QCOMPARE(Lines(pages[2]).last(), QStringLiteral("3"));
    }

    void purchaseListCountsOverTheProject() {
        const CliRun run = Cli({QStringLiteral("report"), QStringLiteral("purchase"), kExample});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("Multiplex\nPurchase List\n\nRoxy Screens\n"));
        QVERIFY(run.out.contains("Catalog\tName\tQty.\n"));
        QVERIFY(run.out.contains("\tLumaspan DC-L 55-75mm f/2.5\t2\n"));
    }

    void failuresAreReportedWithExitCodeOne() {
        const CliRun unwritable =
            Cli({QStringLiteral("report"), QStringLiteral("products"), QStringLiteral("--text"),
                 Native(*m_dir / "missing" / "report.txt")});
        QCOMPARE(unwritable.exitCode, 1);
        QCOMPARE(unwritable.err, QByteArray("Could not open file\n"));

        std::ofstream(*m_dir / "new.hoprj", std::ios::binary).write("\x0D\0\0\0", 4);
        const CliRun tooNew = Cli(
            {QStringLiteral("report"), QStringLiteral("project"), Native(*m_dir / "new.hoprj")});
        QCOMPARE(tooNew.exitCode, 1);
        QVERIFY(tooNew.err.startsWith("Error: The file was created by a version newer"));

        const CliRun unknown = Cli({QStringLiteral("report"), QStringLiteral("summary")});
        QCOMPARE(unknown.exitCode, 1);
        QVERIFY(unknown.err.startsWith("Usage:"));
    }

    // A full disk takes the whole text, so a script must not take the exit code for success.
    void outputThatCannotBeWrittenIsAFailure() {
        const QStringList commands[] = {
            {QStringLiteral("report"), QStringLiteral("project"), kExample},
            {QStringLiteral("report"), QStringLiteral("products")},
            {QStringLiteral("dump"), kExample},
            {QStringLiteral("catalog"), QStringLiteral("dump")}};
        const QString full = QStringLiteral("/dev/full");
        for (const QStringList& arguments : commands) {
            const CliRun run = Cli(arguments, full);
            QVERIFY2(run.exitCode == 1, qPrintable(arguments.join(QLatin1Char(' '))));
            QCOMPARE(run.err, QByteArray("The output could not be written.\n"));
        }
        const CliRun version = test::RunCli({QStringLiteral("--version")}, m_dir->path(),
                                            test::CliEnvironment(m_dir->path()), full);
        QCOMPARE(version.exitCode, 1);
    }

    void saveWritesTheCurrentVersionAndMayReplaceItsInput() {
        const auto copy = *m_dir / "copy.hoprj";
        std::filesystem::copy_file(kExample.toStdString(), copy);
        const CliRun run = Cli(
            {QStringLiteral("save"), Native(copy), Native(copy), QStringLiteral("--recalculate")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const CliRun report =
            Cli({QStringLiteral("report"), QStringLiteral("project"), Native(copy)});
        QCOMPARE(report.exitCode, 0);
        QVERIFY(report.out.contains("Cinema 3 Digital 4K\n"));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(m_dir->path()), {}), 2);
    }

    void saveUpgradesAnOlderFileAndRefusesDamage() {
        std::ofstream(*m_dir / "old.hoprj", std::ios::binary).write("\x0B\0\0\0\0\0\0\0", 8);
        const QString out = Native(*m_dir / "upgraded.hoprj");
        QCOMPARE(Cli({QStringLiteral("save"), Native(*m_dir / "old.hoprj"), out}).exitCode, 0);
        QCOMPARE(ReadAll(out), QByteArray("\x0C\0\0\0\0\0\0\0\0\0\0\0\0", 13));

        std::ofstream(*m_dir / "cut.hoprj", std::ios::binary).write("\x0C\0\0", 3);
        const CliRun damaged =
            Cli({QStringLiteral("save"), Native(*m_dir / "cut.hoprj"), Native(*m_dir / "x.hoprj")});
        QCOMPARE(damaged.exitCode, 1);
        QCOMPARE(damaged.err, QByteArray("Unexpected file format.\n"));
        QVERIFY(!std::filesystem::exists(*m_dir / "x.hoprj"));
    }

    // The example project's six set-ups hold seven lenses and attachments in all.
    void saveWarnsAboutItemsTheCatalogLacks() {
        const auto empty = *m_dir / "empty catalog";
        std::filesystem::create_directory(empty);
        const QString out = Native(*m_dir / "out.hoprj");
        const CliRun run = Cli({QStringLiteral("save"), kExample, out,
                                QStringLiteral("--catalog-dir"), Native(empty)});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(
            run.err,
            QByteArray("Warning: 7 lens or attachment item(s) not in the catalog were dropped.\n"));
        QVERIFY(QFile::exists(out));
    }

private:
    static QStringList Lines(const QString& page) {
        QStringList lines;
        for (const QString& line : page.split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty()) {
                lines << line.trimmed();
            }
        }
        return lines;
    }

    QString Settings() const { return Native(*m_dir / "settings.ini"); }

    CliRun Cli(const QStringList& arguments, const QString& outputFile = {}) const {
        return test::RunWithShippedCatalog(arguments, m_dir->path(), outputFile);
    }

    std::unique_ptr<test::TempDir> m_dir;
};

QTEST_GUILESS_MAIN(ReportCommandTest)
#include "ReportCommandTest.moc"
