#include "views/FormatListCtrl.h"

#include "base/AppContext.h"
#include "base/ColumnBounds.h"
#include "catalog/LensDatabase.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "ui/ProjectRelay.h"
#include "views/SetUpListModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using lumivane::Ctx;

// The lens set-up list of one projector with three formats, driven with the mouse.
class FormatListCtrlTest : public QObject {
    Q_OBJECT

    std::unique_ptr<lumivane::ScopedAppContext> m_context;
    std::unique_ptr<CQorDoc> m_doc;
    std::unique_ptr<lumivane::ProjectRelay> m_relay;
    std::unique_ptr<CFormatListCtrl> m_list;
    std::vector<int> m_formats;

    lumivane::ProjectEditor& Editor() { return m_doc->Editor(); }
    QModelIndex Cell(int row, int column) { return m_list->model()->index(row, column); }
    const CLensType& SetUp(int row) { return *m_doc->GetProjector(0, 0)->GetLensType(row); }
    QColor PixelAt(const QImage& image, int row, int column, int fromRight) {
        const QRect cell = m_list->visualRect(Cell(row, column));
        const QPoint at =
            m_list->viewport()->pos() + QPoint(cell.right() - fromRight, cell.center().y());
        return image.pixelColor(at);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_context = std::make_unique<lumivane::ScopedAppContext>();
        lumivane::test::InstallShippedCatalogs();
        m_doc = std::make_unique<CQorDoc>(std::make_shared<lumivane::test::FixedClock>());
        m_relay = std::make_unique<lumivane::ProjectRelay>(*m_doc);
        Editor().AddAuditorium();
        Editor().AddProjector(0, 0, {});
        m_formats.clear();
        for (int format = 0; m_formats.size() < 4; ++format) {
            m_formats.push_back(m_doc->GetProjector(0, 0)->FirstSupportedFormat(format));
            format = m_formats.back();
        }
        for (int i = 0; i < 3; ++i) {
            Editor().AddFormat(0, 0, m_formats[static_cast<std::size_t>(i)]);
        }
        m_list = std::make_unique<CFormatListCtrl>(*m_doc, *m_relay);
        m_list->resize(600, 160);
        m_list->SetProjector(0, 0);
    }

    void cleanup() {
        m_list.reset();
        m_relay.reset();
        m_doc.reset();
        m_context.reset();
    }

    void threeFormatsShowThreeRowsAndACountChangeRebuildsThem() {
        QAbstractItemModelTester tester(m_list->model());
        QCOMPARE(m_list->model()->rowCount(), 3);
        QCOMPARE(Cell(1, SetUpListModel::FormatColumn).data().toString(),
                 QString::fromStdString(SetUp(1).GetFormatName()));
        QCOMPARE(Cell(0, SetUpListModel::LensColumn).data().toString(),
                 QStringLiteral("Not Selected"));
        Editor().AddFormat(0, 0, m_formats[3]);
        QCOMPARE(m_list->model()->rowCount(), 4);
        Editor().RemoveFormat(0, 0, m_formats[0]);
        QCOMPARE(Cell(0, SetUpListModel::FormatColumn).data(SetUpListModel::FormatRole).toInt(),
                 m_formats[1]);
        Editor().AddProjector(0, 0, {});
        Editor().DeleteProjector(0, 0);
        QCOMPARE(m_list->model()->rowCount(), 0);
        QCOMPARE(m_list->Model().Projector().Level(), 0);
    }

