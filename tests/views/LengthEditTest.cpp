#include "views/LengthEdit.h"

#include "base/AppContext.h"
#include "base/FieldLimits.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

#include <limits>
#include <memory>

namespace {

class ArrowedEdit : public LengthEdit {
public:
    QPoint UpArrow() const {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        return style()
            ->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, this)
            .center();
    }
};

QList<double> Values(const QSignalSpy& spy) {
    QList<double> values;
    for (const QList<QVariant>& call : spy)
        values.append(call.at(0).toDouble());
    return values;
}

struct Spies {
    explicit Spies(LengthEdit* edit)
        : edited(edit, &LengthEdit::valueEdited), committed(edit, &LengthEdit::valueCommitted),
          started(edit, &LengthEdit::editStarted) {}
    QSignalSpy edited, committed, started;
};

} // namespace

class LengthEditTest : public QObject {
    Q_OBJECT

    lumivane::ScopedAppContext m_context;
    std::unique_ptr<QWidget> m_window;
    ArrowedEdit* m_edit = nullptr;
    QLineEdit* m_other = nullptr;
    std::unique_ptr<Spies> m_spies;

    // Replaces the whole text as the user does.
    void Type(const QString& text) {
        m_edit->selectAll();
        QTest::keyClicks(m_edit, text);
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        layout->addWidget(m_edit = new ArrowedEdit);
        layout->addWidget(m_other = new QLineEdit);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_edit->SetValue(5.0);
        m_edit->setFocus();
        m_spies = std::make_unique<Spies>(m_edit);
    }

    void typingReportsEveryKeystrokeAndCommitsOnceOnEnter() {
        Type(QStringLiteral("12"));
        QCOMPARE(Values(m_spies->edited), (QList<double>{1.0, 12.0}));
        QCOMPARE(m_spies->committed.size(), 0);
        QTest::keyClick(m_edit, Qt::Key_Return);
        QCOMPARE(m_edit->text(), QStringLiteral("12.00m"));
        m_other->setFocus();
        QCOMPARE(Values(m_spies->committed), QList<double>{12.0});
        QCOMPARE(m_spies->started.size(), 1);
    }

    void leavingTheFieldRewritesTheTextCommitsAndEndsTheBurst() {
        Type(QStringLiteral("2.5"));
        m_other->setFocus();
        QCOMPARE(m_edit->text(), QStringLiteral("2.50m"));
        QCOMPARE(Values(m_spies->committed), QList<double>{2.5});
        m_edit->setFocus();
        Type(QStringLiteral("3"));
        QCOMPARE(m_spies->started.size(), 2);
    }

    void arrowsWheelAndKeysStepByTheUnitsStep() {
        m_edit->SetValue(2.37);
        QTest::keyClick(m_edit, Qt::Key_Up);
        QTest::keyClick(m_edit, Qt::Key_Down);
        QCOMPARE(m_edit->text(), QStringLiteral("2.00m"));
        QTest::mouseClick(m_edit, Qt::LeftButton, {}, m_edit->UpArrow());
        const QPointF centre = m_edit->rect().center();
        QWheelEvent wheel(centre, m_edit->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_edit, &wheel);
        QCOMPARE(Values(m_spies->committed), (QList<double>{2.5, 2.0, 2.5, 2.0}));
        QCOMPARE(Values(m_spies->edited), Values(m_spies->committed));
    }

    void valuesSetByTheProgramNeverEmitButForcedOnesAreRewritten() {
        Type(QStringLiteral("3"));
        m_edit->SetValue(3.0);
        QCOMPARE(m_edit->text(), QStringLiteral("3"));
        m_edit->SetValue(3.0, true);
        QCOMPARE(m_edit->text(), QStringLiteral("3.00m"));
        m_edit->SetValue(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(m_edit->text(), QStringLiteral("N/A"));
        QCOMPARE(m_spies->edited.size() + m_spies->committed.size(), 1);
    }

    void aLeadingMinusCountsOnlyWithoutLowerLimit() {
        Type(QStringLiteral("-1.5"));
        QCOMPARE(m_edit->Value(), 1.5);
        m_edit->SetNoLowerLimit(true);
        Type(QStringLiteral("-1.5"));
        QCOMPARE(Values(m_spies->edited).last(), -1.5);
    }

    // Nothing is said while the user types; once they settle, the field shows the limit it
    // met with its unit and a notice beside it says which limit that was.
    void valuesBeyondTheLimitsAreHeldThereAndToldOnceSettled() {
        m_edit->SetLimits(lumivane::kThrowLimits);
        QToolTip::hideText();
        Type(QString(300, QLatin1Char('9')));
        QCOMPARE(Values(m_spies->edited).last(), 300.0);
        QVERIFY(!QToolTip::isVisible());
        QTest::keyClick(m_edit, Qt::Key_Return);
        QCOMPARE(m_edit->text(), QStringLiteral("300.00m"));
        QCOMPARE(QToolTip::text(), QStringLiteral("The largest value allowed is 300.00m."));
        QCOMPARE(Values(m_spies->committed), QList<double>{300.0});

        QToolTip::hideText();
        m_edit->findChild<QLineEdit*>()->setText(QString(10000, QLatin1Char('7')));
        m_other->setFocus();
        QCOMPARE(m_edit->text(), QStringLiteral("300.00m"));
        QCOMPARE(QToolTip::text(), QStringLiteral("The largest value allowed is 300.00m."));

        m_edit->setFocus();
        Type(QStringLiteral("0"));
        QTest::keyClick(m_edit, Qt::Key_Return);
        QCOMPARE(m_edit->text(), QStringLiteral("3.00m"));
        QCOMPARE(QToolTip::text(), QStringLiteral("The smallest value allowed is 3.00m."));
        QCOMPARE(Values(m_spies->committed).last(), 3.0);
    }

    void aStepAtALimitGoesNoFurtherAndSaysSo() {
        m_edit->SetLimits(lumivane::kThrowLimits);
        m_edit->SetValue(299.8);
        QToolTip::hideText();
        QTest::keyClick(m_edit, Qt::Key_Up);
        QCOMPARE(m_edit->text(), QStringLiteral("300.00m"));
        QVERIFY(!QToolTip::isVisible());
        QTest::keyClick(m_edit, Qt::Key_Up);
        QCOMPARE(m_edit->Value(), 300.0);
        QCOMPARE(QToolTip::text(), QStringLiteral("The largest value allowed is 300.00m."));
        QCOMPARE(Values(m_spies->committed), QList<double>{300.0});
    }

    void undoKeysReachTheWindow() {
        QAction undo;
        undo.setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z")),
                           QKeySequence(QStringLiteral("Alt+Backspace"))});
        m_window->addAction(&undo);
        QSignalSpy undone(&undo, &QAction::triggered);
        Type(QStringLiteral("12"));
        QTest::keyClick(m_edit, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(m_edit, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(undone.size(), 2);
        QCOMPARE(m_edit->text(), QStringLiteral("12"));
    }

    void screenReadersHearTheNameAndTextAndCanType() {
        m_edit->setAccessibleName(QStringLiteral("Throw"));
        m_edit->SetValue(2.5);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_edit);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Throw"));
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("2.50m"));
        accessible->editableTextInterface()->replaceText(0, 5, QStringLiteral("3"));
        QCOMPARE(Values(m_spies->edited), QList<double>{3.0});
    }
};

QTEST_MAIN(LengthEditTest)
#include "LengthEditTest.moc"
