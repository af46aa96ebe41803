#include "views/SetUpLightGroup.h"

#include "model/LightChecks.h"
#include "model/LightTexts.h"
#include "ui/QtText.h"

#include <QFormLayout>
#include <QLabel>

using lumivane::Text;

SetUpLightGroup::SetUpLightGroup()
    : QGroupBox(tr("Light")), m_luminance(AddFigure(tr("Luminance"))),
      m_target(AddFigure(tr("Target"))), m_needed(AddFigure(tr("Lumens needed"))),
      m_share(AddFigure(tr("Light share"))) {}

QLabel* SetUpLightGroup::AddFigure(const QString& label) {
    if (layout() == nullptr) {
        new QFormLayout(this);
    }
    auto* figure = new QLabel;
    figure->setAccessibleName(label);
    figure->setWordWrap(true);
    figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    static_cast<QFormLayout*>(layout())->addRow(label, figure);
    return figure;
}

void SetUpLightGroup::ShowSetUp(const CAuditorium* auditorium, const CProjectorType* projector,
                                const CLensType* setUp) {
    if (auditorium == nullptr || projector == nullptr || setUp == nullptr) {
        for (QLabel* figure : {m_luminance, m_target, m_needed, m_share}) {
            figure->clear();
        }
        return;
    }
    const lumivane::SetUpLight light = lumivane::CheckSetUp(*auditorium, *projector, *setUp);
    m_luminance->setText(Text(lumivane::SetUpLuminanceText(light)));
    m_target->setText(Text(lumivane::TargetText(light.Target())));
    m_needed->setText(Text(lumivane::LumensNeededText(light)));
    m_share->setText(Text(lumivane::LightShareText(light)));
}
