#pragma once
// "Custom Format": the name, the aperture on film (width, height and the diagonal that scales
// both), the anamorphic factor and the projector types of one user-defined format.

#include "catalog/CustomFormat.h"

#include <QDialog>

#include <vector>

class LengthEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CCustomFormatDlg : public QDialog {
    Q_OBJECT

public:
    explicit CCustomFormatDlg(const lumivane::CustomFormatFields& fields,
                              QWidget* parent = nullptr);

    lumivane::CustomFormatFields Fields() const;
    // OK only with fields that make a format; otherwise a message says why.
    void accept() override;

private:
    void SizeEdited();
    void DiagonalEdited(double diagonal);

    QLineEdit* m_name;
    LengthEdit* m_width;
    LengthEdit* m_height;
    LengthEdit* m_diagonal;
    QComboBox* m_anamorphic;
    std::vector<QCheckBox*> m_kinds;
    // The diagonal the sizes were last scaled from, metres.
    double m_diagonalShown;
};
