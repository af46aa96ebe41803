#include "views/AuditoriumView.h"

#include "base/FieldLimits.h"
#include "base/NumberText.h"
#include "base/ViewSizes.h"
#include "model/Auditorium.h"
#include "model/AuditoriumEdits.h"
#include "ui/QtText.h"
#include "views/EditBurst.h"
#include "views/LengthEdit.h"
#include "views/LimitNotice.h"
#include "views/RoomLightGroup.h"
#include "views/ScreenControls.h"
#include "views/ScreenDisplay.h"
#include "views/ValueSlider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <vector>

using lumivane::SettingsLabels;
using lumivane::Text;

namespace {

constexpr int kThrowShortest = 3;
constexpr int kThrowLongest = 100;
constexpr int kThrowTicks = 10;
constexpr int kCommentLines = 3;

// A label in front of its field. Screen readers know both by one name: the label's full text,
// which a narrow pane shortens on screen, or a name of their own where the label alone says
// too little ("by").
QLabel* FieldLabel(const QString& text, QWidget* field, Qt::Alignment alignment,
                   const QString& name = QString()) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    label->setAlignment(alignment | Qt::AlignVCenter);
    const QString spoken = name.isEmpty() ? text.trimmed() : name;
    label->setAccessibleName(spoken);
    field->setAccessibleName(spoken);
    return label;
}

QLineEdit* MakeCountEdit() {
    auto* edit = new QLineEdit;
    edit->setMaxLength(11);
    return edit;
}

// Rewrites a count only when it reads as another number, so typing is never disturbed.
void ShowCount(QLineEdit* field, std::int32_t count, bool force) {
    if (!force && lumivane::SeatCountFromText(field->text().toStdString()) == count) {
        return;
    }
    const QSignalBlocker quiet(field);
    field->setText(Text(lumivane::FormatInt(count)));
}

} // namespace

CAuditoriumView::CAuditoriumView(CQorDoc& doc, ViewHooks hooks, QWidget* parent)
    : CQorView(doc, parent), m_fields(
                                 doc, std::move(hooks), [this] { return Item().auditorium; },
                                 [this] {
                                     Refresh(false);
                                     RepaintDisplay();
                                 }),
      m_curveType(lumivane::MakeTypeList(lumivane::CurveTypeNames(), tr("Screen Curve"))),
      m_curveSlider(lumivane::MakeCurveSlider(tr("Curve"))),
      m_curveText(new QLabel(tr("200% or 4/3 of the throw"))),
      m_tiltType(lumivane::MakeTypeList(lumivane::TiltTypeNames(), tr("Screen Tilt"))),
      m_tiltSlider(lumivane::MakeTiltSlider(tr("Tilt"))),
      m_tiltText(new QLabel(tr("38 degrees tilted backwards"))),
      m_tiltDetails(new QPushButton(tr("Details"))), m_throwSlider(new ValueSlider(Qt::Vertical)),
      m_throw(new LengthEdit), m_comments(new QPlainTextEdit),
      m_commentsBurst(new EditBurst(m_comments, EditBurst::EnterKey::Types)),
      m_floorToScreenLabel(nullptr), m_floorToScreen(new LengthEdit), m_floorToLensLabel(nullptr),
      m_floorToLens(new LengthEdit), m_frontWallLabel(nullptr), m_frontWallFirst(new LengthEdit),
      m_frontWallSecond(new LengthEdit), m_seats(MakeCountEdit()), m_handicapped(MakeCountEdit()),
      m_name(new QLabel(tr("Name"))), m_seatTotal(new QLabel(tr("Seats: 0"))),
      m_projectorCount(new QLabel(tr("Projectors: 0"))),
      m_calcPorthole(new QCheckBox(tr("Calc porthole"))), m_portholeDistance(new LengthEdit),
      m_screenWidth(new LengthEdit), m_screenHeight(new LengthEdit),
      m_screenMode(new QPushButton(tr("Calc"))), m_light(new RoomLightGroup(
                                                     doc, [this] { return Item().auditorium; },
                                                     [this] {
                                                         Refresh(false);
                                                         RepaintDisplay();
                                                     })),
      m_display(new ScreenDisplay(doc, this)) {
    setAccessibleName(tr("Auditorium"));
    m_groups = new QGridLayout;
    m_groups->addWidget(MakeCurveGroup(), 0, 0);
    m_groups->addWidget(MakeTiltGroup(), 0, 1);
    m_settingsGroup = MakeSettingsGroup();
    m_detailsGroup = MakeDetailsGroup();
    m_groups->setColumnStretch(0, 3);
    m_groups->setColumnStretch(1, 2);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(m_groups);
    layout->addWidget(m_display, 1);
    // The checks come after the room they judge; a window too low for all scrolls to them.
    layout->addWidget(m_light);
    const int line = fontMetrics().height();
    m_display->setMinimumSize(lumivane::DrawingLeastWidth(line),
                              lumivane::DrawingLeastHeight(line));
    // A pane narrower or lower than the fields need scrolls them rather than squeezing the
    // project tree beside it.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroll);
    for (LengthEdit* field : findChildren<LengthEdit*>()) {
        lumivane::FitLengthField(field);
    }
    for (QLineEdit* field : {m_seats, m_handicapped}) {
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(u"888888"_qs) + 12);
    }

    // Every group is placed first: Tab order joins only widgets of one window.
    ShowSettingsLabels();
    ArrangeGroups();
    std::vector<QWidget*> order{
        m_curveType,        m_curveSlider,     m_tiltType,     m_tiltSlider,    m_tiltDetails,
        m_throwSlider,      m_throw,           m_comments,     m_floorToScreen, m_floorToLens,
        m_frontWallFirst,   m_frontWallSecond, m_seats,        m_handicapped,   m_calcPorthole,
        m_portholeDistance, m_screenWidth,     m_screenHeight, m_screenMode};
    for (QWidget* field : m_light->Fields()) {
        order.push_back(field);
    }
    order.push_back(m_display);
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    ConnectChoices();
    ConnectLengths();
    ConnectTexts();
}

