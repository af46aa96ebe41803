#include "views/ScreenDisplay.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "support/FixedClock.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

using lumivane::ScreenView;

namespace {

class StepLog : public lumivane::EditRecorder {
public:
    QStringList labels;
    void Recorded(const lumivane::StepName& step, lumivane::ProjectSnapshot,
                  lumivane::ProjectSnapshot) override {
        labels.append(QString::fromUtf8(step.label));
    }
};

} // namespace

class ScreenDisplayTest : public QObject {
    Q_OBJECT

    lumivane::ScopedAppContext m_context;
    std::unique_ptr<CQorDoc> m_doc;
    std::unique_ptr<ScreenDisplay> m_display;
    StepLog m_steps;
    const int m_format = lumivane::test::kFlatFormat;

    const CProjectorType& Projector() const { return *m_doc->GetProjector(0, 0); }
    double Scale() const { return m_display->LastFrontLayout().mapping.scale; }

    // Paints the display, so it knows where its marker is, and returns the marker's place.
    QPoint Marker() {
        m_display->grab();
        const auto handle = m_display->LastFrontLayout().dragHandle;
        return handle ? QPoint(handle->x, handle->y) : QPoint(-100, -100);
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        lumivane::test::InstallModelCatalogs();
    }

    void init() {
        m_doc = std::make_unique<CQorDoc>(std::make_shared<lumivane::test::FixedClock>());
        lumivane::test::ScreenRoom room;
        m_doc->Editor().AppendAuditorium(std::move(room.auditorium));
        m_doc->Editor().SetRecorder(&m_steps);
        m_steps.labels.clear();
        m_display = std::make_unique<ScreenDisplay>(*m_doc);
        m_display->resize(400, 300);
        m_display->SetItems(0, 0, m_format);
        m_display->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_display.get()));
    }

    void cleanup() {
        m_display.reset();
        m_doc.reset();
    }

    void dragMovesTheProjectorWithinReachAsOneEdit() {
        const QPoint marker = Marker();
        QSignalSpy started(m_display.get(), &ScreenDisplay::editStarted);
        QSignalSpy finished(m_display.get(), &ScreenDisplay::editFinished);
        QTest::mousePress(m_display.get(), Qt::LeftButton, {}, marker + QPoint(3, -2));
        QVERIFY(m_display->IsDragging());
        const double scale = Scale();
        QTest::mouseMove(m_display.get(), marker + QPoint(54, 0));
        QCOMPARE(started.count(), 1);
        QVERIFY(qAbs(Projector().Lateral() - 54 / scale) < 1 / scale);
        // Below the floor while moving: held at the floor.
        QTest::mouseMove(m_display.get(), marker + QPoint(0, 400));
        QCOMPARE(Projector().LensHeight(), 0.0);
        QCOMPARE(Scale(), scale);
        // Let go far beyond the throw to the side: twice the throw at most.
        QTest::mouseRelease(m_display.get(), Qt::LeftButton, {}, marker + QPoint(4000, 0));
        QCOMPARE(Projector().Lateral(), 40.0);
        QVERIFY(qAbs(Projector().LensHeight() - 3.0) < 1 / scale);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(started.count(), 1);
        QVERIFY(!m_display->IsDragging());
        QVERIFY(!m_steps.labels.isEmpty());
        QCOMPARE(m_steps.labels.count(QStringLiteral("Move Projector")), m_steps.labels.size());
    }

    void cornerClickSwitchesTheViewUnlessItEndsADrag() {
        QSignalSpy changed(m_display.get(), &ScreenDisplay::viewChanged);
        QTest::mouseClick(m_display.get(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(m_display->View(), ScreenView::Section);
        QTest::mouseClick(m_display.get(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(m_display->View(), ScreenView::Front);
        QCOMPARE(changed.count(), 2);
        QTest::mousePress(m_display.get(), Qt::LeftButton, {}, Marker());
        QTest::mouseRelease(m_display.get(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(m_display->View(), ScreenView::Front);
    }

    void dragEndsWhenHiddenOrShowingOtherItems() {
        QSignalSpy finished(m_display.get(), &ScreenDisplay::editFinished);
        QTest::mousePress(m_display.get(), Qt::LeftButton, {}, Marker());
        QTest::mouseMove(m_display.get(), Marker() + QPoint(20, 20));
        m_display->hide();
        QVERIFY(!m_display->IsDragging());
        QCOMPARE(finished.count(), 1);
        m_display->show();
        QTest::mousePress(m_display.get(), Qt::LeftButton, {}, Marker());
        m_display->SetItems(0, -1, -1);
        QVERIFY(!m_display->IsDragging());
        QCOMPARE(finished.count(), 1);
    }

    void noDragOnAPictureThatCannotBeScaled() {
        m_display->resize(22, 22);
        m_display->grab();
        QCOMPARE(m_display->LastFrontLayout().state, lumivane::FrontState::Unscalable);
        QTest::mousePress(m_display.get(), Qt::LeftButton, {}, QPoint(11, 11));
        QVERIFY(!m_display->IsDragging());
    }

    void tellsAssistiveTechnologyWhatItShows() {
        m_display->grab();
        QCOMPARE(m_display->accessibleName(), QStringLiteral("Screen Display"));
        QVERIFY(m_display->accessibleDescription().startsWith(QStringLiteral("Front view")));
        m_display->SetView(ScreenView::Section);
        m_display->grab();
        QVERIFY(m_display->accessibleDescription().startsWith(QStringLiteral("Section view")));
    }
};

QTEST_MAIN(ScreenDisplayTest)
#include "ScreenDisplayTest.moc"
