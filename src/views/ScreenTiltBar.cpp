#include "views/ScreenTiltBar.h"

#include "model/Auditorium.h"
#include "model/AuditoriumEdits.h"
#include "model/AuditoriumTexts.h"
#include "model/ScreenTexts.h"
#include "views/LengthEdit.h"
#include "views/ScreenControls.h"
#include "views/ValueSlider.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

ScreenTiltBar::ScreenTiltBar(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium,
                             QWidget* parent)
    : ScreenBar(doc, std::move(hooks), std::move(auditorium), tr("Screen Tilt"), parent),
      m_type(lumivane::MakeTypeList(lumivane::TiltTypeNames(), tr("Screen Tilt"))),
      m_slider(lumivane::MakeTiltSlider(tr("Tilt"))), m_angle(new QLabel(tr("0.0"))),
      m_direction(new QLabel), m_distance(new LengthEdit), m_height(new LengthEdit),
      m_side(new QLabel(tr("above"))) {
    setObjectName(QStringLiteral("ScreenTiltBar"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_type);
    layout->addWidget(m_slider);
    layout->addLayout(lumivane::Row({m_angle, new QLabel(tr("degrees tilted")), m_direction}));
    layout->addWidget(new QLabel(tr("The audience center is")));
    layout->addLayout(lumivane::Row({m_distance, new QLabel(tr("from the screen"))}));
    layout->addLayout(lumivane::Row({m_height, m_side, new QLabel(tr("bottom of the screen"))}));
    lumivane::FitLengthField(m_distance);
    lumivane::FitLengthField(m_height);
    m_angle->setAccessibleName(tr("Tilt angle"));
    m_direction->setAccessibleName(tr("Tilt direction"));
    m_distance->setAccessibleName(tr("Audience distance from the screen"));
    m_height->setAccessibleName(tr("Audience height above the bottom of the screen"));
    m_side->setAccessibleName(tr("Audience above or below"));
    // The audience may sit below the bottom of the screen.
    m_height->SetNoLowerLimit(true);

    connect(m_type, &QComboBox::currentIndexChanged, this,
            [this](int index) { Fields().Set(lumivane::AuditoriumSetting::TiltType, index); });
    Fields().StoreEachMove(m_slider, lumivane::AuditoriumSetting::Tilt);
    Fields().StoreEachEdit(m_distance, lumivane::AuditoriumSetting::AudienceDistance);
    Fields().StoreEachEdit(m_height, lumivane::AuditoriumSetting::AudienceHeight);
    Redisplay(true);
}

void ScreenTiltBar::Redisplay(bool force) {
    const CAuditorium* auditorium = Fields().Auditorium();
    if (auditorium == nullptr) {
        lumivane::ShowIndex(m_type, -1);
        Enable(-1);
        return;
    }
    lumivane::ShowIndex(m_type, auditorium->TiltTypeValue());
    Enable(auditorium->TiltTypeValue());
    const double angle = auditorium->GetTiltAngle();
    m_angle->setText(QString::fromStdString(lumivane::TiltAngleText(angle)));
    m_direction->setText(QString::fromStdString(lumivane::TiltDirectionText(angle)));
    m_slider->SetValue(angle);
    m_distance->SetValue(auditorium->AudienceDistance(), force);
    m_height->SetValue(auditorium->AudienceHeight(), force);
    m_side->setText(
        QString::fromStdString(lumivane::AudienceSideText(auditorium->AudienceHeight())));
}

// The slider sets an adjustable angle; a recommended one follows from where the audience sits.
void ScreenTiltBar::Enable(int tiltType) {
    m_type->setEnabled(tiltType >= 0);
    m_slider->setEnabled(tiltType == TiltAdjustable);
    const bool audience = tiltType == TiltRecommended;
    m_distance->setEnabled(audience);
    m_height->setEnabled(audience);
}
