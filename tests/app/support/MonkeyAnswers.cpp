#include "MonkeyAnswers.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWidget>

namespace lumivane::test {

MonkeyAnswers::MonkeyAnswers(Answer answer) : m_answer(std::move(answer)) {
    qApp->installEventFilter(this);
}

MonkeyAnswers::~MonkeyAnswers() {
    qApp->removeEventFilter(this);
}

QStringList MonkeyAnswers::TakeFaults() {
    return std::exchange(m_faults, {});
}

bool MonkeyAnswers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isModal()) {
        const QPointer<QDialog> shown(dialog);
        QMetaObject::invokeMethod(
            this, [this, shown] { AnswerDialog(shown); }, Qt::QueuedConnection);
    } else if (widget->windowType() == Qt::Popup) {
        const QPointer<QWidget> popup(widget);
        QMetaObject::invokeMethod(
            this,
            [popup] {
                if (popup != nullptr && popup->isVisible()) {
                    popup->hide();
                }
            },
            Qt::QueuedConnection);
    }
    return false;
}

void MonkeyAnswers::AnswerDialog(const QPointer<QDialog>& dialog) {
    if (dialog == nullptr || !dialog->isVisible()) {
        return;
    }
    ++m_depth;
    m_answer(*dialog);
    --m_depth;
    Insist(dialog, 0);
}

// Each round runs once the dialog's loop has had its turn, so an answer that closes the
// dialog later (a queued accept) is not taken for a refusal.
void MonkeyAnswers::Insist(const QPointer<QDialog>& dialog, int round) {
    if (dialog == nullptr || !dialog->isVisible()) {
        return;
    }
    switch (round) {
    case 0:
        break;
    case 1:
        dialog->reject();
        break;
    default:
        m_faults << QStringLiteral("\"%1\" stayed open after Cancel").arg(dialog->windowTitle());
        dialog->done(QDialog::Rejected);
        dialog->hide();
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, dialog, round] { Insist(dialog, round + 1); }, Qt::QueuedConnection);
}

} // namespace lumivane::test
