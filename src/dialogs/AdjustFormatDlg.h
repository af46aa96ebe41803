#pragma once
// "Adjust Format": which part of a digital projector's panel the image of one lens set-up
// uses, as four corners in panel pixels, typed as sides or dragged on a drawing of the panel.
// Nothing changes until OK.

#include "model/LensType.h"

#include <QDialog>

#include <optional>

class CPanelCornerCtrl;
class CQorDoc;
class QCheckBox;
class QLabel;
class QRadioButton;
class QSpinBox;

class CAdjustFormatDlg : public QDialog {
    Q_OBJECT

public:
    // The panel's size in pixels and the set-up's corners, if it has any.
    CAdjustFormatDlg(int panelWidth, int panelHeight, const std::optional<PanelCorners>& corners,
                     QWidget* parent = nullptr);

    // Top-left, top-right, bottom-right, bottom-left.
    PanelCorners Corners() const;
    // OK only with corners on the panel that do not cross; otherwise a message says why.
    void accept() override;

private:
    void ShapeChosen();
    void AspectChosen();
    void SideEdited();
    void ShowSides();

    CPanelCornerCtrl* m_panel;
    QRadioButton* m_rectangular;
    QRadioButton* m_trapezoidal;
    QCheckBox* m_keepAspect;
    QSpinBox* m_left;
    QSpinBox* m_right;
    QSpinBox* m_top;
    QSpinBox* m_bottom;
    QLabel* m_percent;
    // Set while the dialog writes its own side fields.
    bool m_showing = false;
};

namespace lumivane {

// Opens the dialog for the set-up of format on projector p of auditorium a; OK stores the
// corners as one undo step. A projector without a digital panel gets a message instead.
// True when corners were stored.
bool RunAdjustFormat(CQorDoc& document, int a, int p, int format, QWidget* parent);

} // namespace lumivane
