#pragma once
// The view of one format of a projector: how its image lands on the screen (sizes, masking
// loss and distortion) and how bright it is, the image controls, the lenses that fit and the
// projector's position, with the projector's set-up list on top and the screen drawing of the image
// with its grid. Choosing another row of the list shows that format, as the project tree does.

#include "views/QorView.h"
#include "views/ViewHooks.h"

class CFormatListCtrl;
class ImageDetailsGroup;
class ScreenDisplay;
class SetUpControls;
class SetUpLightGroup;

namespace lumivane {
class ProjectRelay;
}

class CFormatView : public CQorView {
    Q_OBJECT

public:
    CFormatView(CQorDoc& doc, lumivane::ProjectRelay& relay, ViewHooks hooks, QWidget* parent);

    lumivane::ViewKind Kind() const override { return lumivane::ViewKind::Format; }
    void MoveItem(const lumivane::ItemPath& path) override;
    void Refresh(bool force) override;
    void CommitEdits() override;

private:
    // rowsMoved: only as an item came or went before them, which the lists follow by themselves.
    void ShowItems(bool rowsMoved = false);
    void ChooseFormat(int format);

    ViewHooks m_hooks;
    CFormatListCtrl* m_formats;
    ImageDetailsGroup* m_details;
    SetUpLightGroup* m_light;
    SetUpControls* m_controls;
    ScreenDisplay* m_display;
};
