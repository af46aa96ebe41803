#include "views/SetUpControls.h"

#include "base/FieldLimits.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorTexts.h"
#include "model/ProjectorType.h"
#include "views/ChoiceList.h"
#include "views/LengthEdit.h"
#include "views/LensListBox.h"
#include "views/ScreenControls.h"
#include "views/ScreenDisplay.h"
#include "views/ValueSlider.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

using lumivane::EditView;
using lumivane::PositionButton;
using lumivane::ProjectEditor;

namespace {

struct SliderScale {
    int first;
    int last;
    int ticks;
    double scale;
};
// Image sizes of 0.5 to 25 m, focal lengths of 25 to 225 mm and throws of 3 to 100 m, the
// larger values at the top.
constexpr SliderScale kImageScale{50, 1, 5, 0.5};
constexpr SliderScale kFocalScale{225, 25, 25, 1.0};
constexpr SliderScale kThrowScale{100, 3, 10, 1.0};

constexpr double kMillimetresPerMetre = 1000.0;
// Rows of the page: the list, the groups (the image controls below the view's group when both
// do not fit in one band), the lenses when they fit beside neither the image controls nor the
// drawing, the drawing and the position.
constexpr int kGroupsRow = 1;
constexpr int kLensRow = 3;
constexpr int kDrawingRow = 4;
constexpr int kCandidateLines = 6;
// The set-up list's rows grow with its height: this keeps them as tall as their icons.
constexpr int kSetUpListLines = 8;

ValueSlider* MakeSlider(const SliderScale& scale, LengthEdit* field) {
    auto* slider = new ValueSlider(Qt::Vertical);
    slider->SetRange(scale.first, scale.last);
    slider->SetScale(scale.scale);
    slider->setTickPosition(QSlider::TicksBothSides);
    slider->setTickInterval(scale.ticks);
    lumivane::KeepTrack(slider);
    field->SetLinkedSlider(slider);
    return slider;
}

QLabel* Centred(QLabel* label) {
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

SetUpControls::SetUpControls(CQorDoc& doc, lumivane::ProjectRelay& relay, ViewHooks hooks,
                             EditView view, QObject* parent)
    : QObject(parent), m_doc(doc), m_hooks(std::move(hooks)), m_view(view),
      m_imageGroup(new QGroupBox(tr("Image Controls"))), m_sizeSlider(nullptr),
      m_size(new LengthEdit), m_focalSlider(nullptr), m_focal(new LengthEdit),
      m_throwSlider(nullptr), m_throw(new LengthEdit), m_sizeMode(new QPushButton(tr("Height"))),
      m_focalLabel(Centred(new QLabel(tr("Focal Length")))),
      m_throwLabel(new QPushButton(tr("Throw"))), m_lensPanel(new QWidget),
      m_lenses(new CLensListBox(doc, relay)), m_diameters(new ChoiceList(tr("Diameter"))),
      m_positionPanel(new QWidget), m_lateral(new LengthEdit), m_side(new QLabel(tr("Left"))),
      m_lensHeight(new LengthEdit), m_updown(new QLabel(tr("Down"))),
      m_center(new QPushButton(tr("Center"))), m_default(new QPushButton(tr("Default"))) {
    MakeImageGroup();
    MakeLensPanel();
    MakePositionPanel();
    ConnectImageControls();
    ConnectPositions();
}

const CAuditorium* SetUpControls::Auditorium() const {
    return m_doc.GetAuditorium(m_target.auditorium);
}

const CProjectorType* SetUpControls::Projector() const {
    return m_doc.GetProjector(m_target.auditorium, m_target.projector);
}

const CLensType* SetUpControls::SetUp() const {
    return m_doc.GetLensType(m_target.auditorium, m_target.projector, m_target.format);
}

void SetUpControls::MakeImageGroup() {
    m_sizeSlider = MakeSlider(kImageScale, m_size);
    m_size->SetLimits(lumivane::kImageSizeLimits);
    m_focal->SetKind(Millimetres);
    m_focal->SetLimits(lumivane::kFocalLengthLimits);
    m_throw->SetLimits(lumivane::kThrowLimits);
    m_focalSlider = MakeSlider(kFocalScale, m_focal);
    m_throwSlider = MakeSlider(kThrowScale, m_throw);
    m_sizeMode->setCheckable(true);
    m_sizeMode->setAccessibleDescription(tr("Edits the image height, or pressed the width"));
    m_focalLabel->setBuddy(m_focal);
    m_focal->setAccessibleName(tr("Focal Length"));
    m_focalSlider->setAccessibleName(tr("Focal Length"));
    m_throw->setAccessibleName(tr("Throw"));
    m_throwSlider->setAccessibleName(tr("Throw"));
    m_throwLabel->setFlat(true);
    if (EditsThrow()) {
        const QString lock =
            tr("Gives the projector a throw of its own, or the auditorium's default again");
        m_throwLabel->setAccessibleDescription(lock);
        m_throwLabel->setToolTip(lock);
    } else {
        m_throwLabel->setEnabled(false);
        m_throw->SetShowOnly();
        m_throwSlider->setEnabled(false);
    }
    auto* layout = new QGridLayout(m_imageGroup);
    const std::vector<std::pair<QWidget*, std::pair<ValueSlider*, LengthEdit*>>> columns{
        {m_sizeMode, {m_sizeSlider, m_size}},
        {m_focalLabel, {m_focalSlider, m_focal}},
        {m_throwLabel, {m_throwSlider, m_throw}}};
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        const auto& [title, controls] = columns[static_cast<std::size_t>(column)];
        layout->addWidget(title, 0, column);
        layout->addWidget(controls.first, 1, column, Qt::AlignHCenter);
        layout->addWidget(controls.second, 2, column);
        lumivane::FitLengthField(controls.second);
        layout->setColumnStretch(column, 1);
    }
    layout->setRowStretch(1, 1);
}

void SetUpControls::MakeLensPanel() {
    auto* layout = new QVBoxLayout(m_lensPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lenses, 1);
    auto* diameter = new QLabel(tr("Diameter:"));
    diameter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    diameter->setBuddy(m_diameters);
    auto* row = new QHBoxLayout;
    row->addWidget(diameter, 1);
    row->addWidget(m_diameters);
    layout->addLayout(row);
    m_diameters->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Room for a lens label and its catalog number side by side, and for two candidates of a
    // lens and an attachment each.
    m_lenses->setMinimumHeight(kCandidateLines * m_lenses->LineHeight() +
                               2 * m_lenses->frameWidth());
    m_lensPanel->setMinimumWidth(
        m_lenses->fontMetrics().horizontalAdvance(u"ST70 85 + ANA2 LP  48-204429"_qs) +
        m_lenses->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * m_lenses->frameWidth());
    connect(m_lenses, &CLensListBox::refilled, this, &SetUpControls::ShowDiameters);
    // Only the user's pick: refilling the drop-down chooses nothing.
    connect(m_diameters, &QComboBox::activated, this,
            [this](int index) { m_lenses->ChooseBarrel(index); });
}

void SetUpControls::MakePositionPanel() {
    auto* prompt = new QLabel(tr("Please set the projector position below"));
    prompt->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (LengthEdit* field : {m_lateral, m_lensHeight}) {
        field->SetNoLowerLimit(true);
        field->SetLimits(lumivane::kPositionLimits);
        lumivane::FitLengthField(field);
    }
    m_lateral->setAccessibleName(tr("Lateral"));
    m_lateral->setAccessibleDescription(tr("Distance of the lens from the screen's centre line"));
    m_lensHeight->setAccessibleName(tr("Lens Height"));
    m_lensHeight->setAccessibleDescription(tr("Height of the lens above the screen's bottom"));
    m_side->setBuddy(m_lateral);
    m_updown->setBuddy(m_lensHeight);
    // Their text says which way the lens stands; screen readers name them as their fields.
    m_side->setAccessibleName(m_lateral->accessibleName());
    m_updown->setAccessibleName(m_lensHeight->accessibleName());
    // Room for the longer word, so the fields do not move when it changes.
    for (QLabel* label : {m_side, m_updown}) {
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(tr("Right")) + 4);
    }
    m_center->setAccessibleDescription(tr("Puts the lens on the screen's centre"));
    m_default->setAccessibleDescription(tr("Puts the lens where the booth heights place it"));
    auto* layout = new QGridLayout(m_positionPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(prompt, 0, 0, 1, 6);
    layout->addWidget(m_lateral, 1, 0);
    layout->addWidget(m_side, 1, 1);
    layout->addWidget(m_lensHeight, 1, 2);
    layout->addWidget(m_updown, 1, 3);
    layout->addWidget(m_center, 1, 4);
    layout->addWidget(m_default, 1, 5);
    layout->setColumnStretch(3, 1);
}

std::vector<QWidget*> SetUpControls::TabOrder() const {
    return {m_sizeMode, m_throwLabel, m_sizeSlider, m_focalSlider, m_throwSlider,
            m_size,     m_focal,      m_throw,      m_lenses,      m_diameters};
}

void SetUpControls::LayOut(QWidget* view, QWidget* list, QWidget* group, ScreenDisplay* display,
                           QWidget* checks) {
    connect(display, &ScreenDisplay::editStarted, this,
            [this, display] { m_hooks.Edited(display); });
    connect(display, &ScreenDisplay::editFinished, this,
            [this, display] { m_hooks.Finished(display); });
    auto* content = new QWidget;
    m_page = new QGridLayout(content);
    m_group = group;
    m_display = display;
    m_page->addWidget(list, 0, 0, 1, 3);
    list->setMinimumHeight(list->fontMetrics().height() * kSetUpListLines);
    // A small pane scrolls rather than squeezing the drawing to a strip.
    const int line = display->fontMetrics().height();
    display->setMinimumSize(lumivane::DrawingLeastWidth(line), lumivane::DrawingLeastHeight(line));
    m_page->addWidget(m_positionPanel, kDrawingRow + 1, 0, 1, 3);
    if (checks != nullptr) {
        m_page->addWidget(checks, kDrawingRow + 2, 0, 1, 3);
    }
    m_page->setColumnStretch(0, 2);
    m_page->setColumnStretch(1, 2);
    // A tall pane lengthens the sliders and the lens list a little, the drawing most.
    m_page->setRowStretch(kGroupsRow, 1);
    m_page->setRowStretch(kDrawingRow, 3);
    Arrange({});
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    // The page itself is no stop of the Tab key; it scrolls to the control that has the focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* frame = new QVBoxLayout(view);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll);
    scroll->viewport()->installEventFilter(this);

    // The view's own group only shows figures: nothing in it takes the focus.
    std::vector<QWidget*> order{list};
    for (QWidget* control : TabOrder()) {
        order.push_back(control);
    }
    order.push_back(display);
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_lateral, m_lensHeight, m_center, m_default}) {
        order.push_back(control);
    }
    if (checks != nullptr) {
        AddFieldsOf(checks, order);
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

// The fields of a group, in the order they were made; a spin box's own line edit is no stop
// of its own.
void SetUpControls::AddFieldsOf(QWidget* group, std::vector<QWidget*>& order) {
    for (QWidget* control : group->findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) != 0 &&
            qobject_cast<QAbstractSpinBox*>(control->parentWidget()) == nullptr) {
            order.push_back(control);
        }
    }
}