QGroupBox* CAuditoriumView::MakeCurveGroup() {
    auto* group = new QGroupBox(tr("Screen Curve"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_curveType);
    layout->addWidget(m_curveSlider);
    layout->addWidget(m_curveText);
    layout->addStretch();
    m_curveText->setObjectName(QStringLiteral("curveText"));
    m_curveText->setMinimumHeight(m_curveText->fontMetrics().lineSpacing() * 2);
    return group;
}

QGroupBox* CAuditoriumView::MakeTiltGroup() {
    auto* group = new QGroupBox(tr("Screen Tilt"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_tiltType);
    layout->addWidget(m_tiltSlider);
    layout->addWidget(m_tiltText);
    layout->addWidget(m_tiltDetails, 0, Qt::AlignRight);
    layout->addStretch();
    m_tiltText->setObjectName(QStringLiteral("tiltText"));
    m_tiltDetails->setAccessibleDescription(tr("Shows the screen tilt bar"));
    return group;
}

QGroupBox* CAuditoriumView::MakeSettingsGroup() {
    auto* group = new QGroupBox(tr("Settings"));
    auto* layout = new QGridLayout(group);
    m_throwSlider->SetRange(kThrowLongest, kThrowShortest);
    m_throwSlider->setTickPosition(QSlider::TicksBothSides);
    m_throwSlider->setTickInterval(kThrowTicks);
    m_throwSlider->setAccessibleName(tr("Throw"));
    lumivane::KeepTrack(m_throwSlider);
    m_throw->SetLinkedSlider(m_throwSlider);
    m_throw->SetLimits(lumivane::kThrowLimits);
    layout->addWidget(FieldLabel(tr("Throw"), m_throw, Qt::AlignHCenter), 0, 0);
    layout->addWidget(m_throwSlider, 1, 0, 4, 1, Qt::AlignHCenter);
    layout->addWidget(m_throw, 5, 0);

    layout->addWidget(FieldLabel(tr("Comments:"), m_comments, Qt::AlignLeft), 0, 1, 1, 4);
    m_comments->setAccessibleName(tr("Comments"));
    m_comments->setTabChangesFocus(true);
    m_comments->setUndoRedoEnabled(false);
    m_comments->setFixedHeight(m_comments->fontMetrics().lineSpacing() * kCommentLines +
                               2 * m_comments->frameWidth() + 8);
    layout->addWidget(m_comments, 1, 1, 1, 4);

    m_floorToScreenLabel =
        FieldLabel(tr("Finished floor to screen bottom"), m_floorToScreen, Qt::AlignRight);
    m_floorToLensLabel = FieldLabel(tr("Finished floor to lens"), m_floorToLens, Qt::AlignRight);
    m_frontWallLabel = FieldLabel(tr("Size of front wall"), m_frontWallFirst, Qt::AlignRight);
    layout->addWidget(m_floorToScreenLabel, 2, 1);
    layout->addWidget(m_floorToScreen, 2, 2);
    layout->addWidget(m_floorToLensLabel, 3, 1);
    layout->addWidget(m_floorToLens, 3, 2);
    layout->addWidget(m_frontWallLabel, 4, 1);
    layout->addWidget(m_frontWallFirst, 4, 2);
    layout->addWidget(
        FieldLabel(tr("by"), m_frontWallSecond, Qt::AlignHCenter, tr("Size of front wall by")), 4,
        3);
    layout->addWidget(m_frontWallSecond, 4, 4);

    auto* seats = new QHBoxLayout;
    seats->addWidget(m_seats, 1);
    seats->addWidget(FieldLabel(tr("Handicapped"), m_handicapped, Qt::AlignRight));
    seats->addWidget(m_handicapped, 1);
    layout->addWidget(FieldLabel(tr("Seats"), m_seats, Qt::AlignRight), 5, 1);
    layout->addLayout(seats, 5, 2, 1, 3);
    layout->setColumnStretch(2, 1);
    layout->setColumnStretch(4, 1);
    return group;
}

QGroupBox* CAuditoriumView::MakeDetailsGroup() {
    auto* group = new QGroupBox(tr("Auditorium Details"));
    auto* layout = new QGridLayout(group);
    m_name->setObjectName(QStringLiteral("auditoriumName"));
    m_seatTotal->setObjectName(QStringLiteral("seatTotal"));
    m_projectorCount->setObjectName(QStringLiteral("projectorCount"));
    layout->addWidget(m_name, 0, 0, 1, 3);
    layout->addWidget(m_seatTotal, 1, 0, 1, 3);
    layout->addWidget(m_projectorCount, 2, 0, 1, 3);
    layout->addWidget(m_calcPorthole, 3, 0, 1, 2);
    layout->addWidget(m_portholeDistance, 3, 2);
    m_portholeDistance->setAccessibleName(tr("Porthole distance"));
    m_portholeDistance->SetFineSteps(true);
    layout->addWidget(FieldLabel(tr("Screen Size"), m_screenWidth, Qt::AlignLeft), 4, 0, 1, 3);
    for (LengthEdit* size : {m_screenWidth, m_screenHeight}) {
        size->SetLimits(lumivane::kImageSizeLimits);
    }
    layout->addWidget(m_screenWidth, 5, 0);
    layout->addWidget(
        FieldLabel(tr(" by "), m_screenHeight, Qt::AlignHCenter, tr("Screen Size by")), 5, 1);
    layout->addWidget(m_screenHeight, 5, 2);
    layout->addWidget(m_screenMode, 6, 2);
    m_screenMode->setCheckable(true);
    m_screenMode->setAccessibleDescription(
        tr("Calc: the screen holds all images; Set: the screen size is typed in"));
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(7, 1);
    return group;
}

void CAuditoriumView::ConnectChoices() {
    connect(m_curveType, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_fields.Set(lumivane::AuditoriumSetting::CurveType, index); });
    connect(m_tiltType, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_fields.Set(lumivane::AuditoriumSetting::TiltType, index); });
    m_fields.StoreEachMove(m_curveSlider, lumivane::AuditoriumSetting::Curve);
    m_fields.StoreEachMove(m_tiltSlider, lumivane::AuditoriumSetting::Tilt);
    // A drag of a projector marker is one step, as a field's burst is.
    connect(m_display, &ScreenDisplay::editStarted, this,
            [this] { m_fields.Hooks().Edited(m_display); });
    connect(m_display, &ScreenDisplay::editFinished, this,
            [this] { m_fields.Hooks().Finished(m_display); });
    connect(m_tiltDetails, &QPushButton::clicked, this, [this] {
        if (m_fields.Hooks().showTiltBar) {
            m_fields.Hooks().showTiltBar();
        }
    });
    connect(m_calcPorthole, &QCheckBox::clicked, this, [this](bool on) {
        m_fields.Set(lumivane::AuditoriumSetting::CalcPorthole, on ? 1 : 0);
    });
    connect(m_screenMode, &QPushButton::clicked, this, [this](bool set) {
        m_fields.Set(lumivane::AuditoriumSetting::FixedScreen, set ? 1 : 0);
    });
}

