#pragma once
// The view of one auditorium: its screen curve and tilt, the default throw, the comments, the
// booth heights, the front wall, the seats, the porthole and the screen size, the light and the
// seat rows with the sightlines they give, and the screen drawing below. Every change the user
// makes is stored at once through the project's editor; the fields then show what the model made of
// it.

#include "model/AuditoriumTexts.h"
#include "views/AuditoriumFields.h"
#include "views/QorView.h"
#include "views/ViewHooks.h"

#include <cstdint>
#include <optional>

class EditBurst;
class LengthEdit;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class RoomLightGroup;
class ScreenDisplay;
class ValueSlider;

class CAuditoriumView : public CQorView {
    Q_OBJECT

public:
    CAuditoriumView(CQorDoc& doc, ViewHooks hooks, QWidget* parent);

    lumivane::ViewKind Kind() const override { return lumivane::ViewKind::Auditorium; }
    void MoveItem(const lumivane::ItemPath& path) override;
    void Refresh(bool force) override;
    void CommitEdits() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    using Count = std::int32_t (CAuditorium::*)() const;

    QGroupBox* MakeCurveGroup();
    QGroupBox* MakeTiltGroup();
    QGroupBox* MakeSettingsGroup();
    QGroupBox* MakeDetailsGroup();
    void ConnectChoices();
    void ConnectLengths();
    void ConnectTexts();

    // A whole number field: each keystroke stores the number it now reads.
    void StoreCount(QLineEdit* field, lumivane::AuditoriumSetting setting, Count read);

    void RefreshShape(const CAuditorium& auditorium);
    void RefreshSettings(const CAuditorium& auditorium, bool force);
    void RefreshDetails(const CAuditorium& auditorium, bool force);
    void ShowSettingsLabels();
    void ArrangeGroups();
    void RepaintDisplay();

    AuditoriumFields m_fields;

    QComboBox* m_curveType;
    ValueSlider* m_curveSlider;
    QLabel* m_curveText;
    QComboBox* m_tiltType;
    ValueSlider* m_tiltSlider;
    QLabel* m_tiltText;
    QPushButton* m_tiltDetails;

    ValueSlider* m_throwSlider;
    LengthEdit* m_throw;
    QPlainTextEdit* m_comments;
    EditBurst* m_commentsBurst;
    QLabel* m_floorToScreenLabel;
    LengthEdit* m_floorToScreen;
    QLabel* m_floorToLensLabel;
    LengthEdit* m_floorToLens;
    QLabel* m_frontWallLabel;
    LengthEdit* m_frontWallFirst;
    LengthEdit* m_frontWallSecond;
    QLineEdit* m_seats;
    QLineEdit* m_handicapped;

    QLabel* m_name;
    QLabel* m_seatTotal;
    QLabel* m_projectorCount;
    QCheckBox* m_calcPorthole;
    LengthEdit* m_portholeDistance;
    LengthEdit* m_screenWidth;
    LengthEdit* m_screenHeight;
    QPushButton* m_screenMode;

    QGridLayout* m_groups = nullptr;
    QGroupBox* m_settingsGroup = nullptr;
    QGroupBox* m_detailsGroup = nullptr;
    RoomLightGroup* m_light;
    std::optional<bool> m_groupsSideBySide;

    // The screen drawing, below the fields.
    ScreenDisplay* m_display;
    lumivane::SettingsLabels m_labels;
};