bool SetUpControls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        Arrange(PlanFor(static_cast<QResizeEvent*>(event)->size().width()));
    }
    return QObject::eventFilter(watched, event);
}

lumivane::SetUpPagePlan SetUpControls::PlanFor(int width) const {
    const QMargins margins = m_page->contentsMargins();
    const int lenses =
        std::max(m_lensPanel->minimumWidth(), m_lensPanel->minimumSizeHint().width());
    return lumivane::PlanSetUpPage(width - margins.left() - margins.right(),
                                   m_group->minimumSizeHint().width(),
                                   m_imageGroup->minimumSizeHint().width(), lenses,
                                   m_display->minimumWidth(), m_page->horizontalSpacing());
}

void SetUpControls::Arrange(const lumivane::SetUpPagePlan& plan) {
    if (m_plan && *m_plan == plan) {
        return;
    }
    m_plan = plan;
    using Place = lumivane::LensPanelPlace;
    for (QWidget* part : {m_group, static_cast<QWidget*>(m_imageGroup), m_lensPanel,
                          static_cast<QWidget*>(m_display)}) {
        m_page->removeWidget(part);
    }
    const bool lensesInBand = plan.lenses == Place::BesideGroups;
    const int imageRow = plan.groupsSideBySide ? kGroupsRow : kGroupsRow + 1;
    const int imageColumn = plan.groupsSideBySide ? 1 : 0;
    m_page->addWidget(m_group, kGroupsRow, 0, 1, plan.groupsSideBySide ? 1 : 3);
    m_page->addWidget(m_imageGroup, imageRow, imageColumn, 1, (lensesInBand ? 2 : 3) - imageColumn);
    switch (plan.lenses) {
    case Place::BesideGroups:
        m_page->addWidget(m_lensPanel, imageRow, 2);
        break;
    case Place::BesideDrawing:
        m_page->addWidget(m_lensPanel, kDrawingRow, 2);
        break;
    case Place::Below:
        m_page->addWidget(m_lensPanel, kLensRow, 0, 1, 3);
        break;
    }
    m_page->addWidget(m_display, kDrawingRow, 0, 1, plan.lenses == Place::BesideDrawing ? 2 : 3);
    // The lenses take the most room beside the groups; beside the drawing, the drawing does.
    m_page->setColumnStretch(2, lensesInBand ? 3 : plan.lenses == Place::BesideDrawing ? 1 : 0);
}

