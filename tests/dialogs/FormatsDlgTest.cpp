#include "dialogs/FormatsDlg.h"

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "dialogs/CustomFormatDlg.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "support/FixedClock.h"
#include "support/MemorySettingsStore.h"
#include "support/ShippedCatalog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <functional>

#include "DialogTestTools.h"

namespace lumivane {

namespace {

// Answers the next modal dialog (the custom-format dialog or a message) with act.
template <class Dialog> void WhenShown(const std::function<void(Dialog&)>& act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
    });
}

void Press(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

} // namespace

class FormatsDlgTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_context.reset(); }
    void newFormatsStayOnlyAfterOk();
    void aUsedFormatIsNotDeleted();

private:
    // Opens New on the selected row and names the copy.
    void AddCopy(CFormatsDlg& dialog, const QString& name);

    std::unique_ptr<ScopedAppContext> m_context;
    std::shared_ptr<test::MemorySettingsStore> m_store;
};

void FormatsDlgTest::init() {
    m_context = std::make_unique<ScopedAppContext>();
    m_store = std::make_shared<test::MemorySettingsStore>();
    Ctx().settingsStore = m_store;
    test::InstallShippedCatalogs();
}

void FormatsDlgTest::AddCopy(CFormatsDlg& dialog, const QString& name) {
    WhenShown<CCustomFormatDlg>([name](CCustomFormatDlg& custom) {
        QCOMPARE(custom.windowTitle(), QStringLiteral("Custom Format"));
        test::Named<QLineEdit>(custom, QStringLiteral("Name:"))->setText(name);
        Press(custom, QDialogButtonBox::Ok);
    });
    test::ButtonText<QPushButton>(dialog, QStringLiteral("New"))->click();
}

void FormatsDlgTest::newFormatsStayOnlyAfterOk() {
    CQorDoc doc(std::make_shared<test::FixedClock>());
    const int makers = Ctx().formats->GetCount();
    {
        CFormatsDlg dialog(doc);
        auto* list = test::Named<QListWidget>(dialog, QStringLiteral("Formats"));
        QVERIFY(!test::ButtonText(dialog, QStringLiteral("New"))->isEnabled());
        list->setCurrentRow(0);
        QVERIFY(!test::ButtonText(dialog, QStringLiteral("Edit"))->isEnabled());
        AddCopy(dialog, QStringLiteral("Cancelled"));
        QCOMPARE(list->count(), makers + 1);
        Press(dialog, QDialogButtonBox::Cancel);
    }
    QCOMPARE(Ctx().formats->GetCount(), makers);

    CFormatsDlg dialog(doc);
    test::Named<QListWidget>(dialog, QStringLiteral("Formats"))->setCurrentRow(0);
    AddCopy(dialog, QStringLiteral("House Flat"));
    QVERIFY(test::ButtonText(dialog, QStringLiteral("Edit"))->isEnabled());
    Press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(Ctx().formats->GetFormatName(makers), std::string("House Flat"));
    QVERIFY(m_store->ReadString("Formats", "0", "").starts_with("House Flat;House Flat;"));
}

void FormatsDlgTest::aUsedFormatIsNotDeleted() {
    m_store->WriteString("Formats", "0", "Mine;M;1.850;11.330;20.960;1;0");
    test::InstallShippedCatalogs();
    const int mine = Ctx().formats->GetCount() - 1;
    CQorDoc doc(std::make_shared<test::FixedClock>());
    doc.Editor().AddAuditorium();
    doc.Editor().AddProjector(0, 0, {});
    QVERIFY(doc.Editor().AddFormat(0, 0, mine));

    CFormatsDlg dialog(doc);
    test::Named<QListWidget>(dialog, QStringLiteral("Formats"))->setCurrentRow(mine);
    QString message;
    WhenShown<QMessageBox>([&message](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    test::ButtonText(dialog, QStringLiteral("Delete"))->click();
    QVERIFY(message.contains(QStringLiteral("used by the open project")));
    Press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(Ctx().formats->GetFormatName(mine), std::string("Mine"));
}

} // namespace lumivane

QTEST_MAIN(lumivane::FormatsDlgTest)
#include "FormatsDlgTest.moc"
