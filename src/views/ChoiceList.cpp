#include "views/ChoiceList.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace {

class AccessibleChoiceList : public QAccessibleWidget {
public:
    explicit AccessibleChoiceList(ChoiceList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    // Without a name of its own the list is known by its entry, as Qt's own lists are.
    QString text(QAccessible::Text type) const override {
        const QString own = QAccessibleWidget::text(type);
        if (type == QAccessible::Value || (type == QAccessible::Name && own.isEmpty())) {
            return List()->currentText();
        }
        return own;
    }

    // The one child is the pop-up list of entries.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == List()->view() ? 0 : -1;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = List()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (List()->view()->isVisible()) {
            List()->hidePopup();
        } else {
            List()->showPopup();
        }
    }

private:
    ChoiceList* List() const { return static_cast<ChoiceList*>(widget()); }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(ChoiceList::staticMetaObject.className())) {
        return new AccessibleChoiceList(static_cast<ChoiceList*>(object));
    }
    return nullptr;
}

} // namespace

ChoiceList::ChoiceList(const QString& name, QWidget* parent) : QComboBox(parent) {
    static const bool accessibleInstalled = (QAccessible::installFactory(AccessibleFor), true);
    Q_UNUSED(accessibleInstalled);
    if (!name.isEmpty()) {
        setAccessibleName(name);
    }
}