// The lens list follows the project's changes by itself; listing afresh on every refresh would
// also lose the user's place in it. Nor is it told of rows that only moved: the pane moves the
// view before or after the list moves itself, and a list told as well would move twice.
void SetUpControls::SetTarget(const Target& target, bool rowsMoved) {
    const bool moved = target.auditorium != m_target.auditorium ||
                       target.projector != m_target.projector || target.format != m_target.format;
    m_target = target;
    if ((moved && !rowsMoved) || m_lenses->Format() != target.format) {
        m_lenses->SetSetUp(target.auditorium, target.projector, target.format);
    }
}

void SetUpControls::Store(const QObject* field, const std::function<void(ProjectEditor&)>& edit) {
    m_hooks.Edited(field);
    edit(m_doc.Editor());
    m_hooks.Finished(field);
    Refresh(false);
}

// Typed values are stored once settled; a drag of the field's slider is stored as it moves,
// the whole drag one undo step. A field that only shows its value stores nothing.
void SetUpControls::StoreSettled(LengthEdit* field, ValueSlider* slider, const FieldEdit& edit) {
    const auto store = [this, field, edit](double metres, bool settled) {
        if (!field->isEnabled() || field->isReadOnly()) {
            return;
        }
        m_hooks.Edited(field);
        edit(m_doc.Editor(), metres);
        if (settled) {
            m_hooks.Finished(field);
        }
        Refresh(false);
    };
    connect(field, &LengthEdit::valueEdited, this, [store, slider](double metres) {
        if (slider->IsDragging()) {
            store(metres, false);
        }
    });
    connect(field, &LengthEdit::valueCommitted, this,
            [store](double metres) { store(metres, true); });
}

