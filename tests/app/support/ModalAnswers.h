#pragma once
// Answers the modal dialogs a command opens, one answer per dialog in the order they appear.
// A dialog with no answer left is rejected, so a test never hangs on it.

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QDialog;

namespace lumivane::test {

class ModalAnswers : public QObject {
    Q_OBJECT

public:
    // Must close the dialog it is given.
    using Answer = std::function<void(QDialog& dialog)>;

    ModalAnswers();

    void Add(Answer answer) { m_answers.push_back(std::move(answer)); }
    // Every dialog shown so far: its caption, and for a message box ": " and its text.
    const QStringList& Seen() const { return m_seen; }

    static Answer Press(QMessageBox::StandardButton button);
    // The dialog's own OK, Cancel and the like, from its button box.
    static Answer Click(QDialogButtonBox::StandardButton button);
    static Answer Escape();
    // The window's close button.
    static Answer CloseWindow();
    // A wizard moved on pages times, then cancelled; or clicked through to Finish.
    static Answer CancelWizardAfter(int pages);
    static Answer FinishWizard();
    // Names path in a file dialog and accepts it.
    static Answer ChooseFile(const QString& path);

private:
    void AnswerShownDialog();

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QPointer<QWidget> m_answered;
    QStringList m_seen;
};

} // namespace lumivane::test
