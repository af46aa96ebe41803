#include "views/RoomLightGroup.h"

#include "base/FieldLimits.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LightTexts.h"
#include "ui/QtText.h"
#include "views/LengthEdit.h"
#include "views/NumberField.h"
#include "views/ScreenControls.h"

#include <QGridLayout>
#include <QLabel>

using lumivane::Text;

namespace {

// A length field the user emptied, or one that shows nothing, is a row that is not known.
const char* const kCleared = "lengthCleared";

std::optional<double> LengthOrNothing(const LengthEdit* field) {
    return field->property(kCleared).toBool() || field->text().trimmed().isEmpty()
               ? std::nullopt
               : std::optional<double>(field->Value());
}

void ShowLength(LengthEdit* field, std::optional<double> metres, bool force) {
    if (!metres) {
        if (force || !field->hasFocus()) {
            field->ShowNothing();
        }
        return;
    }
    field->SetValue(*metres, force);
}

} // namespace

RoomLightGroup::RoomLightGroup(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium,
                               std::function<void()> shown)
    : QGroupBox(tr("Light and Sightlines")), m_doc(doc), m_hooks(std::move(hooks)),
      m_auditorium(std::move(auditorium)), m_shown(std::move(shown)),
      m_gain(new NumberField(lumivane::kGainLimits, 2)),
      m_portGlass(new NumberField(lumivane::kTransmissionLimits, 2)),
      m_transmission3D(new NumberField(lumivane::kTransmissionLimits, 2)),
      m_nearest(new LengthEdit), m_farthest(new LengthEdit), m_eyeHeight(new LengthEdit),
      m_farthestAngle(nullptr), m_centreAngle(nullptr), m_verticalAngle(nullptr),
      m_widths(nullptr) {
    auto* layout = new QGridLayout(this);
    AddField(layout, 0, tr("Screen gain"), m_gain);
    AddField(layout, 1, tr("Port glass transmission"), m_portGlass);
    AddField(layout, 2, tr("3D transmission"), m_transmission3D);
    AddField(layout, 3, tr("Nearest row from screen"), m_nearest);
    AddField(layout, 4, tr("Farthest row from screen"), m_farthest);
    AddField(layout, 5, tr("Eye height of nearest row"), m_eyeHeight);
    m_farthestAngle =
        AddFigure(layout, 6, tr("Farthest row angle"), Text(lumivane::HorizontalTargetText()));
    m_centreAngle =
        AddFigure(layout, 7, tr("Audience centre angle"), Text(lumivane::HorizontalTargetText()));
    m_verticalAngle = AddFigure(layout, 8, tr("Nearest row up to image top"),
                                Text(lumivane::VerticalTargetText()));
    m_widths =
        AddFigure(layout, 9, tr("Farthest row distance"), Text(lumivane::WidthsTargetText()));
    layout->setColumnStretch(2, 1);
    for (LengthEdit* field : {m_nearest, m_farthest, m_eyeHeight}) {
        field->SetLimits({0.0, lumivane::kLongestLength});
        field->SetZeroAllowed(true);
        field->SetFineSteps(true);
        lumivane::FitLengthField(field);
    }
    ConnectFields();
}

void RoomLightGroup::AddField(QGridLayout* layout, int row, const QString& label, QWidget* field) {
    auto* name = new QLabel(label);
    name->setBuddy(field);
    field->setAccessibleName(label);
    layout->addWidget(name, row, 0, Qt::AlignRight);
    layout->addWidget(field, row, 1);
}

QLabel* RoomLightGroup::AddFigure(QGridLayout* layout, int row, const QString& label,
                                  const QString& target) {
    auto* figure = new QLabel;
    figure->setAccessibleName(label);
    figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(new QLabel(label), row, 0, Qt::AlignRight);
    layout->addWidget(figure, row, 1);
    auto* aim = new QLabel(tr("Target: %1").arg(target));
    aim->setWordWrap(true);
    layout->addWidget(aim, row, 2);
    return figure;
}

void RoomLightGroup::Store(const QObject* field, const std::function<void(int)>& edit) {
    const int auditorium = m_auditorium();
    if (m_doc.GetAuditorium(auditorium) == nullptr) {
        return;
    }
    m_hooks.Edited(field);
    edit(auditorium);
    m_hooks.Finished(field);
    m_shown();
}

void RoomLightGroup::ConnectFields() {
    using Set = bool (lumivane::ProjectEditor::*)(int, std::optional<double>);
    const std::pair<NumberField*, Set> factors[] = {
        {m_gain, &lumivane::ProjectEditor::SetScreenGain},
        {m_portGlass, &lumivane::ProjectEditor::SetPortGlass},
        {m_transmission3D, &lumivane::ProjectEditor::Set3DTransmission}};
    for (const auto& [field, set] : factors) {
        connect(field, &NumberField::valueCommitted, this,
                [this, field, set](std::optional<double> value) {
                    Store(field, [&](int a) { (m_doc.Editor().*set)(a, value); });
                });
    }
    for (LengthEdit* field : {m_nearest, m_farthest, m_eyeHeight}) {
        // The field rewrites an emptied text as a length when the user settles, so whether it
        // was emptied is noted while typing.
        connect(field, &LengthEdit::valueEdited, this,
                [field] { field->setProperty(kCleared, field->text().trimmed().isEmpty()); });
        connect(field, &LengthEdit::valueCommitted, this, [this, field] {
            StoreRows(field);
            field->setProperty(kCleared, false);
        });
    }
}

// A farthest row typed nearer than the nearest is refused by the editor, and the fields then
// show the rows as they stay.
void RoomLightGroup::StoreRows(QObject* field) {
    const lumivane::SeatRows rows{LengthOrNothing(m_nearest), LengthOrNothing(m_farthest),
                                  LengthOrNothing(m_eyeHeight)};
    Store(field, [&](int a) { m_doc.Editor().SetSeatRows(a, rows); });
}

void RoomLightGroup::Refresh(const CAuditorium& auditorium, bool force) {
    const lumivane::RoomLight& light = auditorium.Light();
    m_gain->SetValue(light.screenGain, force);
    m_portGlass->SetValue(light.portGlass, force);
    m_transmission3D->SetValue(light.transmission3D, force);
    ShowLength(m_nearest, light.rows.nearest, force);
    ShowLength(m_farthest, light.rows.farthest, force);
    ShowLength(m_eyeHeight, light.rows.eyeHeight, force);
    const lumivane::RoomSightlines lines = lumivane::CheckSightlines(auditorium);
    m_farthestAngle->setText(Text(lumivane::HorizontalAngleText(lines.farthestRowAngle)));
    m_centreAngle->setText(Text(lumivane::HorizontalAngleText(lines.audienceCentreAngle)));
    m_verticalAngle->setText(Text(lumivane::VerticalAngleText(lines.nearestRowVerticalAngle)));
    m_widths->setText(Text(lumivane::WidthsText(lines.farthestRowWidths)));
}

void RoomLightGroup::CommitEdits() {
    for (LengthEdit* field : {m_nearest, m_farthest, m_eyeHeight}) {
        field->CommitEdit();
    }
    for (NumberField* field : {m_gain, m_portGlass, m_transmission3D}) {
        field->CommitEdit();
    }
}