void CAuditoriumView::ConnectLengths() {
    m_fields.StoreEachEdit(m_floorToScreen, lumivane::AuditoriumSetting::FloorToScreen);
    m_fields.StoreEachEdit(m_floorToLens, lumivane::AuditoriumSetting::FloorToBooth);
    m_fields.StoreEachEdit(m_frontWallFirst, lumivane::AuditoriumSetting::FrontWallWidth);
    m_fields.StoreEachEdit(m_frontWallSecond, lumivane::AuditoriumSetting::FrontWallHeight);
    m_fields.StoreEachEdit(m_portholeDistance, lumivane::AuditoriumSetting::PortholeDistance);
    m_fields.StoreEachEdit(m_screenWidth, lumivane::AuditoriumSetting::ScreenWidth);
    m_fields.StoreEachEdit(m_screenHeight, lumivane::AuditoriumSetting::ScreenHeight);
    // A throw is stored only once the user settles on it: a half-typed "1" of "12" would
    // otherwise move every projector to the shortest throw.
    connect(m_throw, &LengthEdit::valueCommitted, this, [this](double metres) {
        m_fields.SetFromField(m_throw, lumivane::AuditoriumSetting::DefaultThrow, metres);
        m_fields.Hooks().Finished(m_throw);
    });
}

