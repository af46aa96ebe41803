#include "views/LensView.h"

#include "base/ViewSizes.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/LensViewTexts.h"
#include "ui/QtText.h"
#include "views/EditBurst.h"
#include "views/LensShiftPicture.h"
#include "views/ScreenControls.h"
#include "views/ScreenDisplay.h"
#include "views/ValueSlider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

using lumivane::Text;

namespace {

// Half a millimetre of shift per step, within about 25 mm either way. The step is kept in
// single precision, as the shifts stored in project files were made with it.
const double kShiftScale = static_cast<double>(0.005f);
constexpr double kShiftPerValue = 0.1;
// The way back: multiplying, as dividing by 0.1 would put some shifts a step short.
constexpr double kValuePerShift = 10;
constexpr int kShiftSteps = 50;
constexpr int kShiftTicks = 5;
constexpr int kSmallestCommentLines = 2;

ValueSlider* MakeShiftSlider(Qt::Orientation orientation, const QString& name) {
    auto* slider = new ValueSlider(orientation);
    slider->SetScale(kShiftScale);
    // Up is at the top of the vertical slider.
    if (orientation == Qt::Vertical) {
        slider->SetRange(kShiftSteps, -kShiftSteps);
    } else {
        slider->SetRange(-kShiftSteps, kShiftSteps);
    }
    slider->setTickPosition(QSlider::TicksBothSides);
    slider->setTickInterval(kShiftTicks);
    slider->setAccessibleName(name);
    lumivane::KeepTrack(slider);
    return slider;
}

void ShowChecked(QCheckBox* box, bool checked) {
    const QSignalBlocker quiet(box);
    box->setChecked(checked);
}

} // namespace

CLensView::CLensView(CQorDoc& doc, ViewHooks hooks, QWidget* parent)
    : CQorView(doc, parent),
      m_fields(
          doc, std::move(hooks), [this] { return Item().auditorium; }, [this] { Refresh(false); }),
      m_comments(new QPlainTextEdit),
      m_commentsBurst(new EditBurst(m_comments, EditBurst::EnterKey::Types)), m_name(new QLabel),
      m_focalLength(new QLabel), m_diameter(new QLabel),
      m_allowShift(new QCheckBox(tr("Allow lens shift"))),
      m_autoShift(new QCheckBox(tr("Auto lens shift"))),
      m_horizontal(MakeShiftSlider(Qt::Horizontal, tr("Horizontal Shift"))),
      m_vertical(MakeShiftSlider(Qt::Vertical, tr("Vertical Shift"))), m_shiftText(new QLabel),
      m_alignment(lumivane::MakeTypeList(lumivane::AlignmentNames(), tr("Alignment"))),
      m_picture(new LensShiftPicture(doc)), m_display(new ScreenDisplay(doc, this)) {
    setAccessibleName(tr("Lens"));
    m_display->SetDrawGrid(true);
    m_display->SetShowProjectors(true);
    // A pane too small for everything scrolls to a drawing still worth looking at.
    const int line = fontMetrics().height();
    m_display->setMinimumSize(lumivane::DrawingLeastWidth(line),
                              lumivane::DrawingLeastHeight(line));

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(MakeContent());

    const std::vector<QWidget*> order{m_comments,   m_allowShift, m_autoShift, m_alignment,
                                      m_horizontal, m_vertical,   m_display};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    ConnectComments();
    ConnectShiftControls();
    FitComments();
    Refresh(true);
}

// A pane too small for the controls scrolls them, as the other views do.
QWidget* CLensView::MakeContent() {
    auto* commentsLabel = new QLabel(tr("Comments:"));
    commentsLabel->setBuddy(m_comments);
    m_comments->setAccessibleName(tr("Comments"));
    m_comments->setTabChangesFocus(true);
    m_comments->setUndoRedoEnabled(false);

    // The drawing takes what the details leave beside the shift controls, which keep their
    // own size: the pane's height goes to the drawing, not to empty group boxes.
    auto* left = new QVBoxLayout;
    left->addWidget(MakeDetailsGroup());
    left->addWidget(m_allowShift);
    left->addWidget(m_display, 1);
    auto* groups = new QHBoxLayout;
    groups->addLayout(left, 1);
    auto* shift = new QVBoxLayout;
    shift->addWidget(MakeShiftGroup());
    shift->addStretch();
    groups->addLayout(shift);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(commentsLabel);
    layout->addWidget(m_comments);
    layout->addLayout(groups, 1);
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    return scroll;
}

QGroupBox* CLensView::MakeDetailsGroup() {
    auto* group = new QGroupBox(tr("Lens Details"));
    auto* layout = new QVBoxLayout(group);
    for (QLabel* label : {m_name, m_focalLength, m_diameter}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    }
    m_name->setWordWrap(true);
    m_name->setObjectName(QStringLiteral("lensName"));
    m_focalLength->setObjectName(QStringLiteral("lensFocalLength"));
    m_diameter->setObjectName(QStringLiteral("lensDiameter"));
    return group;
}

// The barrel picture stands with the vertical slider at its side and the horizontal one
// below it, so each slider runs along the way it moves the barrel.
QGroupBox* CLensView::MakeShiftGroup() {
    auto* group = new QGroupBox(tr("Lens Shift"));
    auto* layout = new QGridLayout(group);
    layout->addWidget(m_autoShift, 0, 0);
    layout->addWidget(m_alignment, 1, 0);
    layout->addWidget(m_picture, 2, 0);
    layout->addWidget(m_vertical, 2, 1);
    layout->addWidget(m_horizontal, 3, 0);
    m_shiftText->setObjectName(QStringLiteral("shiftText"));
    layout->addWidget(m_shiftText, 4, 0, 1, 2);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(5, 1);
    m_alignment->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return group;
}

