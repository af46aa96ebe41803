#pragma once
// The monkey's hands: finding what a person could use in a window and using it as a person
// does, with real clicks, keys, drags and pastes. Typed values are chosen to hurt: not a
// number, infinities, the largest double, negatives, nothing at all and 10,000 characters,
// mixed with sane values so that the project keeps growing.

#include <QList>
#include <QString>

#include <functional>

#include "MonkeyDice.h"

class QAction;
class QMenu;
class QWidget;

namespace lumivane::test {

class MonkeyHands {
public:
    // Told what each gesture did, for the journal.
    using Note = std::function<void(const QString& line)>;

    MonkeyHands(MonkeyDice& dice, Note note) : m_dice(dice), m_note(std::move(note)) {}

    // The visible, enabled widgets of root's window that the hands know how to use, without
    // the inner parts of composite widgets (the text field inside a spin box).
    static QList<QWidget*> Usable(const QWidget* root);
    // What a screen reader calls widget, with its kind: "\"Throw\" LengthEdit".
    static QString Name(const QWidget* widget);

    // One gesture that fits widget: typing, stepping, clicking, dragging or keys.
    void Use(QWidget* widget);
    // Selects what field holds and types text over it (pasting long or non-Latin text), then
    // ends as a person might: Return, Tab, or not at all.
    void Type(QWidget* field, const QString& text);
    void Click(QWidget* widget);
    void Keys(QWidget* widget, const QList<int>& keys, int presses);
    // Runs one enabled command of menu or of its submenus that allowed accepts, as choosing it
    // does: the menus close, then the command runs. False when there is none.
    bool Choose(QMenu* menu, const std::function<bool(const QAction*)>& allowed);

    QString LengthText();
    QString CountText();
    QString WordsText();

private:
    void UseField(QWidget* field);
    void UseSlider(QWidget* slider);
    void UseList(QWidget* list);
    void UseTabs(QWidget* tabs);
    void Drag(QWidget* drawing);
    QString Shown(const QString& text) const;

    MonkeyDice& m_dice;
    Note m_note;
};

} // namespace lumivane::test
