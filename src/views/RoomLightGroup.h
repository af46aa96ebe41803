#pragma once
// The auditorium view's "Light and Sightlines" group: the screen gain, the glass and 3D
// system in the light path, where the seat rows are and the booth floor the section draws, each
// stored as one step once the user
// settles on it, and the angles the seats see the image under beside their targets.

#include <QGroupBox>

#include <functional>
#include <vector>

class CAuditorium;
class CQorDoc;
class LengthEdit;
class OptionalNumberEdit;
class QGridLayout;
class ValueLabel;

class RoomLightGroup : public QGroupBox {
    Q_OBJECT

public:
    // auditorium names the auditorium edited; shown runs after each edit.
    RoomLightGroup(CQorDoc& doc, std::function<int()> auditorium, std::function<void()> shown,
                   QWidget* parent = nullptr);

    void ShowAuditorium(const CAuditorium& auditorium, bool force);
    // Stores what a field still holds unsettled.
    void CommitEdits();
    // The fields in the order the Tab key visits them.
    std::vector<QWidget*> Fields() const;

private:
    struct Figure {
        ValueLabel* value;
        ValueLabel* target;
    };

    void AddValueFields(QGridLayout* layout);
    void AddRowFields(QGridLayout* layout);
    Figure AddFigure(QGridLayout* layout, const QString& caption, const QString& target, int row);
    void ConnectFields();
    void StoreSeatRows(LengthEdit* field);
    void StoreBoothFloor();
    void ShowFigures(const CAuditorium& auditorium);

    CQorDoc& m_doc;
    std::function<int()> m_auditorium;
    std::function<void()> m_shown;

    OptionalNumberEdit* m_gain;
    OptionalNumberEdit* m_portGlass;
    OptionalNumberEdit* m_transmission3D;
    LengthEdit* m_nearest;
    LengthEdit* m_farthest;
    LengthEdit* m_eyeHeight;
    LengthEdit* m_boothFloor;

    Figure m_farthestAngle{};
    Figure m_centreAngle{};
    Figure m_verticalAngle{};
    Figure m_farthestWidths{};
};
