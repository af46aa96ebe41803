#include "views/ProjectorView.h"

#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorTexts.h"
#include "model/ProjectorType.h"
#include "ui/QtText.h"
#include "views/FormatListCtrl.h"
#include "views/ProjectorLightGroup.h"
#include "views/ScreenDisplay.h"
#include "views/SetUpControls.h"
#include "views/SetUpListModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>

using lumivane::ItemPath;
using lumivane::Text;

namespace {

QLabel* RightLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

} // namespace

CProjectorView::CProjectorView(CQorDoc& doc, lumivane::ProjectRelay& relay, ViewHooks hooks,
                               QWidget* parent)
    : CQorView(doc, parent), m_formats(new CFormatListCtrl(doc, relay)),
      m_name(new QLabel(tr("Name"))), m_angleV(new QLabel(tr("0 degrees down"))),
      m_angleH(new QLabel(tr("0 degrees left"))), m_portholeLabel(RightLabel(tr("Porthole"))),
      m_porthole(new QLabel(tr("0' by 0' at 0'"))),
      m_controls(
          new SetUpControls(doc, relay, std::move(hooks), lumivane::EditView::Projector, this)),
      m_light(new ProjectorLightGroup(doc, [this] { Refresh(false); })),
      m_display(new ScreenDisplay(doc)) {
    setAccessibleName(tr("Projector"));
    m_display->SetDrawGrid(true);
    m_controls->SetConfirm([this](const QString& text, const QString& caption) {
        return QMessageBox::question(this, caption, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    });
    m_controls->LayOut(this, m_formats, MakeDetailsGroup(), m_display, m_light);
    connect(m_formats, &CFormatListCtrl::formatSelected, this, &CProjectorView::ChooseFormat);
}

QGroupBox* CProjectorView::MakeDetailsGroup() {
    auto* group = new QGroupBox(tr("Projector Details"));
    auto* layout = new QGridLayout(group);
    layout->addWidget(m_name, 0, 0, 1, 2);
    layout->addWidget(RightLabel(tr("Angle")), 1, 0);
    layout->addWidget(m_angleV, 1, 1);
    layout->addWidget(m_angleH, 2, 1);
    layout->addWidget(m_portholeLabel, 3, 0);
    layout->addWidget(m_porthole, 3, 1);
    // A wrapping label asks its layout for the height of its narrowest form, which would push
    // the drawing below the fold; the text is short enough to stand on one line.
    m_porthole->setWordWrap(false);
    m_porthole->setObjectName(QStringLiteral("porthole"));
    m_name->setObjectName(QStringLiteral("projectorName"));
    m_angleV->setObjectName(QStringLiteral("verticalAngle"));
    m_angleH->setObjectName(QStringLiteral("horizontalAngle"));
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(4, 1);
    return group;
}

void CProjectorView::MoveItem(const ItemPath& path) {
    CQorView::MoveItem(path);
    m_shown = path;
    ShowItems(true);
}

void CProjectorView::ChooseFormat(int format) {
    const CProjectorType* projector = GetProjector();
    if (projector == nullptr) {
        return;
    }
    m_current = format;
    Doc().Editor().SelectSetUp(Item().auditorium, Item().projector,
                               projector->IndexOfFormat(format));
    Refresh(false);
}

void CProjectorView::FindCurrent(const CProjectorType& projector) {
    if (m_shown != Item()) {
        m_shown = Item();
        m_current = -1;
    }
    if (projector.HasFormat(m_current)) {
        return;
    }
    const int count = projector.LensTypeCount();
    const int row = projector.Selected() >= 0 && projector.Selected() < count ? projector.Selected()
                    : count > 0                                               ? 0
                                                                              : -1;
    m_current = row >= 0 ? projector.GetLensType(row)->GetFormat() : -1;
}

// The list, the controls, the drawing and the editor's recalculation all name the same set-up.
void CProjectorView::ShowItems(bool rowsMoved) {
    const ItemPath& item = Item();
    if (!rowsMoved &&
        !(m_formats->Model().Projector() == ItemPath::Projector(item.auditorium, item.projector))) {
        m_formats->SetProjector(item.auditorium, item.projector);
    }
    Doc().Editor().SetViewedSetUp(item.auditorium, item.projector, m_current);
    m_controls->SetTarget({item.auditorium, item.projector, m_current}, rowsMoved);
    m_display->SetItems(item.auditorium, item.projector, m_current);
}

void CProjectorView::Refresh(bool force) {
    const CProjectorType* projector = GetProjector();
    const CAuditorium* auditorium = GetAuditorium();
    m_light->ShowProjector(Item().auditorium, Item().projector, force);
    if (projector == nullptr || auditorium == nullptr) {
        m_current = -1;
        ShowItems();
        m_controls->Refresh(force);
        return;
    }
    FindCurrent(*projector);
    ShowItems();
    m_formats->Refresh(false);
    m_formats->SelectFormat(m_current);
    m_controls->Refresh(force);
    RefreshDetails(*auditorium, *projector);
    m_display->update();
}

// The porthole is measured afresh each time: the lens height, the lens, the distance and the
// set-ups all move it.
void CProjectorView::RefreshDetails(const CAuditorium& auditorium,
                                    const CProjectorType& projector) {
    m_name->setText(Text(projector.Name()));
    m_angleV->setText(Text(lumivane::VerticalAngleText(projector.GetVerticalAngle())));
    m_angleH->setText(Text(lumivane::HorizontalAngleText(projector.GetHorizontalAngle())));
    const bool porthole = auditorium.CalcPorthole() != 0;
    m_portholeLabel->setVisible(porthole);
    m_porthole->setVisible(porthole);
    if (porthole) {
        m_porthole->setText(Text(lumivane::PortholeText(projector)));
    }
}

void CProjectorView::CommitEdits() {
    m_light->CommitEdits();
    m_controls->CommitEdits();
}
