#include "views/ImageDetailsGroup.h"

#include "model/ImageDetailsText.h"
#include "views/ValueLabel.h"

#include <QGridLayout>
#include <QLabel>

namespace {

QLabel* Caption(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

ImageDetailsGroup::ImageDetailsGroup(QWidget* parent) : QGroupBox(tr("Image Details"), parent) {
    auto* layout = new QGridLayout(this);
    const QString lengths[] = {tr("Height"), tr("Width (Top)"), tr("Width (Bottom)"),
                               tr("Lost (Crop)")};
    for (int row = 0; row < 4; ++row) {
        layout->addWidget(Caption(lengths[row]), row, 0);
    }
    m_height = AddValue(layout, lengths[0], 0, 1);
    m_topWidth = AddValue(layout, lengths[1], 1, 1);
    m_bottomWidth = AddValue(layout, lengths[2], 2, 1);
    m_lost = AddValue(layout, lengths[3], 3, 1);

    constexpr int kTable = 4;
    layout->addWidget(Caption(tr("Distortion")), kTable, 0);
    layout->addWidget(Caption(tr("Keystone"), Qt::AlignRight), kTable, 1);
    layout->addWidget(Caption(tr("Stretch"), Qt::AlignRight), kTable, 2);
    layout->addWidget(Caption(tr("Curve"), Qt::AlignRight), kTable, 3);
    layout->addWidget(Caption(tr("Vertical")), kTable + 1, 0);
    layout->addWidget(Caption(tr("Horizontal")), kTable + 2, 0);
    m_verticalKeystone = AddValue(layout, tr("Vertical Keystone"), kTable + 1, 1);
    m_horizontalKeystone = AddValue(layout, tr("Horizontal Keystone"), kTable + 2, 1);
    m_verticalStretch = AddValue(layout, tr("Vertical Stretch"), kTable + 1, 2);
    m_horizontalStretch = AddValue(layout, tr("Horizontal Stretch"), kTable + 2, 2);
    m_curve = AddValue(layout, tr("Curve"), kTable + 1, 3);
    layout->setColumnStretch(4, 1);
    ShowSetUp(nullptr, nullptr, nullptr);
}

ValueLabel* ImageDetailsGroup::AddValue(QGridLayout* layout, const QString& name, int row,
                                        int column) {
    auto* value = new ValueLabel(name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for "-100.0%" so the table keeps its columns as the figures change.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(u"-100.0%"_qs));
    layout->addWidget(value, row, column);
    return value;
}

void ImageDetailsGroup::ShowSetUp(const CAuditorium* auditorium, const CProjectorType* projector,
                                  const CLensType* setUp) {
    const lumivane::ImageDetailsText details =
        lumivane::ImageDetailsFor(auditorium, projector, setUp);
    ShowLength(m_height, details.height);
    ShowLength(m_topWidth, details.topWidth);
    ShowLength(m_bottomWidth, details.bottomWidth);
    ShowFigure(m_lost, details.lost);
    ShowFigure(m_verticalKeystone, details.verticalKeystone);
    ShowFigure(m_horizontalKeystone, details.horizontalKeystone);
    ShowFigure(m_verticalStretch, details.verticalStretch);
    ShowFigure(m_horizontalStretch, details.horizontalStretch);
    ShowFigure(m_curve, details.curve);
}

void ImageDetailsGroup::ShowLength(ValueLabel* label, const std::string& text) {
    label->ShowValue(QString::fromStdString(text), false);
}

void ImageDetailsGroup::ShowFigure(ValueLabel* label, const lumivane::DetailFigure& figure) {
    label->ShowValue(QString::fromStdString(figure.text), figure.warning);
}
