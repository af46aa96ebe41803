#pragma once
// The auditorium view's light and sightline values and figures: screen gain, port glass, 3D
// transmission and the seat rows, with the angles the rows see the image under beside their
// targets. Each settled field is one edit of the project.

#include "views/ViewHooks.h"

#include <QGroupBox>

#include <functional>
#include <optional>

class CAuditorium;
class CQorDoc;
class LengthEdit;
class NumberField;
class QGridLayout;
class QLabel;

class RoomLightGroup : public QGroupBox {
    Q_OBJECT

public:
    // auditorium names the auditorium shown; shown runs after each edit.
    RoomLightGroup(CQorDoc& doc, ViewHooks hooks, std::function<int()> auditorium,
                   std::function<void()> shown);

    void Refresh(const CAuditorium& auditorium, bool force);
    void CommitEdits();

private:
    void AddField(QGridLayout* layout, int row, const QString& label, QWidget* field);
    QLabel* AddFigure(QGridLayout* layout, int row, const QString& label, const QString& target);
    void ConnectFields();
    void StoreRows(QObject* field);
    // Runs one edit of the shown auditorium as one step of field.
    void Store(const QObject* field, const std::function<void(int auditorium)>& edit);

    CQorDoc& m_doc;
    ViewHooks m_hooks;
    std::function<int()> m_auditorium;
    std::function<void()> m_shown;
    NumberField* m_gain;
    NumberField* m_portGlass;
    NumberField* m_transmission3D;
    LengthEdit* m_nearest;
    LengthEdit* m_farthest;
    LengthEdit* m_eyeHeight;
    QLabel* m_farthestAngle;
    QLabel* m_centreAngle;
    QLabel* m_verticalAngle;
    QLabel* m_widths;
};
