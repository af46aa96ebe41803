#include "ui/DetailsPrinting.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"
#include "ui/PdfOutput.h"

#include <QPainter>
#include <QTest>

#include "PdfText.h"

namespace lumivane {

class DetailsPrintingTest : public QObject {
    Q_OBJECT

    struct Drawn {
        int page;
        DetailsDrawing drawing;
        QRectF area;
    };

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(test::HasPdfToText(), "pdftotext (poppler-utils) reads the PDFs");
        test::InstallShippedCatalogs();
        m_doc.SetTitle("riverside.hoprj");
        AddAuditorium("North", 2);
        AddAuditorium("South", 3);
    }

    void everySetUpAndAuditoriumHasItsPage() {
        const QStringList pages = Print(PageRange::All(), Recorder());
        QCOMPARE(pages.size(), 7);
        QVERIFY(pages[0].trimmed().startsWith(QLatin1String("riverside - North : P1")));
        QVERIFY(pages[0].contains(QLatin1String("Throw Distance:")));
        QVERIFY(pages[6].trimmed().startsWith(QLatin1String("riverside - South")));
        QVERIFY(pages[6].trimmed().endsWith(QLatin1String("7")));
    }

    void setUpDrawingsGoBelowTheTextAndAuditoriumsGetBothViews() {
        Print(PageRange::All(), Recorder());
        QCOMPARE(m_drawn.size(), std::size_t{9});
        const Drawn& setUp = m_drawn.front();
        QCOMPARE(setUp.drawing, DetailsDrawing::Front);
        // An inch of margin at 1200 dots per inch, and the description above the drawing.
        QVERIFY(setUp.area.top() > 1200 + 1000);
        QCOMPARE(setUp.area.bottom(), 11 * 1200.0 - 1200);
        QCOMPARE(m_drawn[2].page, 3);
        QCOMPARE(m_drawn[2].drawing, DetailsDrawing::Front);
        QCOMPARE(m_drawn[3].drawing, DetailsDrawing::Section);
        QCOMPARE(m_drawn[3].area.top(), m_drawn[2].area.bottom());
    }

    void aRangePrintsItsPagesWithTheirOwnNumbers() {
        const QStringList pages = Print({3, 4}, DrawDetailsFn());
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].trimmed().endsWith(QLatin1String("3")));
        QVERIFY(pages[1].trimmed().startsWith(QLatin1String("riverside - South : P1")));
        QCOMPARE(WriteDetailsPdf(Pdf(), m_doc, ProjectDetailsPages(m_doc), {8, 9}, {}),
                 PdfResult::NothingToPrint);
    }

private:
    void AddAuditorium(const std::string& name, int setUps) {
        ProjectEditor& editor = m_doc.Editor();
        const int a = editor.AddAuditorium();
        editor.RenameAuditorium(a, name);
        editor.AddProjector(a, 0, {});
        editor.RenameProjector(a, 0, "P1");
        int format = -1;
        for (int i = 0; i < setUps; ++i) {
            format = m_doc.GetProjector(a, 0)->FirstSupportedFormat(format + 1);
            editor.AddFormat(a, 0, format);
        }
    }

    // Frames each drawing's area, so a look at the pages shows where the drawings go.
    DrawDetailsFn Recorder() {
        m_drawn.clear();
        return [this](QPainter& painter, const QRectF& area, const DetailsPage& page,
                      DetailsDrawing drawing) {
            m_drawn.push_back({page.number, drawing, area});
            painter.setPen(QPen(Qt::red, 10));
            painter.drawRect(area.adjusted(5, 5, -5, -5));
        };
    }

    QString Pdf() const { return QString::fromStdU16String((m_dir / "details.pdf").u16string()); }

    QStringList Print(PageRange range, const DrawDetailsFn& draw) {
        if (WriteDetailsPdf(Pdf(), m_doc, ProjectDetailsPages(m_doc), range, draw) !=
            PdfResult::Written) {
            return {};
        }
        return test::PdfPages(Pdf());
    }

    ScopedAppContext m_context;
    CQorDoc m_doc{std::make_shared<test::FixedClock>()};
    test::TempDir m_dir;
    std::vector<Drawn> m_drawn;
};

} // namespace lumivane

QTEST_MAIN(lumivane::DetailsPrintingTest)
#include "DetailsPrintingTest.moc"
