#include "ModalAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>

namespace lumivane::test {

ModalAnswers::ModalAnswers() {
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::AnswerShownDialog);
    m_timer.start(10);
}

void ModalAnswers::AnswerShownDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog == m_answered) {
        return;
    }
    m_answered = dialog;
    const auto* box = qobject_cast<QMessageBox*>(dialog);
    m_seen << dialog->windowTitle() + (box ? QStringLiteral(": ") + box->text() : QString());
    if (m_answers.empty()) {
        dialog->reject();
        return;
    }
    const Answer answer = std::move(m_answers.front());
    m_answers.pop_front();
    answer(*dialog);
}

ModalAnswers::Answer ModalAnswers::Press(QMessageBox::StandardButton button) {
    return [button](QDialog& dialog) {
        qobject_cast<QMessageBox*>(&dialog)->button(button)->click();
    };
}

ModalAnswers::Answer ModalAnswers::ChooseFile(const QString& path) {
    return [path](QDialog& dialog) {
        qobject_cast<QFileDialog*>(&dialog)->selectFile(path);
        dialog.accept();
    };
}

} // namespace lumivane::test
