#include "views/RoomLightGroup.h"

#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LightChecks.h"
#include "model/LightTexts.h"
#include "ui/QtText.h"
#include "views/LengthEdit.h"
#include "views/LimitNotice.h"
#include "views/OptionalNumberEdit.h"
#include "views/ScreenControls.h"
#include "views/ValueLabel.h"

#include <QGridLayout>
#include <QLabel>

using lumivane::LightValue;
using lumivane::Text;

namespace {

OptionalNumberEdit* MakeNumberEdit(LightValue which) {
    auto* field = new OptionalNumberEdit(which);
    field->setObjectName(Text(lumivane::LightFieldLabel(which)));
    return field;
}

LengthEdit* MakeRowEdit() {
    auto* field = new LengthEdit;
    field->SetEmptyAllowed(true);
    field->SetZeroAllowed(true);
    field->SetFineSteps(true);
    lumivane::FitLengthField(field);
    return field;
}

} // namespace

RoomLightGroup::RoomLightGroup(CQorDoc& doc, std::function<int()> auditorium,
                               std::function<void()> shown, QWidget* parent)
    : QGroupBox(tr("Light and Sightlines"), parent), m_doc(doc),
      m_auditorium(std::move(auditorium)), m_shown(std::move(shown)),
      m_gain(MakeNumberEdit(LightValue::ScreenGain)),
      m_portGlass(MakeNumberEdit(LightValue::PortGlass)),
      m_transmission3D(MakeNumberEdit(LightValue::Transmission3D)), m_nearest(MakeRowEdit()),
      m_farthest(MakeRowEdit()), m_eyeHeight(MakeRowEdit()), m_boothFloor(MakeRowEdit()) {
    auto* layout = new QGridLayout(this);
    AddValueFields(layout);
    AddRowFields(layout);
    m_farthestAngle =
        AddFigure(layout, tr("Farthest row angle"), Text(lumivane::HorizontalTargetText()), 4);
    m_centreAngle =
        AddFigure(layout, tr("Audience centre angle"), Text(lumivane::HorizontalTargetText()), 5);
    m_verticalAngle = AddFigure(layout, tr("Nearest row vertical angle"),
                                Text(lumivane::VerticalTargetText()), 6);
    m_farthestWidths =
        AddFigure(layout, tr("Farthest row distance"), Text(lumivane::WidthsTargetText()), 7);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    ConnectFields();
}

void RoomLightGroup::AddValueFields(QGridLayout* layout) {
    lumivane::AddLabelledField(layout, tr("Screen gain"), m_gain, 0, 0);
    lumivane::AddLabelledField(layout, tr("Port glass"), m_portGlass, 1, 0);
    lumivane::AddLabelledField(layout, tr("3D transmission"), m_transmission3D, 2, 0);
    m_portGlass->setAccessibleDescription(tr("The share of the light the port glass passes"));
    m_transmission3D->setAccessibleDescription(
        tr("The share of the light the 3D system passes; empty when the room shows no 3D"));
}

void RoomLightGroup::AddRowFields(QGridLayout* layout) {
    lumivane::AddLabelledField(layout, tr("Nearest row"), m_nearest, 0, 2);
    lumivane::AddLabelledField(layout, tr("Farthest row"), m_farthest, 1, 2);
    lumivane::AddLabelledField(layout, tr("Eye height"), m_eyeHeight, 2, 2);
    lumivane::AddLabelledField(layout, tr("Booth floor"), m_boothFloor, 3, 2);
    m_nearest->setObjectName(QStringLiteral("nearestRow"));
    m_farthest->setObjectName(QStringLiteral("farthestRow"));
    m_eyeHeight->setObjectName(QStringLiteral("eyeHeight"));
    m_boothFloor->setObjectName(QStringLiteral("boothFloor"));
    m_nearest->setAccessibleDescription(tr("Distance of the nearest seat row from the screen"));
    m_farthest->setAccessibleDescription(tr("Distance of the farthest seat row from the screen"));
    m_eyeHeight->setAccessibleDescription(tr("Eye height of the nearest row above the floor"));
    m_boothFloor->setAccessibleDescription(
        tr("Height of the projection booth's floor above the auditorium floor"));
}

RoomLightGroup::Figure RoomLightGroup::AddFigure(QGridLayout* layout, const QString& caption,
                                                 const QString& target, int row) {
    auto* label = new QLabel(caption);
    auto* value = new ValueLabel(caption);
    auto* aim = new ValueLabel(caption + tr(" target"));
    aim->setWordWrap(true);
    aim->ShowValue(target, false);
    layout->addWidget(label, row, 0);
    layout->addWidget(value, row, 1);
    layout->addWidget(aim, row, 2, 1, 2);
    return {value, aim};
}

