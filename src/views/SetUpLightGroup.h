#pragma once
// The format view's "Light" group: the luminance the set-up's image gets on the screen, the
// target it is judged against with the verdict, and the lumens the projector needs to reach
// the target. It only reads the items it is shown.

#include <QGroupBox>

class CAuditorium;
class CLensType;
class CProjectorType;
class QGridLayout;
class ValueLabel;

class SetUpLightGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit SetUpLightGroup(QWidget* parent = nullptr);

    // Any item missing shows every figure as not known.
    void ShowSetUp(const CAuditorium* auditorium, const CProjectorType* projector,
                   const CLensType* setUp);

private:
    ValueLabel* AddValue(QGridLayout* layout, const QString& caption, int row, int column,
                         int span = 1);

    ValueLabel* m_luminance;
    ValueLabel* m_target;
    ValueLabel* m_needed;
    ValueLabel* m_share;
};
