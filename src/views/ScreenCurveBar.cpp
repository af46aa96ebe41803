#include "views/ScreenCurveBar.h"

#include "model/Auditorium.h"
#include "model/AuditoriumEdits.h"
#include "model/AuditoriumTexts.h"
#include "model/ScreenTexts.h"
#include "views/ScreenControls.h"
#include "views/ValueSlider.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

ScreenCurveBar::ScreenCurveBar(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium,
                               QWidget* parent)
    : ScreenBar(doc, std::move(hooks), std::move(auditorium), tr("Screen Curve"), parent),
      m_type(lumivane::MakeTypeList(lumivane::CurveBarTypeNames(), tr("Screen Curve"))),
      m_slider(lumivane::MakeCurveSlider(tr("Curve"))), m_percent(new QLabel(tr("200%"))),
      m_fraction(new QLabel(tr("3/4"))), m_depth(new QLabel) {
    setObjectName(QStringLiteral("ScreenCurveBar"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_type);
    layout->addWidget(m_slider);
    layout->addLayout(lumivane::Row({m_percent, new QLabel(tr("or")), m_fraction}));
    layout->addLayout(lumivane::Row({new QLabel(tr("Screen chord depth of")), m_depth}));
    m_percent->setAccessibleName(tr("Curve percentage"));
    m_fraction->setAccessibleName(tr("Fraction of the throw"));
    m_depth->setAccessibleName(tr("Screen chord depth"));

    connect(m_type, &QComboBox::currentIndexChanged, this,
            [this](int index) { Fields().Set(lumivane::AuditoriumSetting::CurveType, index); });
    Fields().StoreEachMove(m_slider, lumivane::AuditoriumSetting::Curve);
    Redisplay(true);
}

void ScreenCurveBar::Redisplay(bool /*force*/) {
    const CAuditorium* auditorium = Fields().Auditorium();
    m_type->setEnabled(auditorium != nullptr);
    if (auditorium == nullptr) {
        lumivane::ShowIndex(m_type, -1);
        m_slider->setEnabled(false);
        return;
    }
    lumivane::ShowIndex(m_type, auditorium->CurveTypeValue());
    m_slider->setEnabled(auditorium->CurveTypeValue() == CurveAdjustable);
    const double percent = auditorium->GetCurvePercent();
    m_percent->setText(QString::fromStdString(lumivane::CurvePercentText(percent)));
    m_fraction->setText(QString::fromStdString(
        lumivane::CurveFractionText(percent, lumivane::kBarFractionTolerance)));
    m_depth->setText(QString::fromStdString(lumivane::ChordDepthText(*auditorium)));
    m_slider->SetValue(percent);
}