void SetUpControls::ConnectImageControls() {
    StoreSettled(m_focal, m_focalSlider, [this](ProjectEditor& editor, double metres) {
        editor.EditFocalLength(m_target.auditorium, m_target.projector, m_target.format,
                               metres * kMillimetresPerMetre, m_view);
    });
    StoreSettled(m_size, m_sizeSlider, [this](ProjectEditor& editor, double metres) {
        editor.EditImageSize(m_target.auditorium, m_target.projector, m_target.format, metres,
                             m_byWidth);
    });
    StoreSettled(m_throw, m_throwSlider, [this](ProjectEditor& editor, double metres) {
        editor.EditThrow(m_target.auditorium, m_target.projector, m_target.format, metres);
    });
    connect(m_sizeMode, &QPushButton::clicked, this, [this](bool byWidth) {
        Store(m_sizeMode, [&](ProjectEditor& editor) {
            editor.SetSizeMode(m_target.auditorium, m_target.projector, m_target.format, byWidth);
        });
    });
    connect(m_throwLabel, &QPushButton::clicked, this, &SetUpControls::AskThrowLock);
}

void SetUpControls::AskThrowLock() {
    const CProjectorType* projector = Projector();
    if (!EditsThrow() || projector == nullptr || !m_confirm) {
        return;
    }
    const bool locked = projector->UseDefaultThrow() != 0;
    const QString text =
        locked ? tr("This will allow the projector to have a different throw distance than the "
                    "auditorium default.  The throw distance must be set indiviually for this "
                    "projector until the projector is locked again.  Are you sure you want to do "
                    "this?")
               : tr("This will set the projector to use the default throw distance of the "
                    "auditorium.  The current throw distance of the projector will be lost.  Are "
                    "you sure you wish to do this?");
    if (m_confirm(text, tr("Projector Throw Distance"))) {
        Store(m_throwLabel, [&](ProjectEditor& editor) {
            editor.SetLockThrowDistance(m_target.auditorium, m_target.projector, !locked);
        });
    }
}

