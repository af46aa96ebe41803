// Every input of every view, bar and dialog is known to a screen reader by the words the user
// reads beside it: its accessible name, or the label it is the buddy of. A list is never known
// by the entry it shows.

#include "dialogs/AdjustFormatDlg.h"
#include "dialogs/AuditoriumWizardSheet.h"
#include "dialogs/CustomFormatDlg.h"
#include "dialogs/FormatsDlg.h"
#include "dialogs/OptionsSheet.h"
#include "dialogs/ProjectSettingsDlg.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "views/ItemViews.h"
#include "views/QorView.h"
#include "views/ScreenCurveBar.h"
#include "views/ScreenTiltBar.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QWizard>

#include <functional>
#include <memory>

#include "ProjectWindow.h"

namespace lumivane {

namespace {

bool IsInput(const QWidget* widget) {
    // The line edits inside spin boxes and lists are parts of them, not inputs of their own.
    const QWidget* parent = widget->parentWidget();
    if (qobject_cast<const QLineEdit*>(widget) != nullptr &&
        (qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
         qobject_cast<const QComboBox*>(parent) != nullptr)) {
        return false;
    }
    // Scroll bars and a list's header belong to what they scroll or head.
    if (qobject_cast<const QScrollBar*>(widget) != nullptr ||
        qobject_cast<const QHeaderView*>(widget) != nullptr) {
        return false;
    }
    return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr;
}

QString BuddyText(const QWidget* root, const QWidget* field) {
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() == field) {
            QString text = label->text().remove(QLatin1Char('&')).trimmed();
            return text.endsWith(u':') ? text.chopped(1) : text;
        }
    }
    return {};
}

// The position fields' buddies are the words after them ("Left", "Up"), which follow the value;
// the fields are named for what they hold.
QStringList SidesOfThePosition() {
    return {u"Lateral"_qs, u"Lens Height"_qs};
}

// Each input shown under root whose spoken name is missing, is not its label's words, or is
// merely the entry a list shows.
QStringList Misnamed(const QWidget* root) {
    QStringList misnamed;
    for (const QWidget* input : root->findChildren<QWidget*>()) {
        if (!input->isVisibleTo(root) || !IsInput(input)) {
            continue;
        }
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(const_cast<QWidget*>(input));
        const QString name = accessible->text(QAccessible::Name);
        const QString label =
            SidesOfThePosition().contains(name) ? QString() : BuddyText(root, input);
        const auto* list = qobject_cast<const QComboBox*>(input);
        const bool byEntry = list != nullptr && name == list->currentText() &&
                             input->accessibleName() != name && label != name;
        if (name.isEmpty() || byEntry || !name.contains(label, Qt::CaseInsensitive)) {
            misnamed << QStringLiteral("%1 \"%2\" (label \"%3\")")
                            .arg(QLatin1String(input->metaObject()->className()), name, label);
        }
    }
    return misnamed;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_window.reset(); }
    void everyViewsInputsAreNamedByTheirLabels();
    void theCurveAndTiltListsHaveNamesOfTheirOwn();
    void theScreenBarsInputsAreNamed();
    void everyDialogsInputsAreNamedByTheirLabels();

private:
    std::unique_ptr<test::ProjectWindow> m_window;
};

void AccessibleNamesTest::init() {
    m_window = std::make_unique<test::ProjectWindow>();
    RegisterItemViews(*m_window->pane, m_window->relay, m_window->Hooks());
    QVERIFY(m_window->ShowExample({1100, 800}));
}

void AccessibleNamesTest::everyViewsInputsAreNamedByTheirLabels() {
    ViewPane& pane = *m_window->pane;
    const int format = m_window->doc.GetProjector(0, 0)->GetLensType(0)->GetFormat();
    const std::vector<std::pair<const char*, std::function<void()>>> views{
        {"project",
         [&] {
             pane.ShowProjectView();
         }},
        {"auditorium",
         [&] {
             pane.ShowAuditorium(0);
         }},
        {"projector",
         [&] {
             pane.ShowProjector(0, 0);
         }},
        {"format",
         [&] {
             pane.ShowFormat(0, 0, format);
         }},
        {"lens",
         [&] {
             pane.ShowLens(0, 0, format);
         }},
    };
    for (const auto& [kind, show] : views) {
        show();
        QVERIFY2(pane.CurrentView() != nullptr, kind);
        const QStringList misnamed = Misnamed(pane.CurrentView());
        QVERIFY2(misnamed.isEmpty(),
                 qPrintable(QLatin1String(kind) + u": "_qs + misnamed.join(u", "_qs)));
    }
}

void AccessibleNamesTest::theCurveAndTiltListsHaveNamesOfTheirOwn() {
    m_window->pane->ShowAuditorium(0);
    const QWidget* view = m_window->pane->CurrentView();
    QStringList names;
    QStringList entries;
    for (QComboBox* list : view->findChildren<QComboBox*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
        names << accessible->text(QAccessible::Name);
        entries << accessible->text(QAccessible::Value);
        QCOMPARE(accessible->role(), QAccessible::ComboBox);
        QCOMPARE(accessible->childCount(), 1);
    }
    QCOMPARE(names, (QStringList{u"Screen Curve"_qs, u"Screen Tilt"_qs}));
    const auto* auditorium = m_window->doc.GetAuditorium(0);
    QCOMPARE(entries.front(),
             view->findChildren<QComboBox*>().front()->itemText(auditorium->CurveTypeValue()));
}

void AccessibleNamesTest::theScreenBarsInputsAreNamed() {
    const auto first = [] {
        return 0;
    };
    ScreenCurveBar curve(m_window->doc, m_window->Hooks(), first, nullptr);
    ScreenTiltBar tilt(m_window->doc, m_window->Hooks(), first, nullptr);
    for (QWidget* bar : std::initializer_list<QWidget*>{&curve, &tilt}) {
        bar->show();
        QVERIFY2(Misnamed(bar).isEmpty(), qPrintable(Misnamed(bar).join(u", "_qs)));
    }
}

void AccessibleNamesTest::everyDialogsInputsAreNamedByTheirLabels() {
    COptionsSheet options(&m_window->doc);
    CAuditoriumWizard wizard(1);
    CFormatsDlg formats(m_window->doc);
    CCustomFormatDlg custom(lumivane::CustomFormatFields{});
    CAdjustFormatDlg adjust(2048, 1080, std::nullopt);
    CProjectSettingsDlg settings(ProjectInfo{});
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&options, &formats, &custom, &adjust, &settings}) {
        dialog->show();
        QVERIFY(!dialog->windowTitle().isEmpty());
        QVERIFY2(Misnamed(dialog).isEmpty(), qPrintable(Misnamed(dialog).join(u", "_qs)));
        for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
            for (int page = 0; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                QVERIFY2(Misnamed(dialog).isEmpty(), qPrintable(Misnamed(dialog).join(u", "_qs)));
            }
        }
        dialog->hide();
    }
    wizard.show();
    for (const int page : wizard.pageIds()) {
        QVERIFY2(Misnamed(wizard.page(page)).isEmpty(),
                 qPrintable(Misnamed(wizard.page(page)).join(u", "_qs)));
    }
}

} // namespace lumivane

QTEST_MAIN(lumivane::AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
