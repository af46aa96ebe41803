#include "dialogs/FieldLabels.h"

#include <QLabel>
#include <QRegularExpression>

namespace lumivane {

QLabel* FieldLabel(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    NameField(field, text);
    return label;
}

QLabel* PlainLabel(const QString& text) {
    return new QLabel(text);
}

void NameField(QWidget* field, const QString& text) {
    QString name = text;
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    field->setAccessibleName(name.trimmed());
}

void ChainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

} // namespace lumivane
