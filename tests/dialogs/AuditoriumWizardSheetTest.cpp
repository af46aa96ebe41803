#include "dialogs/AuditoriumWizardSheet.h"

#include "base/AppContext.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "views/LengthEdit.h"

#include <QMessageBox>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>

#include <functional>

#include "DialogTestTools.h"

namespace lumivane {

namespace {

class StepCount : public EditRecorder {
public:
    std::vector<std::string> labels;
    void Recorded(const StepName& step, ProjectSnapshot, ProjectSnapshot) override {
        labels.emplace_back(step.label);
    }
};

// Runs act on the wizard once it is up and waiting in its own loop.
void WhenWizardShows(const std::function<void(CAuditoriumWizard&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* wizard = qobject_cast<CAuditoriumWizard*>(QApplication::activeModalWidget());
        QVERIFY(wizard);
        act(*wizard);
    });
}

void ClickThrough(CAuditoriumWizard& wizard) {
    wizard.next();
    wizard.next();
    wizard.button(QWizard::FinishButton)->click();
}

} // namespace

class AuditoriumWizardSheetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_context.reset(); }
    void percentAndSpaceFollowEachOther();
    void finishAddsTheAuditoriumAsOneStep();
    void cancelAddsNothing();
    void answersWithoutRoomAreRefusedWithAMessage();

private:
    std::unique_ptr<ScopedAppContext> m_context;
};

void AuditoriumWizardSheetTest::init() {
    m_context = std::make_unique<ScopedAppContext>();
    test::InstallShippedCatalogs();
}

void AuditoriumWizardSheetTest::percentAndSpaceFollowEachOther() {
    CAuditoriumWizard wizard(1);
    QCOMPARE(wizard.windowTitle(), QStringLiteral("Auditorium Wizard"));
    auto* percent = test::Named<QSpinBox>(wizard, QStringLiteral("percent of the free wall width"));
    auto* space =
        test::Named<LengthEdit>(wizard, QStringLiteral("Space on left and right (total)"));
    percent->setValue(50);
    QCOMPARE(space->Value(), 7.0);
    test::TypeInto(space, QStringLiteral("3.5"));
    QCOMPARE(percent->value(), 25);

    test::TypeInto(test::Named<LengthEdit>(wizard, QStringLiteral("wide.")), QStringLiteral("0"));
    test::TypeInto(space, QStringLiteral("2"));
    QCOMPARE(percent->value(), 0);
}

void AuditoriumWizardSheetTest::finishAddsTheAuditoriumAsOneStep() {
    CQorDoc doc(std::make_shared<test::FixedClock>());
    StepCount steps;
    doc.Editor().SetRecorder(&steps);
    WhenWizardShows([](CAuditoriumWizard& wizard) {
        test::TypeInto(test::Named<LengthEdit>(wizard, QStringLiteral("high and")),
                       QStringLiteral("5"));
        ClickThrough(wizard);
    });
    QCOMPARE(RunAuditoriumWizard(doc, nullptr), 0);
    QCOMPARE(doc.GetAuditoriumCount(), 1);
    QVERIFY(doc.IsModified());
    QCOMPARE(steps.labels, std::vector<std::string>{"Auditorium Wizard"});
    const CAuditorium& built = *doc.GetAuditorium(0);
    QCOMPARE(built.FrontWall()[1], 5.0);
    QVERIFY(built.ScreenHeight() <= 3.0);
}

void AuditoriumWizardSheetTest::cancelAddsNothing() {
    CQorDoc doc(std::make_shared<test::FixedClock>());
    WhenWizardShows([](CAuditoriumWizard& wizard) { wizard.reject(); });
    QCOMPARE(RunAuditoriumWizard(doc, nullptr), -1);
    QCOMPARE(doc.GetAuditoriumCount(), 0);
    QVERIFY(!doc.IsModified());
}

void AuditoriumWizardSheetTest::answersWithoutRoomAreRefusedWithAMessage() {
    CAuditoriumWizard wizard(1);
    wizard.show();
    test::TypeInto(test::Named<LengthEdit>(wizard, QStringLiteral("The bottom of the screen is")),
                   QStringLiteral("7"));
    QString message;
    QTimer::singleShot(0, [&message] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        message = box->text();
        box->accept();
    });
    ClickThrough(wizard);
    QVERIFY(message.contains(QStringLiteral("no room for a screen")));
    QVERIFY(wizard.isVisible());
    QVERIFY(!wizard.TakeAuditorium());
}

} // namespace lumivane

QTEST_MAIN(lumivane::AuditoriumWizardSheetTest)
#include "AuditoriumWizardSheetTest.moc"
