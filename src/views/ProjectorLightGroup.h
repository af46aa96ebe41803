#pragma once
// The projector view's "Light" group: the light the projector's maker quotes and its ageing,
// each stored as one step once the user settles on it, and per lens set-up the luminance its
// image gets and the lumens it needs.

#include <QGroupBox>

#include <functional>

class CAuditorium;
class CProjectorType;
class CQorDoc;
class OptionalNumberEdit;
class ValueLabel;

class ProjectorLightGroup : public QGroupBox {
    Q_OBJECT

public:
    // Edits store into the projector Show was last given; shown runs after each edit.
    ProjectorLightGroup(CQorDoc& doc, std::function<void()> shown, QWidget* parent = nullptr);

    // Null items show nothing known.
    void ShowProjector(int auditorium, int projector, bool force);
    void CommitEdits();

private:
    void ShowSetUps(const CAuditorium& auditorium, const CProjectorType& projector);

    CQorDoc& m_doc;
    std::function<void()> m_shown;
    int m_auditorium = -1;
    int m_projector = -1;
    OptionalNumberEdit* m_lumens;
    OptionalNumberEdit* m_factor;
    // One line per set-up, in the list's order.
    ValueLabel* m_setUps;
};
