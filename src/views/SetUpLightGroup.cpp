#include "views/SetUpLightGroup.h"

#include "model/LightChecks.h"
#include "model/LightTexts.h"
#include "ui/QtText.h"
#include "views/ValueLabel.h"

#include <QGridLayout>
#include <QLabel>

using lumivane::Text;

SetUpLightGroup::SetUpLightGroup(QWidget* parent) : QGroupBox(tr("Light"), parent) {
    auto* layout = new QGridLayout(this);
    // The target is the longest text: it has a row of its own.
    m_luminance = AddValue(layout, tr("Luminance"), 0, 0);
    m_needed = AddValue(layout, tr("Lumens needed"), 0, 2);
    m_target = AddValue(layout, tr("Target"), 1, 0, 3);
    m_share = AddValue(layout, tr("Light share"), 2, 0);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    ShowSetUp(nullptr, nullptr, nullptr);
}

ValueLabel* SetUpLightGroup::AddValue(QGridLayout* layout, const QString& caption, int row,
                                      int column, int span) {
    auto* label = new QLabel(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* value = new ValueLabel(caption);
    layout->addWidget(label, row, column);
    layout->addWidget(value, row, column + 1, 1, span);
    return value;
}

void SetUpLightGroup::ShowSetUp(const CAuditorium* auditorium, const CProjectorType* projector,
                                const CLensType* setUp) {
    if (auditorium == nullptr || projector == nullptr || setUp == nullptr) {
        for (ValueLabel* value : {m_luminance, m_target, m_needed, m_share}) {
            value->ShowValue(Text(lumivane::kNotKnownText), false);
        }
        return;
    }
    const lumivane::SetUpLight light = lumivane::CheckSetUp(*auditorium, *projector, *setUp);
    const bool off = light.verdict && *light.verdict != lumivane::Verdict::InRange;
    m_luminance->ShowValue(Text(lumivane::SetUpLuminanceText(light)), off);
    m_target->ShowValue(Text(lumivane::TargetText(light.Target())), false);
    m_needed->ShowValue(Text(lumivane::LumensNeededText(light)), false);
    m_share->ShowValue(Text(lumivane::LightShareText(light)), false);
}
