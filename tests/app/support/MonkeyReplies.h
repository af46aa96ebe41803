#pragma once
// How the monkey answers the dialogs its actions open: message boxes with any of their
// buttons or Escape, file dialogs with one of the run's files or Cancel, the wizard page by
// page, and other dialogs cancelled, closed, or accepted after a few fields were changed.
// Printing goes to a PDF file or is cancelled; the print dialogs themselves are always
// cancelled, as their own buttons would print to the machine's printer.

#include <filesystem>

#include "MonkeyDice.h"
#include "MonkeyHands.h"

class QDialog;
class QFileDialog;
class QMessageBox;
class QPrinter;
class QWidget;
class QWizard;

namespace lumivane::test {

class MonkeyReplies {
public:
    MonkeyReplies(MonkeyDice& dice, MonkeyHands& hands, std::filesystem::path folder,
                  MonkeyHands::Note note)
        : m_dice(dice), m_hands(hands), m_folder(std::move(folder)), m_note(std::move(note)) {}

    // While setting up every dialog is accepted; depth is how many answers are under way.
    void Answer(QDialog& dialog, bool settingUp, int depth);
    // The print commands' choice: a PDF file in the folder, or false for Cancel.
    bool ChoosePrinter(QPrinter& printer);

private:
    void AnswerMessage(QMessageBox& box);
    void AnswerFileDialog(QFileDialog& dialog);
    void AnswerWizard(QWizard& wizard);
    void Fiddle(QWidget& root, int gestures);
    void PressOk(QDialog& dialog);

    MonkeyDice& m_dice;
    MonkeyHands& m_hands;
    std::filesystem::path m_folder;
    MonkeyHands::Note m_note;
};

} // namespace lumivane::test
