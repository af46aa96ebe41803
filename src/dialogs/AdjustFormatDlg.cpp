#include "dialogs/AdjustFormatDlg.h"

#include "catalog/ProjectorDescriptor.h"
#include "dialogs/FieldLabels.h"
#include "dialogs/PanelCornerCtrl.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/ProjectorType.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Adjust Format");

QSpinBox* SideField(int last) {
    auto* side = new QSpinBox;
    side->setRange(0, std::max(0, last));
    side->setGroupSeparatorShown(false);
    return side;
}

} // namespace

CAdjustFormatDlg::CAdjustFormatDlg(int panelWidth, int panelHeight,
                                   const std::optional<PanelCorners>& corners, QWidget* parent)
    : QDialog(parent), m_panel(new CPanelCornerCtrl),
      m_rectangular(new QRadioButton(QStringLiteral("Keep Rectangular"))),
      m_trapezoidal(new QRadioButton(QStringLiteral("Allow trapazoidal"))),
      m_keepAspect(new QCheckBox(QStringLiteral("Maintain aspect ratio"))),
      m_left(SideField(panelWidth)), m_right(SideField(panelWidth)), m_top(SideField(panelHeight)),
      m_bottom(SideField(panelHeight)), m_percent(new QLabel) {
    setWindowTitle(kTitle);
    lumivane::PanelCornerModel& model = m_panel->Model();
    model.SetPanel(panelWidth, panelHeight);
    if (corners) {
        model.SetCorners(*corners);
    }
    const bool rectangle = model.IsRectangle();
    (rectangle ? m_rectangular : m_trapezoidal)->setChecked(true);
    model.SetRectangular(rectangle);
    m_keepAspect->setEnabled(rectangle);
    lumivane::NameField(m_panel, QStringLiteral("Panel area"));

    auto* sides = new QGridLayout;
    sides->addWidget(lumivane::FieldLabel(QStringLiteral("&Left"), m_left), 0, 0);
    sides->addWidget(m_left, 0, 1);
    sides->addWidget(lumivane::FieldLabel(QStringLiteral("&Right"), m_right), 0, 2);
    sides->addWidget(m_right, 0, 3);
    sides->addWidget(lumivane::FieldLabel(QStringLiteral("&Top"), m_top), 1, 0);
    sides->addWidget(m_top, 1, 1);
    sides->addWidget(lumivane::FieldLabel(QStringLiteral("&Bottom"), m_bottom), 1, 2);
    sides->addWidget(m_bottom, 1, 3);
    auto* choices = new QVBoxLayout;
    for (QWidget* choice :
         std::initializer_list<QWidget*>{m_rectangular, m_trapezoidal, m_keepAspect}) {
        choices->addWidget(choice);
    }
    choices->addLayout(sides);
    choices->addWidget(m_percent);
    choices->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(choices);
    body->addWidget(m_panel, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(buttons);
    lumivane::ChainTabOrder(
        {m_rectangular, m_trapezoidal, m_keepAspect, m_left, m_right, m_top, m_bottom});

    connect(buttons, &QDialogButtonBox::accepted, this, &CAdjustFormatDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_rectangular, &QRadioButton::toggled, this, &CAdjustFormatDlg::ShapeChosen);
    connect(m_keepAspect, &QCheckBox::toggled, this, &CAdjustFormatDlg::AspectChosen);
    for (QSpinBox* side : {m_left, m_right, m_top, m_bottom}) {
        connect(side, &QSpinBox::valueChanged, this, &CAdjustFormatDlg::SideEdited);
    }
    connect(m_panel, &CPanelCornerCtrl::cornersChanged, this, &CAdjustFormatDlg::ShowSides);
    ShowSides();
}

PanelCorners CAdjustFormatDlg::Corners() const {
    return m_panel->Model().Corners();
}

void CAdjustFormatDlg::accept() {
    if (!m_panel->Model().IsWellFormed()) {
        QMessageBox::warning(this, kTitle,
                             QStringLiteral("The left side must lie left of the right side, and "
                                            "the top above the bottom."));
        return;
    }
    QDialog::accept();
}

void CAdjustFormatDlg::ShapeChosen() {
    const bool rectangular = m_rectangular->isChecked();
    m_panel->Model().SetRectangular(rectangular);
    m_keepAspect->setEnabled(rectangular);
    ShowSides();
}

void CAdjustFormatDlg::AspectChosen() {
    m_panel->Model().SetKeepAspect(m_keepAspect->isChecked());
    ShowSides();
}

void CAdjustFormatDlg::SideEdited() {
    if (m_showing) {
        return;
    }
    lumivane::PanelCornerModel& model = m_panel->Model();
    QObject* side = sender();
    if (side == m_left) {
        model.SetLeft(m_left->value());
    } else if (side == m_right) {
        model.SetRight(m_right->value());
    } else if (side == m_top) {
        model.SetTop(m_top->value());
    } else {
        model.SetBottom(m_bottom->value());
    }
    m_panel->update();
    m_percent->setText(QString::fromStdString(model.PercentText()));
}

void CAdjustFormatDlg::ShowSides() {
    const lumivane::PanelCornerModel& model = m_panel->Model();
    const lumivane::PanelSides sides = model.Sides();
    m_showing = true;
    m_left->setValue(sides.left);
    m_right->setValue(sides.right);
    m_top->setValue(sides.top);
    m_bottom->setValue(sides.bottom);
    m_showing = false;
    m_panel->update();
    m_percent->setText(QString::fromStdString(model.PercentText()));
}

namespace lumivane {

bool RunAdjustFormat(CQorDoc& document, int a, int p, int format, QWidget* parent) {
    const CProjectorType* projector = document.GetProjector(a, p);
    const CLensType* setUp = document.GetLensType(a, p, format);
    const CProjectorDescriptor* model = projector ? projector->GetModelDescriptor() : nullptr;
    if (!setUp || !model || model->GetHres() <= 0 || model->GetVres() <= 0) {
        QMessageBox::information(parent, kTitle,
                                 QStringLiteral("This projector has no digital panel whose used "
                                                "area could be adjusted."));
        return false;
    }
    CAdjustFormatDlg dialog(model->GetHres(), model->GetVres(), setUp->Corners(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return document.Editor().AdjustFormatCorners(a, p, format, dialog.Corners());
}

} // namespace lumivane