void CLensView::ConnectComments() {
    connect(m_comments, &QPlainTextEdit::textChanged, this, [this] {
        if (!GetLensType()) {
            return;
        }
        m_commentsBurst->NoteEdit();
        m_fields.SetComments(m_comments, m_comments->toPlainText().toStdString());
    });
    connect(m_commentsBurst, &EditBurst::finished, this,
            [this] { m_fields.Hooks().Finished(m_comments); });
}

void CLensView::ConnectShiftControls() {
    lumivane::ProjectEditor& editor = Doc().Editor();
    connect(m_allowShift, &QCheckBox::clicked, this, [this, &editor](bool on) {
        if (GetLensType()) {
            editor.SetAllowLensShift(Item().auditorium, Item().projector, Format(), on);
        }
        Refresh(false);
    });
    connect(m_autoShift, &QCheckBox::clicked, this, [this, &editor](bool on) {
        if (GetLensType()) {
            editor.SetAutoLensShift(Item().auditorium, Item().projector, Format(), on);
        }
        Refresh(false);
    });
    connect(m_alignment, &QComboBox::currentIndexChanged, this, [this, &editor](int row) {
        if (GetLensType() && m_alignment->isEnabled()) {
            editor.SetAlignment(Item().auditorium, Item().projector, Format(),
                                lumivane::AlignmentOfRow(row));
        }
        Refresh(false);
    });
    StoreEachMove(m_horizontal, true);
    StoreEachMove(m_vertical, false);
    // A drag of the projector's marker is one step, as a slider's drag is.
    connect(m_display, &ScreenDisplay::editStarted, this,
            [this] { m_fields.Hooks().Edited(m_display); });
    connect(m_display, &ScreenDisplay::editFinished, this,
            [this] { m_fields.Hooks().Finished(m_display); });
}

// A greyed slider stands for a shift the auditorium computes; a screen reader may still move
// it, but that must not store anything.
void CLensView::StoreEachMove(ValueSlider* slider, bool horizontal) {
    connect(slider, &ValueSlider::valueReported, this, [this, slider, horizontal](double value) {
        const CLensType* setUp = GetLensType();
        if (setUp && slider->isEnabled()) {
            const double shift = value * kShiftPerValue;
            m_fields.Hooks().Edited(slider);
            Doc().Editor().EditLensShift(Item().auditorium, Item().projector, Format(),
                                         horizontal ? setUp->ShiftV() : shift,
                                         horizontal ? shift : setUp->ShiftH());
        }
        Refresh(false);
    });
    connect(slider, &ValueSlider::editFinished, this,
            [this, slider] { m_fields.Hooks().Finished(slider); });
}

void CLensView::MoveItem(const lumivane::ItemPath& path) {
    CQorView::MoveItem(path);
    ShowItems();
}

void CLensView::ShowItems() {
    m_display->SetItems(Item().auditorium, Item().projector, Format());
    m_picture->SetLensSetup(Item().auditorium, Item().projector, Format());
}

void CLensView::Refresh(bool /*force*/) {
    ShowItems();
    // A set-up without a lens still has its auditorium's settings and its own shift.
    const CLensType* setUp = GetLensType();
    const CAuditorium* auditorium = setUp ? GetAuditorium() : nullptr;
    ShowTexts(setUp);
    const QString comments = auditorium ? Text(auditorium->Comments()) : QString();
    if (m_comments->toPlainText() != comments) {
        const QSignalBlocker quiet(m_comments);
        m_comments->setPlainText(comments);
    }
    m_comments->setEnabled(auditorium != nullptr);
    ShowSettings(auditorium, setUp);
}

void CLensView::ShowTexts(const CLensType* setUp) {
    const lumivane::LensDetailsText texts = lumivane::LensDetailsFor(setUp);
    m_name->setText(Text(texts.name));
    m_focalLength->setText(Text(texts.focalLength));
    m_diameter->setText(Text(texts.diameter));
    m_shiftText->setText(Text(texts.shift));
}

void CLensView::ShowSettings(const CAuditorium* auditorium, const CLensType* setUp) {
    const bool allowed = auditorium && auditorium->AllowLensShift();
    const bool automatic = auditorium && auditorium->AutoLensShift();
    ShowChecked(m_allowShift, allowed);
    ShowChecked(m_autoShift, automatic);
    m_allowShift->setEnabled(auditorium != nullptr);
    m_autoShift->setEnabled(allowed);
    m_alignment->setEnabled(allowed && automatic);
    m_horizontal->setEnabled(allowed && !automatic);
    m_vertical->setEnabled(allowed && !automatic);
    lumivane::ShowIndex(m_alignment,
                        auditorium ? lumivane::AlignmentRow(auditorium->AlignmentValue()) : -1);
    m_horizontal->SetValue(setUp ? setUp->ShiftH() * kValuePerShift : 0.0);
    m_vertical->SetValue(setUp ? setUp->ShiftV() * kValuePerShift : 0.0);
}

void CLensView::resizeEvent(QResizeEvent* event) {
    CQorView::resizeEvent(event);
    FitComments();
}

// The comments take a fifth of the pane, less a line, but never less than two lines.
void CLensView::FitComments() {
    const int line = m_comments->fontMetrics().lineSpacing();
    const int frame = 2 * m_comments->frameWidth() + 8;
    m_comments->setFixedHeight(
        std::max(kSmallestCommentLines * line + frame, height() / 5 - fontMetrics().height()));
}
