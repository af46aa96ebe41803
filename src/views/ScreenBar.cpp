#include "views/ScreenBar.h"

#include "views/FieldSilence.h"

#include <QShowEvent>

ScreenBar::ScreenBar(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium,
                     const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_fields(doc, std::move(hooks), std::move(auditorium), [this] { Redisplay(false); }) {
    setWindowTitle(title);
    setAccessibleName(title);
}

ScreenBar::~ScreenBar() {
    SilenceFields(*this);
}

void ScreenBar::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        // Hidden, the bar missed every change, that of the unit system too.
        Redisplay(true);
        Q_EMIT visibilityChanged(true);
    }
}

void ScreenBar::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        Q_EMIT visibilityChanged(false);
    }
}
