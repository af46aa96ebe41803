#pragma once
// The light a lens set-up puts on the screen, as the format view shows it: the luminance with
// its verdict, the target it is judged against, the lumens the target needs and the share of
// the projector's light the format passes.

#include <QGroupBox>

class CAuditorium;
class CLensType;
class CProjectorType;
class QLabel;

class SetUpLightGroup : public QGroupBox {
    Q_OBJECT

public:
    SetUpLightGroup();

    // Empty figures without a set-up.
    void ShowSetUp(const CAuditorium* auditorium, const CProjectorType* projector,
                   const CLensType* setUp);

private:
    QLabel* AddFigure(const QString& label);

    QLabel* m_luminance;
    QLabel* m_target;
    QLabel* m_needed;
    QLabel* m_share;
};
