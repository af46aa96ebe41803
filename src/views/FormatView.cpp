#include "views/FormatView.h"

#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/ProjectorType.h"
#include "views/FormatListCtrl.h"
#include "views/ImageDetailsGroup.h"
#include "views/ScreenDisplay.h"
#include "views/SetUpControls.h"
#include "views/SetUpLightGroup.h"
#include "views/SetUpListModel.h"

using lumivane::ItemPath;

CFormatView::CFormatView(CQorDoc& doc, lumivane::ProjectRelay& relay, ViewHooks hooks,
                         QWidget* parent)
    : CQorView(doc, parent), m_hooks(hooks), m_formats(new CFormatListCtrl(doc, relay)),
      m_details(new ImageDetailsGroup), m_light(new SetUpLightGroup),
      m_controls(new SetUpControls(doc, relay, std::move(hooks), lumivane::EditView::Format, this)),
      m_display(new ScreenDisplay(doc)) {
    setAccessibleName(tr("Format"));
    m_display->SetDrawGrid(true);
    m_display->SetShowProjectors(true);
    m_controls->LayOut(this, m_formats, m_details, m_display, m_light);
    connect(m_formats, &CFormatListCtrl::formatSelected, this, &CFormatView::ChooseFormat);
}

void CFormatView::MoveItem(const ItemPath& path) {
    CQorView::MoveItem(path);
    ShowItems(true);
}

// The tree shows the chosen format, and the pane brings it into this view.
void CFormatView::ChooseFormat(int format) {
    if (format >= 0 && format != Format() && m_hooks.showFormat) {
        m_hooks.showFormat(Item().auditorium, Item().projector, format);
    }
}

void CFormatView::ShowItems(bool rowsMoved) {
    const ItemPath& item = Item();
    if (!rowsMoved &&
        !(m_formats->Model().Projector() == ItemPath::Projector(item.auditorium, item.projector))) {
        m_formats->SetProjector(item.auditorium, item.projector);
    }
    m_controls->SetTarget({item.auditorium, item.projector, Format()}, rowsMoved);
    m_display->SetItems(item.auditorium, item.projector, Format());
}

void CFormatView::Refresh(bool force) {
    ShowItems();
    m_formats->Refresh(false);
    m_formats->SelectFormat(Format());
    // The projector view opens on the format last shown here.
    if (const CProjectorType* projector = GetProjector()) {
        Doc().Editor().SelectSetUp(Item().auditorium, Item().projector,
                                   projector->IndexOfFormat(Format()));
    }
    m_controls->Refresh(force);
    m_details->ShowSetUp(GetAuditorium(), GetProjector(), GetLensType());
    m_light->ShowSetUp(GetAuditorium(), GetProjector(), GetLensType());
    m_display->update();
}

void CFormatView::CommitEdits() {
    m_controls->CommitEdits();
}
