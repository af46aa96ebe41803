#pragma once
// The "Image Details" group: how big the image of one lens set-up lands on the screen, what
// the masking loses and how much the image is distorted, with figures above five percent in
// red. It only reads the items it is shown.

#include <QGroupBox>

class CAuditorium;
class CLensType;
class CProjectorType;
class QGridLayout;
class ValueLabel;

namespace lumivane {
struct DetailFigure;
}

class ImageDetailsGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit ImageDetailsGroup(QWidget* parent = nullptr);

    // Any item missing shows the empty details.
    void ShowSetUp(const CAuditorium* auditorium, const CProjectorType* projector,
                   const CLensType* setUp);

private:
    // A value label at row and column, spoken as name.
    ValueLabel* AddValue(QGridLayout* layout, const QString& name, int row, int column);
    static void ShowLength(ValueLabel* label, const std::string& text);
    static void ShowFigure(ValueLabel* label, const lumivane::DetailFigure& figure);

    ValueLabel* m_height;
    ValueLabel* m_topWidth;
    ValueLabel* m_bottomWidth;
    ValueLabel* m_lost;
    ValueLabel* m_verticalKeystone;
    ValueLabel* m_horizontalKeystone;
    ValueLabel* m_verticalStretch;
    ValueLabel* m_horizontalStretch;
    ValueLabel* m_curve;
};
