#include "MonkeyHands.h"

#include "views/LengthEdit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

#include "SliderDrag.h"

namespace lumivane::test {

namespace {

// Drawings that answer the mouse: the screen, the lens shift and a panel's corners.
bool IsDrawing(const QWidget* widget) {
    return widget->inherits("ScreenDisplay") || widget->inherits("LensShiftPicture") ||
           widget->inherits("CPanelCornerCtrl");
}

bool IsInnerPart(const QWidget* widget) {
    for (const QWidget* owner = widget->parentWidget(); owner != nullptr;
         owner = owner->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(owner) != nullptr ||
            qobject_cast<const QComboBox*>(owner) != nullptr) {
            return true;
        }
    }
    return false;
}

bool IsTextInput(const QWidget* widget) {
    if (const auto* edit = qobject_cast<const QTextEdit*>(widget)) {
        return !edit->isReadOnly();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) {
        return !edit->isReadOnly();
    }
    return qobject_cast<const QLineEdit*>(widget) != nullptr;
}

// A button whose menu runs a loop of its own is opened through its menu instead, and the
// tree has commands of its own.
bool IsUsable(const QWidget* widget) {
    if (const auto* tool = qobject_cast<const QToolButton*>(widget)) {
        return tool->menu() == nullptr && !tool->inherits("QToolBarExtension");
    }
    if (qobject_cast<const QTreeView*>(widget) != nullptr) {
        return false;
    }
    return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr || IsTextInput(widget) ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QSlider*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
           qobject_cast<const QTabBar*>(widget) != nullptr || IsDrawing(widget);
}

QPoint PointIn(MonkeyDice& dice, const QRect& area) {
    return {area.left() + dice.Below(std::max(1, area.width())),
            area.top() + dice.Below(std::max(1, area.height()))};
}

// A person reaches a control by clicking into its window, which makes that window active; in a
// window that is not active a control never gets the focus. Keys sent to it would land all the
// same, where no person could type, so a control out of reach is left alone.
bool Reach(QWidget* widget) {
    QWidget* window = widget->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window);
    }
    widget->setFocus();
    return widget->hasFocus();
}

void Move(QWidget* widget, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     {});
    QCoreApplication::sendEvent(widget, &move);
}

void CollectCommands(QMenu* menu, const std::function<bool(const QAction*)>& allowed,
                     const QString& path, QList<std::pair<QAction*, QString>>& commands) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled()) {
            continue;
        }
        const QString text = path + action->text().remove(QLatin1Char('&'));
        if (action->menu() != nullptr) {
            CollectCommands(action->menu(), allowed, text + QStringLiteral(" > "), commands);
        } else if (allowed(action)) {
            commands.append({action, text});
        }
    }
}

const QList<int> kStepKeys = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
const QList<int> kMoveKeys = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};

} // namespace

QList<QWidget*> MonkeyHands::Usable(const QWidget* root) {
    QList<QWidget*> usable;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->window() == root->window() && widget->isVisible() && widget->isEnabled() &&
            !IsInnerPart(widget) && IsUsable(widget)) {
            usable.append(widget);
        }
    }
    return usable;
}

QString MonkeyHands::Name(const QWidget* widget) {
    QString name = widget->accessibleName();
    if (name.isEmpty()) {
        if (QAccessibleInterface* face =
                QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))) {
            name = face->text(QAccessible::Name);
        }
    }
    if (name.isEmpty()) {
        name = widget->objectName();
    }
    return QStringLiteral("\"%1\" %2")
        .arg(name.left(40), QString::fromLatin1(widget->metaObject()->className()));
}

QString MonkeyHands::Shown(const QString& text) const {
    return text.size() > 40
               ? QStringLiteral("%1 characters \"%2...\"").arg(text.size()).arg(text.left(12))
               : QLatin1Char('"') + text + QLatin1Char('"');
}

