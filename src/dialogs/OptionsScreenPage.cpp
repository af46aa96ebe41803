#include "dialogs/OptionsScreenPage.h"

#include "dialogs/FieldLabels.h"
#include "model/SummaryText.h"
#include "ui/QtText.h"
#include "views/ChoiceList.h"
#include "views/LengthEdit.h"
#include "views/ValueSlider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using lumivane::Text;

namespace {

using lumivane::FieldLabel;
using lumivane::PlainLabel;
using Model = lumivane::ScreenOptionsModel;

const QStringList kCurveTypes = {QStringLiteral("None"),      QStringLiteral("Recommended"),
                                 QStringLiteral("2/3"),       QStringLiteral("3/4"),
                                 QStringLiteral("7/8"),       QStringLiteral("Throw"),
                                 QStringLiteral("Adjustable")};
const QStringList kTiltTypes = {QStringLiteral("None"), QStringLiteral("Recommended"),
                                QStringLiteral("Adjustable")};

QComboBox* TypeList(const QStringList& entries, int current) {
    auto* list = new ChoiceList;
    list->addItems(entries);
    list->setCurrentIndex(current);
    return list;
}

ValueSlider* Slider(int first, int last, int tick, double scale) {
    auto* slider = new ValueSlider(Qt::Horizontal);
    slider->SetScale(scale);
    slider->SetRange(first, last);
    slider->setTickInterval(tick);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setMinimumWidth(160);
    return slider;
}

LengthEdit* LengthField(double value, bool fineSteps) {
    auto* edit = new LengthEdit;
    edit->SetFineSteps(fineSteps);
    edit->SetValue(value);
    return edit;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch();
    return row;
}

} // namespace

