#include "views/ValueLabel.h"

#include "views/AccessibleShownText.h"

#include <QAccessibleWidget>

namespace {

const QColor kWarning(255, 0, 0);

// Qt's own label interface offers a named label's name only, neither its text nor colour.
class AccessibleValueLabel : public AccessibleShownText {
public:
    explicit AccessibleValueLabel(ValueLabel* label)
        : AccessibleShownText(label, QAccessible::StaticText) {}

    // One run over the whole text, in the colour it is drawn in.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        const QColor c = widget()->palette().color(QPalette::WindowText);
        return QStringLiteral("fg-color:rgb(%1,%2,%3);").arg(c.red()).arg(c.green()).arg(c.blue());
    }

protected:
    QString Shown() const override { return static_cast<const QLabel*>(widget())->text(); }
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
