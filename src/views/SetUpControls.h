#pragma once
// The controls the projector and format views share for one lens set-up of a projector: the
// image controls (image size, focal length and throw, each a slider over a length field),
// the lenses that fit with the diameter drop-down, and the projector's position with Center
// and Default. Each change goes through the project's editor as one step and follows the lock
// mode there; both views lay the panels out on the same page.
//
// Typed values are stored when the user settles on them (Enter, leaving the field, an arrow
// step): a half-typed "1" of "12" would clear a chosen lens or move the projector on the way.
// A slider drag is stored as it moves, the whole drag one undo step.

#include "base/ViewSizes.h"
#include "model/EditCommands.h"
#include "views/ViewHooks.h"

#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class CAuditorium;
class CLensListBox;
class CLensType;
class CProjectorType;
class CQorDoc;
class LengthEdit;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class ScreenDisplay;
class ValueSlider;

namespace lumivane {
class ProjectEditor;
class ProjectRelay;
} // namespace lumivane

class SetUpControls : public QObject {
    Q_OBJECT

public:
    // The set-up acted on: the projector's rows and the set-up's format (-1: none).
    struct Target {
        int auditorium = -1;
        int projector = -1;
        int format = -1;
    };
    // Asks a yes-or-no question (text, caption); true for Yes.
    using Confirm = std::function<bool(const QString& text, const QString& caption)>;

    // The projector view edits the throw and answers a click on "Throw"; the format view
    // shows the throw only.
    SetUpControls(CQorDoc& doc, lumivane::ProjectRelay& relay, ViewHooks hooks,
                  lumivane::EditView view, QObject* parent);

    // rowsMoved: the target's rows changed only as an item came or went before them, which
    // the lens list follows by itself.
    void SetTarget(const Target& target, bool rowsMoved = false);
    void SetConfirm(Confirm confirm) { m_confirm = std::move(confirm); }

    // Fields from the model; unless forced, a field whose value did not change keeps its text.
    void Refresh(bool force);
    // Stores what a field holds that the user has not settled yet.
    void CommitEdits();

    // The view's page: the set-up list on top, the view's own group, the image controls and
    // the lenses side by side, the screen drawing and the position below, and the view's light
    // checks, if any, last; the keyboard visits them in that order. Scrolls when the pane is
    // too small. A drag of the projector's marker on the drawing is one undo step, as a
    // field's burst is.
    void LayOut(QWidget* view, QWidget* list, QWidget* group, ScreenDisplay* display,
                QWidget* checks = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool EditsThrow() const { return m_view == lumivane::EditView::Projector; }
    const CAuditorium* Auditorium() const;
    const CProjectorType* Projector() const;
    const CLensType* SetUp() const;

    void MakeImageGroup();
    void MakeLensPanel();
    void MakePositionPanel();
    void ConnectImageControls();
    void ConnectPositions();
    using FieldEdit = std::function<void(lumivane::ProjectEditor&, double metres)>;
    void StoreSettled(LengthEdit* field, ValueSlider* slider, const FieldEdit& edit);
    // One step of the editor for field's value, bracketed for the undo history.
    void Store(const QObject* field, const std::function<void(lumivane::ProjectEditor&)>& edit);
    void StorePosition(const QObject* field, bool lateral, double metres);
    void AskThrowLock();
    void ShowDiameters();
    // The view's group and the image controls side by side while they fit, the lenses beside
    // them, else beside the drawing, else in a band of their own.
    lumivane::SetUpPagePlan PlanFor(int width) const;
    void Arrange(const lumivane::SetUpPagePlan& plan);
    std::vector<QWidget*> TabOrder() const;
    static void AddFieldsOf(QWidget* group, std::vector<QWidget*>& order);

    void RefreshImage(const CLensType* setUp, bool force);
    void RefreshThrow(const CProjectorType& projector, bool force);
    void RefreshPosition(const CProjectorType& projector, bool force);
    void RefreshSizeMode(const CAuditorium& auditorium);

    CQorDoc& m_doc;
    ViewHooks m_hooks;
    lumivane::EditView m_view;
    Target m_target;
    Confirm m_confirm;
    bool m_byWidth = false;

    QGroupBox* m_imageGroup;
    ValueSlider* m_sizeSlider;
    LengthEdit* m_size;
    ValueSlider* m_focalSlider;
    LengthEdit* m_focal;
    ValueSlider* m_throwSlider;
    LengthEdit* m_throw;
    QPushButton* m_sizeMode;
    QLabel* m_focalLabel;
    QPushButton* m_throwLabel;

    QWidget* m_lensPanel;
    CLensListBox* m_lenses;
    QComboBox* m_diameters;

    QWidget* m_positionPanel;

    QGridLayout* m_page = nullptr;
    QWidget* m_group = nullptr;
    ScreenDisplay* m_display = nullptr;
    std::optional<lumivane::SetUpPagePlan> m_plan;
    LengthEdit* m_lateral;
    QLabel* m_side;
    LengthEdit* m_lensHeight;
    QLabel* m_updown;
    QPushButton* m_center;
    QPushButton* m_default;
};
