#include "views/ValueSlider.h"

#include "base/AppContext.h"
#include "views/LengthEdit.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleOptionSlider>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

class HandledSlider : public ValueSlider {
public:
    using ValueSlider::ValueSlider;
    QPoint Handle() const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this)
            .center();
    }
};

} // namespace

class ValueSliderTest : public QObject {
    Q_OBJECT

    lumivane::ScopedAppContext m_context;
    std::unique_ptr<QWidget> m_window;
    LengthEdit* m_field = nullptr;
    HandledSlider* m_slider = nullptr;
    std::unique_ptr<QSignalSpy> m_reported, m_started, m_finished;

    void Build(Qt::Orientation orientation, int first, int last) {
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        layout->addWidget(m_field = new LengthEdit);
        layout->addWidget(m_slider = new HandledSlider(orientation));
        m_slider->setMinimumSize(200, 200);
        m_slider->SetRange(first, last);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_reported = std::make_unique<QSignalSpy>(m_slider, &ValueSlider::valueReported);
        m_started = std::make_unique<QSignalSpy>(m_slider, &ValueSlider::editStarted);
        m_finished = std::make_unique<QSignalSpy>(m_slider, &ValueSlider::editFinished);
    }

    void ExpectOneSessionEndingAt(double value) {
        QCOMPARE(m_reported->last().at(0).toDouble(), value);
        QCOMPARE(m_started->size(), 1);
        QCOMPARE(m_finished->size(), 1);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void neitherTheProgramNorTabbingOntoItReports() {
        Build(Qt::Horizontal, 0, 100);
        m_slider->SetScale(0.5);
        m_slider->SetValue(20.7);
        QCOMPARE(m_slider->Value(), 20.5);
        m_field->setFocus();
        QTest::keyPress(m_field, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_slider);
        QTest::keyRelease(m_slider, Qt::Key_Tab);
        m_slider->SetRange(50, 100);
        QCOMPARE(m_reported->size() + m_started->size(), 0);
    }

    void aKeyStepIsOneReportThatALinkedFieldTakesOver() {
        Build(Qt::Horizontal, 0, 100);
        m_field->SetKind(Millimetres);
        m_field->SetLinkedSlider(m_slider);
        QSignalSpy committed(m_field, &LengthEdit::valueCommitted);
        m_field->SetValue(0.0405);
        QCOMPARE(m_slider->value(), 40);
        QTest::keyClick(m_slider, Qt::Key_Right);
        QCOMPARE(m_reported->size(), 1);
        ExpectOneSessionEndingAt(41);
        QCOMPARE(m_field->text(), QStringLiteral("41.0mm"));
        QCOMPARE(committed.at(0).at(0).toDouble(), 0.041);
    }

    void aDragIsOneSession() {
        Build(Qt::Horizontal, 0, 100);
        const QPoint handle = m_slider->Handle();
        QTest::mousePress(m_slider, Qt::LeftButton, {}, handle);
        for (int dx = 10; dx <= 50; dx += 10)
            QTest::mouseMove(m_slider, handle + QPoint(dx, 0));
        QCOMPARE(m_finished->size(), 0);
        QTest::mouseRelease(m_slider, Qt::LeftButton, {}, handle + QPoint(50, 0));
        QVERIFY(m_reported->size() >= 2);
        ExpectOneSessionEndingAt(m_slider->Value());
    }

    void aScreenReadersMoveIsReported() {
        Build(Qt::Horizontal, 0, 100);
        m_slider->setAccessibleName(QStringLiteral("Curve"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_slider);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Curve"));
        accessible->valueInterface()->setCurrentValue(30);
        ExpectOneSessionEndingAt(30);
    }

    void aReversedVerticalSliderHasItsLargestValueAtTheTop() {
        Build(Qt::Vertical, 100, 3);
        m_slider->SetValue(100);
        QVERIFY(m_slider->Handle().y() < m_slider->height() / 2);
        QTest::keyClick(m_slider, Qt::Key_Down);
        QCOMPARE(m_slider->Value(), 99.0);
        m_slider->SetRange(3, 100);
        m_slider->SetValue(3);
        QVERIFY(m_slider->Handle().y() < m_slider->height() / 2);
    }
};

QTEST_MAIN(ValueSliderTest)
#include "ValueSliderTest.moc"
