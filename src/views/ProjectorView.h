#pragma once
// The view of one projector: its lens set-ups, one row per format, with the angles, the
// porthole size and the light of the projector, the image controls, the lenses that fit and the
// projector's position for the set-up chosen in the list, and the screen drawing of that set-up's
// image with its distortion grid.

#include "views/QorView.h"
#include "views/ViewHooks.h"

class CFormatListCtrl;
class ProjectorLightGroup;
class QLabel;
class QGroupBox;
class ScreenDisplay;
class SetUpControls;

namespace lumivane {
class ProjectRelay;
}

class CProjectorView : public CQorView {
    Q_OBJECT

public:
    CProjectorView(CQorDoc& doc, lumivane::ProjectRelay& relay, ViewHooks hooks, QWidget* parent);

    lumivane::ViewKind Kind() const override { return lumivane::ViewKind::Projector; }
    void MoveItem(const lumivane::ItemPath& path) override;
    void Refresh(bool force) override;
    void CommitEdits() override;
    int ShownSetUp() const override { return m_current; }

    // The format of the set-up the controls act on; -1 without one.
    int CurrentFormat() const { return m_current; }

private:
    QGroupBox* MakeDetailsGroup();
    void ChooseFormat(int format);
    // Keeps the current set-up when the projector still has it, else takes the one the
    // projector last had selected, else its first.
    void FindCurrent(const CProjectorType& projector);
    // rowsMoved: only as an item came or went before them, which the lists follow by themselves.
    void ShowItems(bool rowsMoved = false);
    void RefreshDetails(const CAuditorium& auditorium, const CProjectorType& projector);

    CFormatListCtrl* m_formats;
    QLabel* m_name;
    QLabel* m_angleV;
    QLabel* m_angleH;
    QLabel* m_portholeLabel;
    QLabel* m_porthole;
    SetUpControls* m_controls;
    ProjectorLightGroup* m_light;
    ScreenDisplay* m_display;
    lumivane::ItemPath m_shown;
    int m_current = -1;
};