void CAuditoriumView::ConnectTexts() {
    StoreCount(m_seats, lumivane::AuditoriumSetting::Seats, &CAuditorium::Seats);
    StoreCount(m_handicapped, lumivane::AuditoriumSetting::HandicappedSeats,
               &CAuditorium::HandicappedSeats);
    connect(m_comments, &QPlainTextEdit::textChanged, this, [this] {
        m_commentsBurst->NoteEdit();
        m_fields.SetComments(m_comments, m_comments->toPlainText().toStdString());
    });
    connect(m_commentsBurst, &EditBurst::finished, this,
            [this] { m_fields.Hooks().Finished(m_comments); });
}

void CAuditoriumView::StoreCount(QLineEdit* field, lumivane::AuditoriumSetting setting,
                                 Count read) {
    auto* burst = new EditBurst(field, EditBurst::EnterKey::Ends);
    // Not textEdited: a screen reader replaces the text without it.
    connect(field, &QLineEdit::textChanged, this, [this, field, burst, setting] {
        burst->NoteEdit();
        const std::int32_t count = lumivane::SeatCountFromText(field->text().toStdString());
        m_fields.SetFromField(field, setting, count);
    });
    // Once settled the field shows the number that was stored ("12a" becomes "12"), and a
    // number beyond the limits is told which limit it met.
    connect(burst, &EditBurst::finished, this, [this, field, read] {
        const lumivane::LimitCrossed crossed =
            lumivane::CrossedLimit(field->text().toStdString(), lumivane::kSeatLimits);
        m_fields.Hooks().Finished(field);
        if (const CAuditorium* a = GetAuditorium()) {
            ShowCount(field, (a->*read)(), true);
        }
        lumivane::ShowLimitNotice(field,
                                  lumivane::CountLimitNotice(crossed, lumivane::kSeatLimits));
    });
}

void CAuditoriumView::MoveItem(const lumivane::ItemPath& path) {
    CQorView::MoveItem(path);
    m_display->SetItems(path.auditorium, -1, -1);
}

void CAuditoriumView::Refresh(bool force) {
    // The drawing shows the whole front wall, every projector with its name.
    m_display->SetItems(Item().auditorium, -1, -1);
    const CAuditorium* auditorium = GetAuditorium();
    if (auditorium == nullptr) {
        return;
    }
    RefreshShape(*auditorium);
    RefreshSettings(*auditorium, force);
    RefreshDetails(*auditorium, force);
    m_light->ShowAuditorium(*auditorium, force);
}

void CAuditoriumView::RefreshShape(const CAuditorium& auditorium) {
    lumivane::ShowIndex(m_curveType, auditorium.CurveTypeValue());
    m_curveSlider->setEnabled(auditorium.CurveTypeValue() == CurveAdjustable);
    m_curveSlider->SetValue(auditorium.CurveValue());
    m_curveText->setText(Text(lumivane::CurveText(auditorium)));
    lumivane::ShowIndex(m_tiltType, auditorium.TiltTypeValue());
    m_tiltSlider->setEnabled(auditorium.TiltTypeValue() == TiltAdjustable);
    m_tiltSlider->SetValue(auditorium.GetTiltAngle());
    m_tiltText->setText(Text(lumivane::TiltText(auditorium.GetTiltAngle())));
}