void SetUpControls::ConnectPositions() {
    connect(m_lateral, &LengthEdit::valueCommitted, this,
            [this](double metres) { StorePosition(m_lateral, true, metres); });
    connect(m_lensHeight, &LengthEdit::valueCommitted, this,
            [this](double metres) { StorePosition(m_lensHeight, false, metres); });
    const auto place = [this](QPushButton* button, PositionButton which) {
        connect(button, &QPushButton::clicked, this, [this, button, which] {
            Store(button, [&](ProjectEditor& editor) {
                editor.PlaceProjector(m_target.auditorium, m_target.projector, m_target.format,
                                      which);
            });
        });
    };
    place(m_center, PositionButton::Center);
    place(m_default, PositionButton::Default);
}

// The other coordinate is the model's own: the field may show the screen centre instead.
void SetUpControls::StorePosition(const QObject* field, bool lateral, double metres) {
    const CProjectorType* projector = Projector();
    if (projector == nullptr) {
        return;
    }
    const double across = lateral ? metres : projector->Lateral();
    const double up = lateral ? projector->LensHeight() : metres;
    Store(field, [&](ProjectEditor& editor) {
        editor.EditProjectorPosition(m_target.auditorium, m_target.projector, m_target.format,
                                     across, up, m_view);
    });
}

void SetUpControls::ShowDiameters() {
    const CLensDatabase::BarrelList& barrels = m_lenses->Barrels();
    const QSignalBlocker quiet(m_diameters);
    m_diameters->clear();
    for (const std::string& label : barrels.labels) {
        m_diameters->addItem(QString::fromStdString(label));
    }
    m_diameters->setCurrentIndex(barrels.selection);
    m_diameters->setEnabled(!barrels.labels.empty());
}

void SetUpControls::Refresh(bool force) {
    const CAuditorium* auditorium = Auditorium();
    const CProjectorType* projector = Projector();
    m_positionPanel->setEnabled(projector != nullptr);
    m_imageGroup->setEnabled(projector != nullptr);
    if (auditorium == nullptr || projector == nullptr) {
        for (LengthEdit* field : {m_throw, m_lateral, m_lensHeight}) {
            field->ShowNothing();
        }
        RefreshImage(nullptr, force);
        return;
    }
    RefreshSizeMode(*auditorium);
    RefreshThrow(*projector, force);
    RefreshPosition(*projector, force);
    RefreshImage(SetUp(), force);
}

void SetUpControls::RefreshSizeMode(const CAuditorium& auditorium) {
    m_byWidth = auditorium.ConstantHeight() == 0;
    m_sizeMode->setChecked(m_byWidth);
    m_sizeMode->setText(m_byWidth ? tr("Width") : tr("Height"));
    const QString name = m_byWidth ? tr("Image Width") : tr("Image Height");
    m_size->setAccessibleName(name);
    m_sizeSlider->setAccessibleName(name);
}

void SetUpControls::RefreshThrow(const CProjectorType& projector, bool force) {
    m_throw->SetValue(projector.GetThrow(), force);
    if (EditsThrow()) {
        const bool own = projector.UseDefaultThrow() == 0;
        m_throw->setEnabled(own);
        m_throwSlider->setEnabled(own);
    }
}

void SetUpControls::RefreshPosition(const CProjectorType& projector, bool force) {
    const lumivane::ShownPosition shown = lumivane::ShownPositionOf(projector);
    m_lateral->SetValue(shown.lateral, force);
    m_side->setText(QString::fromLatin1(shown.side));
    m_lensHeight->SetValue(shown.lensHeight, force);
    m_updown->setText(QString::fromLatin1(shown.updown));
}

void SetUpControls::RefreshImage(const CLensType* setUp, bool force) {
    const bool shown = setUp != nullptr;
    for (QWidget* control : std::initializer_list<QWidget*>{m_focal, m_focalSlider, m_size,
                                                            m_sizeSlider, m_sizeMode}) {
        control->setEnabled(shown);
    }
    // A greyed field shows nothing rather than the figures of the set-up shown before.
    if (!shown) {
        m_focal->ShowNothing();
        m_size->ShowNothing();
        return;
    }
    m_focal->SetValue(setUp->GetFocal(true, true) / kMillimetresPerMetre, force);
    m_size->SetValue(m_byWidth ? setUp->ImageWidth() : setUp->ImageHeight(), force);
}

void SetUpControls::CommitEdits() {
    for (LengthEdit* field : {m_size, m_focal, m_throw, m_lateral, m_lensHeight}) {
        field->CommitEdit();
    }
}
