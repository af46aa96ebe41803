#include "ui/TextPrinting.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "reports/PrintedReport.h"
#include "reports/ReportBlocks.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"
#include "ui/PdfOutput.h"
#include "ui/RichTextLayout.h"

#include <QFontInfo>
#include <QTest>

#include "PdfText.h"

namespace lumivane {
namespace {

constexpr auto kHeader = "RUNNING HEADER";

// Lines "Line 1" to "Line n" in the body style.
PrintedReport Lines(int n) {
    PrintedReport report;
    report.text.SetCharFormat(BodyStyle());
    for (int i = 1; i <= n; ++i) {
        report.text.AppendText("Line " + std::to_string(i) + (i < n ? "\n" : ""));
    }
    report.header = kHeader;
    return report;
}

QStringList Trimmed(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            lines << line.trimmed();
        }
    }
    return lines;
}

} // namespace

class TextPrintingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(test::HasPdfToText(), "pdftotext (poppler-utils) reads the PDFs");
    }

    void pagesAfterTheFirstCarryTheHeaderAndEveryPageItsNumber() {
        const QStringList pages = Print(Lines(120), PageRange::All());
        QCOMPARE(pages.size(), 3);
        QCOMPARE(Trimmed(pages[0]).first(), QStringLiteral("Line 1"));
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(Trimmed(pages[i]).last(), QString::number(i + 1));
            QCOMPARE(Trimmed(pages[i]).first() == QLatin1String(kHeader), i > 0);
        }
        QVERIFY(pages[2].contains(QLatin1String("Line 120")));
    }

    void aRangeLaysOutTheEarlierPagesAndPrintsOnlyItsOwn() {
        const QStringList all = Print(Lines(120), PageRange::All());
        const QStringList range = Print(Lines(120), {2, 3});
        QCOMPARE(range.size(), 2);
        QCOMPARE(range[0], all[1]);
        QCOMPARE(Trimmed(range[1]).last(), QStringLiteral("3"));
    }

    void aRangePastTheEndWritesNothing() {
        const QString path = QString::fromStdU16String((m_dir / "nothing.pdf").u16string());
        QCOMPARE(WriteReportPdf(path, Lines(10), {2, 5}), PdfResult::NothingToPrint);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(WriteReportPdf(QStringLiteral("/no/such/folder/x.pdf"), Lines(10), {}),
                 PdfResult::CannotWrite);
    }

    void aLongLowerCaseTitleHeadsLaterPagesCutAndUpperCased() {
        ScopedAppContext context;
        test::InstallShippedCatalogs();
        CQorDoc doc(std::make_shared<test::FixedClock>());
        doc.SetTitle("the riverside picture palace and its twin drive-in screens, by the bay");
        QCOMPARE(doc.GetTitle().size(), std::size_t{70});
        for (int i = 0; i < 20; ++i) {
            doc.Editor().AddAuditorium();
        }
        const PrintedReport report = ComposeReport(ReportKind::Project, doc, "", *Ctx().lenses);
        const QString header =
            QStringLiteral("THE RIVERSIDE PICTURE PALACE AND ITS TWIN DRIVE-IN SCREENS,");
        QCOMPARE(QString::fromStdString(report.header), header);
        const QStringList pages = Print(report, PageRange::All());
        QVERIFY(pages.size() >= 2);
        QVERIFY(!Trimmed(pages[0]).contains(header));
        QCOMPARE(Trimmed(pages[1]).first(), header);
    }

    // Pages break where they did with the face the reports were written for.
    void theReportFaceFallsBackToArialMetrics() {
        const QString ariel = QFontInfo(ReportFont({"Ariel", 10, false, false})).family();
        QCOMPARE(ariel, QFontInfo(ReportFont({"Arial", 10, false, false})).family());
    }

private:
    QString Pdf() const { return QString::fromStdU16String((m_dir / "out.pdf").u16string()); }

    QStringList Print(const PrintedReport& report, PageRange range) {
        if (WriteReportPdf(Pdf(), report, range) != PdfResult::Written) {
            return {};
        }
        return test::PdfPages(Pdf());
    }

    test::TempDir m_dir;
};

} // namespace lumivane

QTEST_MAIN(lumivane::TextPrintingTest)
#include "TextPrintingTest.moc"