void MonkeyHands::Use(QWidget* widget) {
    if (qobject_cast<QAbstractSpinBox*>(widget) != nullptr || IsTextInput(widget)) {
        UseField(widget);
    } else if (qobject_cast<QSlider*>(widget) != nullptr) {
        UseSlider(widget);
    } else if (qobject_cast<QComboBox*>(widget) != nullptr) {
        Keys(widget, kMoveKeys, m_dice.Between(1, 3));
    } else if (qobject_cast<QAbstractItemView*>(widget) != nullptr) {
        UseList(widget);
    } else if (qobject_cast<QTabBar*>(widget) != nullptr) {
        UseTabs(widget);
    } else if (IsDrawing(widget)) {
        Drag(widget);
    } else if (m_dice.Chance(80)) {
        Click(widget);
    } else {
        Keys(widget, {Qt::Key_Space}, 1);
    }
}

void MonkeyHands::UseField(QWidget* field) {
    if (qobject_cast<QAbstractSpinBox*>(field) != nullptr && m_dice.Chance(25)) {
        Keys(field, kStepKeys, m_dice.Between(1, 4));
        return;
    }
    Type(field, qobject_cast<LengthEdit*>(field) != nullptr         ? LengthText()
                : qobject_cast<QAbstractSpinBox*>(field) != nullptr ? CountText()
                                                                    : WordsText());
}

void MonkeyHands::Type(QWidget* field, const QString& text) {
    if (!Reach(field)) {
        m_note(QStringLiteral("%1 is out of reach").arg(Name(field)));
        return;
    }
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        spin->selectAll();
    } else if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->selectAll();
    } else {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    }
    const bool latin = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() < 0x7f;
    });
    QString how = QStringLiteral("typed");
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    } else if (text.size() > 100 || !latin) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        how = QStringLiteral("pasted");
    } else {
        QTest::keyClicks(field, text);
    }
    const int ending = m_dice.Below(10);
    const QString ended = ending < 5   ? QStringLiteral(", Return")
                          : ending < 8 ? QStringLiteral(", Tab")
                                       : QString();
    m_note(QStringLiteral("%1 %2 into %3%4").arg(how, Shown(text), Name(field), ended));
    if (ending < 5) {
        QTest::keyClick(field, Qt::Key_Return);
    } else if (ending < 8) {
        QTest::keyClick(field, Qt::Key_Tab);
    }
}

void MonkeyHands::Click(QWidget* widget) {
    m_note(QStringLiteral("click %1").arg(Name(widget)));
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void MonkeyHands::Keys(QWidget* widget, const QList<int>& keys, int presses) {
    if (!Reach(widget)) {
        m_note(QStringLiteral("%1 is out of reach").arg(Name(widget)));
        return;
    }
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        const int key = m_dice.Pick(keys);
        names << QKeySequence(key).toString();
        QTest::keyClick(widget, static_cast<Qt::Key>(key));
    }
    m_note(QStringLiteral("keys %1 on %2").arg(names.join(QLatin1Char(' ')), Name(widget)));
}

void MonkeyHands::UseSlider(QWidget* widget) {
    auto* slider = static_cast<QSlider*>(widget);
    if (m_dice.Chance(40)) {
        Keys(slider, kMoveKeys, m_dice.Between(1, 3));
        return;
    }
    const int reach = std::max(slider->width(), slider->height());
    const auto offset = [&] {
        const int along = m_dice.Between(-reach, reach);
        return slider->orientation() == Qt::Horizontal ? QPoint(along, m_dice.Between(-5, 5))
                                                       : QPoint(m_dice.Between(-5, 5), along);
    };
    const QPoint first = offset();
    const QPoint last = offset();
    m_note(QStringLiteral("drag %1 by (%2, %3) then (%4, %5)")
               .arg(Name(slider))
               .arg(first.x())
               .arg(first.y())
               .arg(last.x())
               .arg(last.y()));
    DragSlider(slider, {first, last});
}

void MonkeyHands::UseList(QWidget* widget) {
    auto* list = static_cast<QAbstractItemView*>(widget);
    const int rows = list->model() != nullptr ? list->model()->rowCount() : 0;
    if (rows == 0 || m_dice.Chance(25)) {
        Keys(list, kMoveKeys, m_dice.Between(1, 3));
        return;
    }
    const int row = m_dice.Below(rows);
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    const bool twice = m_dice.Chance(20);
    m_note(QStringLiteral("%1 row %2 of %3")
               .arg(twice ? u"double-click"_qs : u"click"_qs)
               .arg(row)
               .arg(Name(list)));
    if (twice) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
}

