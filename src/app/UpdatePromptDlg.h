#pragma once
// Asks at start-up whether to look for a newer catalog store now, not this time, or never.

#include <QDialog>

class CUpdatePromptDlg : public QDialog {
public:
    // The result of "Never"; "OK" gives QDialog::Accepted and "Cancel" QDialog::Rejected.
    static constexpr int NeverResult = 7;

    explicit CUpdatePromptDlg(QWidget* parent = nullptr);
};
