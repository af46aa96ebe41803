#pragma once
// The five project texts (manager and four dates) as free text, edited together. Save and
// Save As show it before the first save of a project whose texts nobody has confirmed.

#include "document/ProjectFile.h"

#include <QDialog>

#include <array>

class QFormLayout;
class QLineEdit;

class CProjectSettingsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CProjectSettingsDlg(const lumivane::ProjectInfo& info, QWidget* parent = nullptr);

    // The texts as the user left them, confirmed.
    lumivane::ProjectInfo Info() const;

private:
    QLineEdit* AddField(QFormLayout& form, const QString& label, const std::string& text);

    std::array<QLineEdit*, 5> m_fields{};
};