void MonkeyHands::UseTabs(QWidget* widget) {
    auto* tabs = static_cast<QTabBar*>(widget);
    const int tab = m_dice.Below(tabs->count());
    m_note(QStringLiteral("click tab \"%1\"").arg(tabs->tabText(tab)));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

void MonkeyHands::Drag(QWidget* drawing) {
    const QPoint from = PointIn(m_dice, drawing->rect());
    const QPoint to = PointIn(m_dice, drawing->rect().adjusted(-20, -20, 20, 20));
    m_note(QStringLiteral("drag on %1 from (%2, %3) to (%4, %5)")
               .arg(Name(drawing))
               .arg(from.x())
               .arg(from.y())
               .arg(to.x())
               .arg(to.y()));
    QTest::mousePress(drawing, Qt::LeftButton, {}, from);
    Move(drawing, (from + to) / 2);
    Move(drawing, to);
    QTest::mouseRelease(drawing, Qt::LeftButton, {}, to);
}

bool MonkeyHands::Choose(QMenu* menu, const std::function<bool(const QAction*)>& allowed) {
    QList<std::pair<QAction*, QString>> commands;
    CollectCommands(menu, allowed, QString(), commands);
    if (commands.isEmpty()) {
        menu->hide();
        return false;
    }
    const auto [action, text] = m_dice.Pick(commands);
    m_note(QStringLiteral("choose %1").arg(text));
    menu->hide();
    // The command may take the menu, and so the action, with it.
    action->trigger();
    return true;
}

QString MonkeyHands::LengthText() {
    static const QStringList hostile = {u"NaN"_qs,
                                        u"nan"_qs,
                                        u"inf"_qs,
                                        u"-inf"_qs,
                                        u"1e308"_qs,
                                        u"-1e308"_qs,
                                        u"1e-308"_qs,
                                        u"-5"_qs,
                                        u"-0.01"_qs,
                                        u"0"_qs,
                                        u"0.0"_qs,
                                        QString(),
                                        u"abc"_qs,
                                        u"1,5"_qs,
                                        u"3' 10\""_qs,
                                        u"35mm"_qs,
                                        u"12.5m"_qs,
                                        u"100ft"_qs,
                                        u"1e39"_qs,
                                        u"+7"_qs,
                                        u"--3"_qs,
                                        u"0x10"_qs,
                                        u" 4 "_qs,
                                        u"."_qs,
                                        QString(10000, QLatin1Char('9')),
                                        u"1"_qs + QString(400, QLatin1Char('0'))};
    if (m_dice.Chance(45)) {
        return m_dice.Pick(hostile);
    }
    return QString::number(m_dice.Between(1, 4000) / 100.0, 'f', 2);
}

QString MonkeyHands::CountText() {
    static const QStringList hostile = {
        u"-5"_qs,  u"-1"_qs,  u"0"_qs,   u"2147483648"_qs, u"99999999999"_qs,
        QString(), u"abc"_qs, u"1e9"_qs, u"NaN"_qs,        QString(10000, QLatin1Char('9'))};
    if (m_dice.Chance(45)) {
        return m_dice.Pick(hostile);
    }
    return QString::number(m_dice.Between(0, 600));
}

QString MonkeyHands::WordsText() {
    static const QStringList hostile = {QString(),
                                        u"   "_qs,
                                        QString(10000, QLatin1Char('x')),
                                        u"Z\u00fcrich Saal \u2713 \u65e5\u672c"_qs,
                                        u"&&&[*]%1%2"_qs,
                                        u"<b>bold</b>"_qs,
                                        u"\"quoted\""_qs};
    static const QStringList names = {u"Cinema"_qs, u"Saal"_qs, u"Grand Hall"_qs, u"Booth"_qs};
    if (m_dice.Chance(40)) {
        return m_dice.Pick(hostile);
    }
    return m_dice.Pick(names) + QLatin1Char(' ') + QString::number(m_dice.Between(1, 99));
}

} // namespace lumivane::test