void CAuditoriumView::RefreshSettings(const CAuditorium& auditorium, bool force) {
    const QString comments = Text(auditorium.Comments());
    if (m_comments->toPlainText() != comments) {
        const QSignalBlocker quiet(m_comments);
        m_comments->setPlainText(comments);
    }
    m_floorToLens->SetValue(auditorium.FloorToBooth(), force);
    m_floorToScreen->SetValue(auditorium.FloorToScreen(), force);
    m_frontWallFirst->SetValue(auditorium.FrontWall()[0], force);
    m_frontWallSecond->SetValue(auditorium.FrontWall()[1], force);
    ShowCount(m_seats, auditorium.Seats(), force);
    ShowCount(m_handicapped, auditorium.HandicappedSeats(), force);
    m_throw->SetValue(auditorium.DefaultThrow(), force);
}

void CAuditoriumView::RefreshDetails(const CAuditorium& auditorium, bool force) {
    m_name->setText(Text(auditorium.Name()));
    m_seatTotal->setText(Text(lumivane::SeatsTotalText(auditorium)));
    m_projectorCount->setText(Text(lumivane::ProjectorCountText(auditorium)));
    const bool set = auditorium.FixedScreen() != 0;
    m_screenMode->setChecked(set);
    m_screenMode->setText(set ? tr("Set") : tr("Calc"));
    m_screenWidth->setEnabled(set);
    m_screenHeight->setEnabled(set);
    m_screenWidth->SetValue(auditorium.ScreenWidth(), force);
    m_screenHeight->SetValue(auditorium.ScreenHeight(), force);
    const bool porthole = auditorium.CalcPorthole() != 0;
    m_calcPorthole->setChecked(porthole);
    m_portholeDistance->setEnabled(porthole);
    m_portholeDistance->SetValue(auditorium.PortholeDistance(), force);
}

// Only a field with an open burst stores anything; the others merely rewrite their text.
void CAuditoriumView::CommitEdits() {
    for (LengthEdit* field : findChildren<LengthEdit*>()) {
        field->CommitEdit();
    }
    m_light->CommitEdits();
}

void CAuditoriumView::resizeEvent(QResizeEvent* event) {
    CQorView::resizeEvent(event);
    ShowSettingsLabels();
    ArrangeGroups();
}

// The settings and the details side by side while both fit, else the details below the
// settings, so that nothing of either is pushed out of sight at the right.
void CAuditoriumView::ArrangeGroups() {
    const QMargins margins = m_groups->parentWidget()->layout()->contentsMargins();
    const int room = width() - margins.left() - margins.right() -
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const bool sideBySide = lumivane::FitsSideBySide(
        room,
        {m_settingsGroup->minimumSizeHint().width(), m_detailsGroup->minimumSizeHint().width()},
        m_groups->horizontalSpacing());
    if (m_groupsSideBySide && *m_groupsSideBySide == sideBySide) {
        return;
    }
    m_groupsSideBySide = sideBySide;
    m_groups->removeWidget(m_settingsGroup);
    m_groups->removeWidget(m_detailsGroup);
    if (sideBySide) {
        m_groups->addWidget(m_settingsGroup, 1, 0);
        m_groups->addWidget(m_detailsGroup, 1, 1);
    } else {
        m_groups->addWidget(m_settingsGroup, 1, 0, 1, 2);
        m_groups->addWidget(m_detailsGroup, 2, 0, 1, 2);
    }
}

void CAuditoriumView::ShowSettingsLabels() {
    const int unit = fontMetrics().horizontalAdvance(QStringLiteral("Wy"));
    const SettingsLabels labels = lumivane::SettingsLabelsFor(width(), unit);
    if (labels == m_labels) {
        return;
    }
    m_labels = labels;
    m_floorToScreenLabel->setText(Text(labels.floorToScreen));
    m_floorToLensLabel->setText(Text(labels.floorToLens));
    m_frontWallLabel->setText(Text(labels.frontWall));
}

void CAuditoriumView::RepaintDisplay() {
    m_display->update();
}
