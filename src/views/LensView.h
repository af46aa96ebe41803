#pragma once
// The view of the lens chosen for one format of a projector: the combination's name, focal
// length and barrel, the auditorium's lens-shift settings with the shift of this set-up, a
// picture of the barrel over the film aperture, the auditorium's comments and the screen
// drawing with the image's distortion grid. Every change goes through the project's editor;
// a set-up without a lens shows nothing but the empty fields.

#include "views/AuditoriumFields.h"
#include "views/QorView.h"
#include "views/ViewHooks.h"

class CLensType;
class EditBurst;
class LensShiftPicture;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class ScreenDisplay;
class ValueSlider;

class CLensView : public CQorView {
    Q_OBJECT

public:
    CLensView(CQorDoc& doc, ViewHooks hooks, QWidget* parent);

    lumivane::ViewKind Kind() const override { return lumivane::ViewKind::Lens; }
    void MoveItem(const lumivane::ItemPath& path) override;
    void Refresh(bool force) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* MakeContent();
    QGroupBox* MakeDetailsGroup();
    QGroupBox* MakeShiftGroup();
    void ConnectComments();
    void ConnectShiftControls();
    // Each user move of the slider stores its shift (horizontal or vertical) through the
    // editor; a drag is one undo step.
    void StoreEachMove(ValueSlider* slider, bool horizontal);

    void ShowItems();
    void ShowTexts(const CLensType* setUp);
    void ShowSettings(const CAuditorium* auditorium, const CLensType* setUp);
    void FitComments();

    AuditoriumFields m_fields;
    QPlainTextEdit* m_comments;
    EditBurst* m_commentsBurst;
    QLabel* m_name;
    QLabel* m_focalLength;
    QLabel* m_diameter;
    QCheckBox* m_allowShift;
    QCheckBox* m_autoShift;
    ValueSlider* m_horizontal;
    ValueSlider* m_vertical;
    QLabel* m_shiftText;
    QComboBox* m_alignment;
    LensShiftPicture* m_picture;
    ScreenDisplay* m_display;
};
