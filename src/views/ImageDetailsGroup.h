#pragma once
// The "Image Details" group: how big the image of one lens set-up lands on the screen, what
// the masking loses and how much the image is distorted, with figures above five percent in
// red. It only reads the items it is shown.

#include <QGroupBox>

class CAuditorium;
class CLensType;
class CProjectorType;
class QGridLayout;
class QLabel;

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
    QLabel* AddValue(QGridLayout* layout, const QString& name, int row, int column);
    static void ShowLength(QLabel* label, const std::string& text);
    static void ShowFigure(QLabel* label, const lumivane::DetailFigure& figure);

    QLabel* m_height;
    QLabel* m_topWidth;
    QLabel* m_bottomWidth;
    QLabel* m_lost;
    QLabel* m_verticalKeystone;
    QLabel* m_horizontalKeystone;
    QLabel* m_verticalStretch;
    QLabel* m_horizontalStretch;
    QLabel* m_curve;
};
