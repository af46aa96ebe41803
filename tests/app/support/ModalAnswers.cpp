#include "ModalAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <QWizard>

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

ModalAnswers::Answer ModalAnswers::Click(QDialogButtonBox::StandardButton button) {
    return [button](QDialog& dialog) {
        for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
            if (QPushButton* push = box->button(button)) {
                push->click();
                return;
            }
        }
        QFAIL("no such button");
    };
}

ModalAnswers::Answer ModalAnswers::Escape() {
    return [](QDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
}

ModalAnswers::Answer ModalAnswers::CloseWindow() {
    return [](QDialog& dialog) {
        dialog.close();
    };
}

ModalAnswers::Answer ModalAnswers::CancelWizardAfter(int pages) {
    return [pages](QDialog& dialog) {
        auto& wizard = static_cast<QWizard&>(dialog);
        for (int i = 0; i < pages; ++i) {
            wizard.button(QWizard::NextButton)->click();
        }
        wizard.button(QWizard::CancelButton)->click();
    };
}

ModalAnswers::Answer ModalAnswers::FinishWizard() {
    return [](QDialog& dialog) {
        auto& wizard = static_cast<QWizard&>(dialog);
        for (qsizetype page = 1; page < wizard.pageIds().size(); ++page) {
            wizard.button(QWizard::NextButton)->click();
        }
        wizard.button(QWizard::FinishButton)->click();
    };
}

ModalAnswers::Answer ModalAnswers::ChooseFile(const QString& path) {
    return [path](QDialog& dialog) {
        qobject_cast<QFileDialog*>(&dialog)->selectFile(path);
        dialog.accept();
    };
}

} // namespace lumivane::test
