#include "ui/DetailsPrinting.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTest>

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
        test::InstallShippedCatalogs();
        m_writer.setPageMargins(QMarginsF(20, 30, 20, 30));
        m_doc.SetTitle("riverside.hoprj");
        AddAuditorium("North", 2);
        AddAuditorium("South", 3);
    }

    void setUpDrawingsGoBelowTheTextAndAuditoriumsGetBothViews() {
        QCOMPARE(Print(Recorder()), 7);
        QCOMPARE(m_drawn.size(), std::size_t{9});
        const Drawn& setUp = m_drawn.front();
        QCOMPARE(setUp.drawing, DetailsDrawing::Front);
        // Inch margins from the paper's edges whatever margins the device keeps, and the
        // description above the drawing.
        const double inch = m_writer.resolution();
        QCOMPARE(setUp.area.left(), inch);
        QCOMPARE(setUp.area.bottom(),
                 m_writer.pageLayout().fullRectPoints().height() / 72.0 * inch - inch);
        QVERIFY(setUp.area.top() > 2.5 * inch);
        QCOMPARE(m_drawn[2].page, 3);
        QCOMPARE(m_drawn[2].drawing, DetailsDrawing::Front);
        QCOMPARE(m_drawn[3].drawing, DetailsDrawing::Section);
        QCOMPARE(m_drawn[3].area.top(), m_drawn[2].area.bottom());
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

    int Print(const DrawDetailsFn& draw) {
        return PrintDetails(m_writer, m_doc, ProjectDetailsPages(m_doc), PageRange::All(), draw)
            .pagesPrinted;
    }

    ScopedAppContext m_context;
    CQorDoc m_doc{std::make_shared<test::FixedClock>()};
    test::TempDir m_dir;
    QPdfWriter m_writer{QString::fromStdU16String((m_dir / "details.pdf").u16string())};
    std::vector<Drawn> m_drawn;
};

} // namespace lumivane

QTEST_MAIN(lumivane::DetailsPrintingTest)
#include "DetailsPrintingTest.moc"