void RoomLightGroup::ConnectFields() {
    const auto store = [this](OptionalNumberEdit* field, auto set) {
        connect(field, &OptionalNumberEdit::valueCommitted, this,
                [this, set](std::optional<double> value) {
                    (m_doc.Editor().*set)(m_auditorium(), value);
                    m_shown();
                });
    };
    store(m_gain, &lumivane::ProjectEditor::SetScreenGain);
    store(m_portGlass, &lumivane::ProjectEditor::SetPortGlass);
    store(m_transmission3D, &lumivane::ProjectEditor::Set3DTransmission);
    for (LengthEdit* field : {m_nearest, m_farthest, m_eyeHeight}) {
        connect(field, &LengthEdit::valueCommitted, this, [this, field] { StoreSeatRows(field); });
    }
    connect(m_boothFloor, &LengthEdit::valueCommitted, this, [this] { StoreBoothFloor(); });
}

// The three fields are one value of the room: each stores the rows with its own part changed.
void RoomLightGroup::StoreSeatRows(LengthEdit* field) {
    const CAuditorium* auditorium = m_doc.GetAuditorium(m_auditorium());
    if (auditorium == nullptr) {
        return;
    }
    lumivane::SeatRows rows = auditorium->Light().rows;
    std::optional<double>& part = field == m_nearest    ? rows.nearest
                                  : field == m_farthest ? rows.farthest
                                                        : rows.eyeHeight;
    part = field->OptionalValue();
    if (rows == auditorium->Light().rows) {
        return;
    }
    const std::string refusal = lumivane::SeatRowsRefusal(rows);
    if (refusal.empty()) {
        m_doc.Editor().SetSeatRows(m_auditorium(), rows);
    }
    m_shown();
    lumivane::ShowLimitNotice(field, refusal);
}

void RoomLightGroup::StoreBoothFloor() {
    const CAuditorium* auditorium = m_doc.GetAuditorium(m_auditorium());
    const std::optional<double> height = m_boothFloor->OptionalValue();
    if (auditorium == nullptr || height == auditorium->Light().boothFloor) {
        return;
    }
    m_doc.Editor().SetBoothFloor(m_auditorium(), height);
    m_shown();
}

void RoomLightGroup::ShowAuditorium(const CAuditorium& auditorium, bool force) {
    const lumivane::RoomLight& light = auditorium.Light();
    m_gain->ShowValue(light.screenGain, force);
    m_portGlass->ShowValue(light.portGlass, force);
    m_transmission3D->ShowValue(light.transmission3D, force);
    m_nearest->SetOptionalValue(light.rows.nearest, force);
    m_farthest->SetOptionalValue(light.rows.farthest, force);
    m_eyeHeight->SetOptionalValue(light.rows.eyeHeight, force);
    m_boothFloor->SetOptionalValue(light.boothFloor, force);
    ShowFigures(auditorium);
}

void RoomLightGroup::ShowFigures(const CAuditorium& auditorium) {
    const lumivane::RoomSightlines lines = lumivane::CheckSightlines(auditorium);
    const auto show = [](const Figure& figure, const std::string& text, bool warning) {
        figure.value->ShowValue(Text(text), warning);
    };
    const auto outside = [](std::optional<double> angle, lumivane::Verdict (*judge)(double)) {
        return angle && judge(*angle) != lumivane::Verdict::InRange;
    };
    show(m_farthestAngle, lumivane::HorizontalAngleText(lines.farthestRowAngle),
         outside(lines.farthestRowAngle, lumivane::JudgeHorizontal));
    show(m_centreAngle, lumivane::HorizontalAngleText(lines.audienceCentreAngle),
         outside(lines.audienceCentreAngle, lumivane::JudgeHorizontal));
    show(m_verticalAngle, lumivane::VerticalAngleText(lines.nearestRowVerticalAngle),
         outside(lines.nearestRowVerticalAngle, lumivane::JudgeVertical));
    show(m_farthestWidths, lumivane::WidthsText(lines.farthestRowWidths), false);
}

void RoomLightGroup::CommitEdits() {
    for (OptionalNumberEdit* field : {m_gain, m_portGlass, m_transmission3D}) {
        field->CommitEdit();
    }
    for (LengthEdit* field : {m_nearest, m_farthest, m_eyeHeight, m_boothFloor}) {
        field->CommitEdit();
    }
}

std::vector<QWidget*> RoomLightGroup::Fields() const {
    return {m_gain,     m_portGlass, m_transmission3D, m_nearest,
            m_farthest, m_eyeHeight, m_boothFloor};
}
