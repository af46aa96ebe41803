#include "views/ImageDetailsGroup.h"

#include "model/ImageDetailsText.h"

#include <QGridLayout>
#include <QLabel>

namespace {

const QColor kWarning(255, 0, 0);

QLabel* Caption(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(text);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// The description carries the shown text too, for readers that speak only names and
// descriptions.
void ShowText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleDescription(text);
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

QLabel* ImageDetailsGroup::AddValue(QGridLayout* layout, const QString& name, int row, int column) {
    auto* value = new QLabel;
    value->setAccessibleName(name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
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

void ImageDetailsGroup::ShowLength(QLabel* label, const std::string& text) {
    ShowText(label, QString::fromStdString(text));
}

void ImageDetailsGroup::ShowFigure(QLabel* label, const lumivane::DetailFigure& figure) {
    ShowText(label, QString::fromStdString(figure.text));
    // A palette with no role set hands the label back to its parent's colours.
    QPalette colours;
    if (figure.warning) {
        colours.setColor(QPalette::WindowText, kWarning);
    }
    label->setPalette(colours);
}