    // Whoever hears of a removal first may move the list onto the projector, or off it, in
    // the middle: the rows stay whole either way.
    void aListMovedWhileAFormatGoesStaysWhole() {
        Editor().AddProjector(0, 0, {});
        QAbstractItemModelTester tester(m_list->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_list->SetProjector(0, 1);
        const auto onto = connect(m_relay.get(), &lumivane::ProjectRelay::itemAboutToBeRemoved,
                                  this, [this] { m_list->SetProjector(0, 0); });
        Editor().RemoveFormat(0, 0, m_formats[0]);
        disconnect(onto);
        QCOMPARE(m_list->model()->rowCount(), 2);
        connect(m_relay.get(), &lumivane::ProjectRelay::itemAboutToBeRemoved, this,
                [this] { m_list->SetProjector(0, 1); });
        Editor().RemoveFormat(0, 0, m_formats[1]);
        QCOMPARE(m_list->model()->rowCount(), 0);
        QCOMPARE(m_list->Model().Projector().projector, 1);
    }

    void aBoundCannotPassItsNeighbours() {
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
        QHeaderView* header = m_list->header();
        QWidget* bar = header->viewport();
        const lumivane::ColumnBounds before = Ctx().settings.m_columns;
        const int x = header->sectionPosition(SetUpListModel::FocalColumn);
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(x, 5));
        QVERIFY(!m_list->IsBlinking());
        QTest::mouseMove(bar, QPoint(1, 5));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 5));
        QVERIFY(m_list->IsBlinking());
        QCOMPARE(Ctx().settings.m_columns,
                 (lumivane::ColumnBounds{before[0], before[0] + 1, before[2]}));
        // The bound sits against its neighbour, yet the image sizes keep their room.
        const int title = header->fontMetrics().horizontalAdvance(u"Image Size"_qs);
        QVERIFY(header->sectionSize(SetUpListModel::ImageSizeColumn) >= title);
        const int moved = header->sectionPosition(SetUpListModel::FocalColumn);
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(moved, 5));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width(), 5));
        QCOMPARE(Ctx().settings.m_columns,
                 (lumivane::ColumnBounds{before[0], before[2] - 1, before[2]}));
        QVERIFY(header->sectionSize(SetUpListModel::FocalColumn) >=
                header->fontMetrics().horizontalAdvance(u"Focal Length"_qs));
    }

    void notAvailableIsARedTintOfTheRowsBackground() {
        Ctx().lenses = std::make_shared<CLensDatabase>();
        m_list->Refresh(true);
        QPalette palette = m_list->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
        m_list->setPalette(palette);
        m_list->SelectFormat(m_formats[1]);
        const QImage image = m_list->grab().toImage();
        QCOMPARE(PixelAt(image, 0, SetUpListModel::LensColumn, 2), QColor(255, 0, 0));
        QCOMPARE(PixelAt(image, 1, SetUpListModel::LensColumn, 2), QColor(255, 0, 128));
        const QRect cell = m_list->visualRect(Cell(1, SetUpListModel::LensColumn))
                               .translated(m_list->viewport()->pos());
        bool whiteText = false;
        for (int x = cell.left(); x < cell.right() && !whiteText; ++x) {
            whiteText = image.pixelColor(x, cell.center().y() + 1) == Qt::white ||
                        image.pixelColor(x, cell.center().y()) == Qt::white;
        }
        QVERIFY(whiteText);
    }

    void theLinkButtonTogglesOnReleaseOverItself() {
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
        QSignalSpy selected(m_list.get(), &CFormatListCtrl::formatSelected);
        const int y = m_list->visualRect(Cell(0, 0)).center().y();
        QVERIFY(SetUp(0).Linked());
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(30, y));
        QVERIFY(!SetUp(0).Linked());
        QVERIFY(m_doc->IsModified());
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.takeFirst().at(0).toInt(), m_formats[0]);

        QTest::mousePress(m_list->viewport(), Qt::LeftButton, {}, QPoint(30, y));
        QTest::mouseRelease(m_list->viewport(), Qt::LeftButton, {}, QPoint(40, y));
        const int below = m_list->visualRect(Cell(1, 0)).center().y();
        QTest::mousePress(m_list->viewport(), Qt::LeftButton, {}, QPoint(30, y));
        QTest::mouseRelease(m_list->viewport(), Qt::LeftButton, {}, QPoint(30, below));
        QVERIFY(!SetUp(0).Linked());
        QTest::keyClick(m_list.get(), Qt::Key_Space);
        QVERIFY(SetUp(0).Linked());
    }
};

QTEST_MAIN(FormatListCtrlTest)
#include "FormatListCtrlTest.moc"
