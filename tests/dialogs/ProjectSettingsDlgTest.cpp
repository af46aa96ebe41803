#include "dialogs/ProjectSettingsDlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>

namespace lumivane {

namespace {

// Where Tab goes from widget: the next in the focus chain that takes focus by Tab.
QWidget* NextByTab(QWidget* widget) {
    do {
        widget = widget->nextInFocusChain();
    } while ((widget->focusPolicy() & Qt::TabFocus) == 0);
    return widget;
}

} // namespace

class ProjectSettingsDlgTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void fieldsAreLabelledAndTabbedTopToBottom();
};

void ProjectSettingsDlgTest::fieldsAreLabelledAndTabbedTopToBottom() {
    CProjectSettingsDlg dialog({"Ann", "5/6/24 9:15 AM", "", "", "", false});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Project"));
    const QStringList labels{QStringLiteral("Manager"), QStringLiteral("Project Date:"),
                             QStringLiteral("Last Change:"), QStringLiteral("Start Date:"),
                             QStringLiteral("End Date:")};
    const auto* form = dialog.findChild<QFormLayout*>();
    QVERIFY(form->labelAlignment() & Qt::AlignRight);
    QWidget* previous = nullptr;
    for (int row = 0; row < labels.size(); ++row) {
        const auto* label =
            qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
        auto* field = form->itemAt(row, QFormLayout::FieldRole)->widget();
        QCOMPARE(label->text(), labels[row]);
        QCOMPARE(label->buddy(), field);
        QCOMPARE(field->accessibleName(), labels[row]);
        if (previous != nullptr) {
            QCOMPARE(NextByTab(previous), field);
        }
        previous = field;
    }
}

} // namespace lumivane

QTEST_MAIN(lumivane::ProjectSettingsDlgTest)
#include "ProjectSettingsDlgTest.moc"
