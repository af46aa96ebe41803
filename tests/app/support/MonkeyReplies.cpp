#include "MonkeyReplies.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QWizard>

namespace lumivane::test {

void MonkeyReplies::Answer(QDialog& dialog, bool settingUp, int depth) {
    m_note(QStringLiteral("dialog \"%1\"").arg(dialog.windowTitle()));
    if (settingUp) {
        PressOk(dialog);
    } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        AnswerMessage(*box);
    } else if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        AnswerFileDialog(*files);
    } else if (auto* wizard = qobject_cast<QWizard*>(&dialog)) {
        AnswerWizard(*wizard);
    } else if (qobject_cast<QPrintPreviewDialog*>(&dialog) != nullptr ||
               qobject_cast<QPrintDialog*>(&dialog) != nullptr || depth > 3) {
        // Their own buttons would print to the machine's printer.
        m_note(QStringLiteral("cancel"));
        dialog.reject();
    } else {
        const int how = m_dice.Below(10);
        if (how < 2) {
            m_note(QStringLiteral("Escape"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else if (how < 3) {
            m_note(QStringLiteral("close the window"));
            dialog.close();
        } else {
            Fiddle(dialog, how < 7 ? m_dice.Between(1, 4) : 0);
            PressOk(dialog);
        }
    }
}

void MonkeyReplies::AnswerMessage(QMessageBox& box) {
    const QList<QAbstractButton*> buttons = box.buttons();
    if (buttons.isEmpty() || m_dice.Chance(15)) {
        m_note(QStringLiteral("Escape on \"%1\"").arg(box.text().left(60)));
        QTest::keyClick(&box, Qt::Key_Escape);
        return;
    }
    QAbstractButton* button = m_dice.Pick(buttons);
    m_note(QStringLiteral("%1 on \"%2\"")
               .arg(button->text().remove(QLatin1Char('&')), box.text().left(60)));
    button->click();
}

void MonkeyReplies::AnswerFileDialog(QFileDialog& dialog) {
    const bool saving = dialog.acceptMode() == QFileDialog::AcceptSave;
    if (m_dice.Chance(20)) {
        m_note(QStringLiteral("cancel"));
        dialog.reject();
        return;
    }
    QStringList names;
    if (saving) {
        names = {u"monkey-1.hoprj"_qs, u"monkey-2.hoprj"_qs, u"Multiplex.hoprj"_qs,
                 u"no such folder/monkey.hoprj"_qs, u"report.txt"_qs};
    } else {
        for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
            if (entry.path().extension() == ".hoprj") {
                names << QString::fromStdString(entry.path().filename().string());
            }
        }
        names.sort();
    }
    const QString name = m_dice.Pick(names);
    m_note(QStringLiteral("choose \"%1\"").arg(name));
    dialog.selectFile(QString::fromStdString((m_folder / name.toStdString()).string()));
    // As the dialog's own Open or Save button does.
    static_cast<QDialog&>(dialog).accept();
}

// Steps through the pages, changing a few fields on each, and finishes or cancels.
void MonkeyReplies::AnswerWizard(QWizard& wizard) {
    for (int page = 0; page < 10 && wizard.isVisible(); ++page) {
        if (m_dice.Chance(15)) {
            m_note(QStringLiteral("Cancel"));
            wizard.reject();
            return;
        }
        Fiddle(*wizard.currentPage(), m_dice.Below(4));
        QAbstractButton* finish = wizard.button(QWizard::FinishButton);
        QAbstractButton* next = wizard.button(QWizard::NextButton);
        if (finish->isVisible() && finish->isEnabled()) {
            m_note(QStringLiteral("Finish"));
            finish->click();
        } else if (next->isVisible() && next->isEnabled()) {
            m_note(QStringLiteral("Next"));
            next->click();
        } else {
            return;
        }
    }
}

void MonkeyReplies::Fiddle(QWidget& root, int gestures) {
    for (int i = 0; i < gestures; ++i) {
        const QList<QWidget*> widgets = MonkeyHands::Usable(&root);
        if (widgets.isEmpty() || !root.isVisible()) {
            return;
        }
        m_hands.Use(m_dice.Pick(widgets));
    }
}

void MonkeyReplies::PressOk(QDialog& dialog) {
    m_note(QStringLiteral("OK"));
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    QPushButton* ok = box != nullptr ? box->button(QDialogButtonBox::Ok) : nullptr;
    if (ok != nullptr && ok->isVisible() && ok->isEnabled()) {
        ok->click();
    } else if (dialog.isVisible()) {
        dialog.accept();
    }
}

bool MonkeyReplies::ChoosePrinter(QPrinter& printer) {
    if (m_dice.Chance(50)) {
        m_note(QStringLiteral("printer: cancelled"));
        return false;
    }
    m_note(QStringLiteral("printer: a PDF file"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((m_folder / "printed.pdf").string()));
    return true;
}

} // namespace lumivane::test
