#include "views/ValueLabel.h"

#include <QAccessibleWidget>

namespace {

const QColor kWarning(255, 0, 0);

// Qt's own label interface offers a named label's name only, neither its text nor colour.
class AccessibleValueLabel : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleValueLabel(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? Label()->text() : QAccessibleWidget::text(type);
    }

    QString text(int start, int end) const override {
        return Label()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Label()->text().size()); }
    // One run over the whole text, in the colour it is drawn in.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        const QColor c = Label()->palette().color(QPalette::WindowText);
        return QStringLiteral("fg-color:rgb(%1,%2,%3);").arg(c.red()).arg(c.green()).arg(c.blue());
    }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    const QLabel* Label() const { return static_cast<const QLabel*>(widget()); }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(ValueLabel::staticMetaObject.className())) {
        return new AccessibleValueLabel(static_cast<ValueLabel*>(object));
    }
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    static const bool accessibleInstalled = (QAccessible::installFactory(AccessibleFor), true);
    Q_UNUSED(accessibleInstalled);
    setAccessibleName(name);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ValueLabel::ShowValue(const QString& text, bool warning) {
    setText(text);
    // The description carries the value too, for readers that speak only names and
    // descriptions.
    setAccessibleDescription(text);
    m_warning = warning;
    // A palette with no role set hands the label back to its parent's colours.
    QPalette colours;
    if (warning) {
        colours.setColor(QPalette::WindowText, kWarning);
    }
    setPalette(colours);
}
