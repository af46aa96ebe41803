#include "views/ChoiceList.h"

#include "views/AccessibleShownText.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QItemSelectionModel>

namespace {

// The entry shown is the list's value, its text and, without a description of its own, its
// description, for readers that speak only names and descriptions.
class AccessibleChoiceList : public AccessibleShownText {
public:
    explicit AccessibleChoiceList(ChoiceList* list)
        : AccessibleShownText(list, QAccessible::ComboBox) {}

    // Without a name of its own the list is known by its entry, as Qt's own lists are.
    QString text(QAccessible::Text type) const override {
        const QString own = QAccessibleWidget::text(type);
        if (type == QAccessible::Value ||
            ((type == QAccessible::Name || type == QAccessible::Description) && own.isEmpty())) {
            return Shown();
        }
        return own;
    }
    using AccessibleShownText::text;

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

protected:
    QString Shown() const override { return List()->currentText(); }

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
    // A reader tells the list's value when the entry changes.
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    });
    // A reader picks an entry by selecting it in the closed list; the mouse only moves the
    // selection of the open one.
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (view()->isVisible() || selected.indexes().isEmpty()) {
                    return;
                }
                const int row = selected.indexes().front().row();
                if (row != currentIndex()) {
                    setCurrentIndex(row);
                    Q_EMIT activated(row);
                }
            });
}
