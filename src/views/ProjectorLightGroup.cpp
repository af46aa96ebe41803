#include "views/ProjectorLightGroup.h"

#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LightChecks.h"
#include "model/LightTexts.h"
#include "model/ProjectorType.h"
#include "ui/QtText.h"
#include "views/OptionalNumberEdit.h"
#include "views/ScreenControls.h"
#include "views/ValueLabel.h"

#include <QGridLayout>

using lumivane::LightValue;
using lumivane::Text;

ProjectorLightGroup::ProjectorLightGroup(CQorDoc& doc, std::function<void()> shown, QWidget* parent)
    : QGroupBox(tr("Light"), parent), m_doc(doc), m_shown(std::move(shown)),
      m_lumens(new OptionalNumberEdit(LightValue::Lumens)),
      m_factor(new OptionalNumberEdit(LightValue::LightFactor)),
      m_setUps(new ValueLabel(tr("Luminance"))) {
    auto* layout = new QGridLayout(this);
    lumivane::AddLabelledField(layout, tr("Light output"), m_lumens, 0, 0);
    lumivane::AddLabelledField(layout, tr("Light factor"), m_factor, 0, 2);
    m_lumens->setAccessibleDescription(tr("Lumens as the projector's maker quotes them"));
    m_factor->setAccessibleDescription(
        tr("Lamp or laser ageing: 1.0 new, less when sized for the end of its life"));
    m_setUps->setObjectName(QStringLiteral("setUpLight"));
    layout->addWidget(m_setUps, 1, 0, 1, 5);
    layout->setColumnStretch(4, 1);
    connect(m_lumens, &OptionalNumberEdit::valueCommitted, this,
            [this](std::optional<double> lumens) {
                m_doc.Editor().SetLightOutput(m_auditorium, m_projector, lumens);
                m_shown();
            });
    connect(m_factor, &OptionalNumberEdit::valueCommitted, this,
            [this](std::optional<double> factor) {
                m_doc.Editor().SetLightFactor(m_auditorium, m_projector, factor);
                m_shown();
            });
}

void ProjectorLightGroup::ShowProjector(int auditorium, int projector, bool force) {
    m_auditorium = auditorium;
    m_projector = projector;
    const CAuditorium* room = m_doc.GetAuditorium(auditorium);
    const CProjectorType* shown = m_doc.GetProjector(auditorium, projector);
    if (room == nullptr || shown == nullptr) {
        m_lumens->ShowValue(std::nullopt, true);
        m_factor->ShowValue(std::nullopt, true);
        m_setUps->ShowValue(QString(), false);
        return;
    }
    m_lumens->ShowValue(shown->Light().lumens, force);
    m_factor->ShowValue(shown->Light().lightFactor, force);
    ShowSetUps(*room, *shown);
}

void ProjectorLightGroup::ShowSetUps(const CAuditorium& auditorium,
                                     const CProjectorType& projector) {
    QStringList lines;
    for (int i = 0; i < projector.LensTypeCount(); ++i) {
        lines << Text(lumivane::SetUpLightRowText(
            lumivane::CheckSetUp(auditorium, projector, *projector.GetLensType(i))));
    }
    m_setUps->ShowValue(lines.join(u'\n'), false);
}

void ProjectorLightGroup::CommitEdits() {
    m_lumens->CommitEdit();
    m_factor->CommitEdit();
}