COptionsScreenPage::COptionsScreenPage(const AppSettings& options, QWidget* parent)
    : QWidget(parent), m_model(options), m_lacing(LengthField(m_model.Lacing(), true)),
      m_lock(new QCheckBox(QStringLiteral("Lock the projector to the center of the screen"))),
      m_curveType(TypeList(kCurveTypes, m_model.CurveType())),
      m_curveSlider(
          Slider(Model::kCurveSliderFirst, Model::kCurveSliderLast, Model::kCurveSliderTick, 1.0)),
      m_curvePercent(new QLabel), m_curveFraction(new QLabel), m_chordDepth(new QLabel),
      m_tiltType(TypeList(kTiltTypes, m_model.TiltType())),
      m_tiltSlider(
          Slider(0, Model::kTiltSliderLast, Model::kTiltSliderTick, Model::kTiltSliderScale)),
      m_tiltAngle(new QLabel), m_tiltDirection(new QLabel),
      m_distance(LengthField(m_model.AudienceDistance(), false)),
      m_height(LengthField(m_model.AudienceHeight(), false)), m_heightSide(new QLabel),
      m_porthole(new QCheckBox(QStringLiteral("Default calculate porthole size"))),
      m_portholeDistance(LengthField(m_model.PortholeDistance(), true)) {
    m_lacing->SetZeroAllowed(true);
    // An audience centre below the screen's bottom is typed with a leading '-'.
    m_height->SetNoLowerLimit(true);
    m_lock->setChecked(m_model.LockProjector());
    m_porthole->setChecked(m_model.Porthole());
    lumivane::NameField(m_curveSlider, QStringLiteral("Default curve percentage"));
    lumivane::NameField(m_tiltSlider, QStringLiteral("Default tilt angle"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LacingRow());
    layout->addWidget(m_lock);
    layout->addWidget(CurveGroup());
    layout->addWidget(TiltGroup());
    layout->addWidget(PortholeRow());
    layout->addStretch();
    lumivane::ChainTabOrder({m_lacing, m_lock, m_curveType, m_curveSlider, m_tiltType, m_tiltSlider,
                             m_distance, m_height, m_porthole, m_portholeDistance});
    Connect();
    ShowCurve();
    ShowTilt();
    ShowPorthole();
}

QWidget* COptionsScreenPage::LacingRow() {
    auto* row = new QWidget;
    auto* layout = Row({FieldLabel(QStringLiteral("Allow"), m_lacing), m_lacing,
                        PlainLabel(QStringLiteral("around the edge of the screen for lacing."))});
    layout->setContentsMargins(0, 0, 0, 0);
    row->setLayout(layout);
    return row;
}

QGroupBox* COptionsScreenPage::CurveGroup() {
    auto* group = new QGroupBox(QStringLiteral("Default curve"));
    lumivane::NameField(m_curveType, group->title());
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_curveType, 0, 0);
    grid->addWidget(m_curveSlider, 0, 1, 1, 2);
    grid->addLayout(Row({m_curvePercent, PlainLabel(QStringLiteral("or")), m_curveFraction}), 1, 0);
    grid->addLayout(Row({PlainLabel(QStringLiteral("Screen chord depth of")), m_chordDepth}), 1, 1,
                    1, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

QGroupBox* COptionsScreenPage::TiltGroup() {
    auto* group = new QGroupBox(QStringLiteral("Default tilt"));
    lumivane::NameField(m_tiltType, group->title());
    auto* grid = new QGridLayout(group);
    grid->addWidget(m_tiltType, 0, 0);
    grid->addWidget(m_tiltSlider, 0, 1);
    grid->addLayout(
        Row({m_tiltAngle, PlainLabel(QStringLiteral("degrees tilted")), m_tiltDirection}), 1, 1);
    grid->addLayout(Row({FieldLabel(QStringLiteral("The audience center is"), m_distance),
                         m_distance, PlainLabel(QStringLiteral("from the screen"))}),
                    2, 0, 1, 2);
    QLabel* bottom = FieldLabel(QStringLiteral("bottom of the screen"), m_height);
    grid->addLayout(Row({m_height, m_heightSide, bottom}), 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* COptionsScreenPage::PortholeRow() {
    auto* row = new QWidget;
    auto* layout = Row({m_porthole, m_portholeDistance,
                        FieldLabel(QStringLiteral("to outside wall"), m_portholeDistance)});
    layout->setContentsMargins(0, 0, 0, 0);
    row->setLayout(layout);
    return row;
}

void COptionsScreenPage::Connect() {
    connect(m_lacing, &LengthEdit::valueEdited, this, [this](double v) { m_model.SetLacing(v); });
    connect(m_lock, &QCheckBox::toggled, this, [this](bool on) { m_model.SetLockProjector(on); });
    connect(m_curveType, &QComboBox::currentIndexChanged, this, [this](int type) {
        m_model.SelectCurveType(type);
        ShowCurve();
    });
    connect(m_curveSlider, &ValueSlider::valueReported, this, [this](double percent) {
        m_model.MoveCurveSlider(percent);
        ShowCurve();
    });
    connect(m_tiltType, &QComboBox::currentIndexChanged, this, [this](int type) {
        m_model.SelectTiltType(type);
        ShowTilt();
    });
    connect(m_tiltSlider, &ValueSlider::valueReported, this, [this](double degrees) {
        m_model.MoveTiltSlider(degrees);
        ShowTilt();
    });
    connect(m_height, &LengthEdit::valueEdited, this, [this](double metres) {
        m_model.SetAudienceHeight(metres);
        ShowTilt();
    });
    connect(m_distance, &LengthEdit::valueEdited, this, [this](double metres) {
        m_model.SetAudienceDistance(metres);
        ShowTilt();
    });
    connect(m_porthole, &QCheckBox::toggled, this, [this](bool on) {
        m_model.SetPorthole(on);
        ShowPorthole();
    });
    connect(m_portholeDistance, &LengthEdit::valueEdited, this,
            [this](double metres) { m_model.SetPortholeDistance(metres); });
}

void COptionsScreenPage::ShowCurve() {
    m_curveSlider->setEnabled(m_model.CurveSliderEnabled());
    m_curveSlider->SetValue(m_model.CurveSlider());
    m_curvePercent->setText(Text(m_model.CurvePercentText()));
    m_curveFraction->setText(Text(m_model.CurveFractionText()));
    m_chordDepth->setText(Text(lumivane::LengthText(m_model.ChordDepth())));
}

void COptionsScreenPage::ShowTilt() {
    const bool audience = m_model.AudienceEnabled();
    m_tiltSlider->setEnabled(m_model.TiltSliderEnabled());
    m_tiltSlider->SetValue(m_model.TiltSlider());
    m_distance->setEnabled(audience);
    m_height->setEnabled(audience);
    m_distance->SetValue(m_model.AudienceDistance());
    m_height->SetValue(m_model.AudienceHeight());
    m_tiltAngle->setText(Text(m_model.TiltAngleText()));
    m_tiltDirection->setText(Text(m_model.TiltDirectionText()));
    m_heightSide->setText(Text(m_model.AudienceSideText()));
}

void COptionsScreenPage::ShowPorthole() {
    m_portholeDistance->setEnabled(m_model.PortholeDistanceEnabled());
}
