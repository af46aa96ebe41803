#pragma once
// Answers every modal dialog as it opens, the way the monkey decides, so a command never
// waits for a person. The answer runs from the dialog's own event loop. A dialog that stays
// open after its answer is cancelled, and one that refuses even that is closed by force and
// noted as a fault. Popups (menus, lists) left open are closed the same way.

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QDialog;

namespace lumivane::test {

class MonkeyAnswers : public QObject {
    Q_OBJECT

public:
    // Should close the dialog it is given; it may open others, which are answered in turn.
    using Answer = std::function<void(QDialog& dialog)>;

    explicit MonkeyAnswers(Answer answer);
    ~MonkeyAnswers() override;
    MonkeyAnswers(const MonkeyAnswers&) = delete;
    MonkeyAnswers& operator=(const MonkeyAnswers&) = delete;

    // The faults since the last look: dialogs that would not close.
    QStringList TakeFaults();
    // How many dialogs are being answered at the moment (the nesting of their loops).
    int Depth() const { return m_depth; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AnswerDialog(const QPointer<QDialog>& dialog);
    void Insist(const QPointer<QDialog>& dialog, int round);

    Answer m_answer;
    QStringList m_faults;
    int m_depth = 0;
};

} // namespace lumivane::test
