#pragma once
// The name of every step the editor records, in one table: the label that Undo and Redo show,
// and an identity by which the edits of one field's burst merge into one step.

#include "model/AuditoriumSettings.h"

namespace lumivane {

struct StepName {
    int id;
    const char* label;
};

namespace step {
inline constexpr StepName Recalculate{1, "Recalculate"};
inline constexpr StepName ProjectSettings{2, "Project Settings"};
inline constexpr StepName AddAuditorium{3, "Add Auditorium"};
inline constexpr StepName DuplicateAuditorium{4, "Duplicate Auditorium"};
inline constexpr StepName AuditoriumWizard{5, "Auditorium Wizard"};
inline constexpr StepName DeleteAuditorium{6, "Delete Auditorium"};
inline constexpr StepName RenameAuditorium{7, "Rename Auditorium"};
inline constexpr StepName Comments{8, "Comments"};
inline constexpr StepName AddProjector{9, "Add Projector"};
inline constexpr StepName CopyProjector{10, "Copy Projector"};
inline constexpr StepName DeleteProjector{11, "Delete Projector"};
inline constexpr StepName RenameProjector{12, "Rename Projector"};
inline constexpr StepName LockThrowDistance{13, "Lock Throw Distance"};
inline constexpr StepName AddFormat{14, "Add Format"};
inline constexpr StepName RemoveFormat{15, "Remove Format"};
inline constexpr StepName ChooseLens{16, "Choose Lens"};
inline constexpr StepName ClearLens{17, "Clear Lens"};
inline constexpr StepName ToggleLink{18, "Toggle Link"};
inline constexpr StepName LensDiameter{19, "Lens Diameter"};
inline constexpr StepName AdjustFormat{20, "Adjust Format"};
inline constexpr StepName EditFocalLength{21, "Edit Focal Length"};
inline constexpr StepName EditImageSize{22, "Edit Image Size"};
inline constexpr StepName EditThrow{23, "Edit Throw"};
inline constexpr StepName EditLensShift{24, "Edit Lens Shift"};
inline constexpr StepName AllowLensShift{25, "Allow Lens Shift"};
inline constexpr StepName AutoLensShift{26, "Auto Lens Shift"};
inline constexpr StepName ImageAlignment{27, "Image Alignment"};
inline constexpr StepName EditLensPosition{28, "Edit Lens Position"};
inline constexpr StepName CenterProjector{29, "Center Projector"};
inline constexpr StepName DefaultPosition{30, "Default Position"};
inline constexpr StepName ImageSizeMode{31, "Image Size Mode"};
inline constexpr StepName MoveProjector{32, "Move Projector"};
inline constexpr StepName FilmFormats{33, "Film Formats"};
inline constexpr StepName BoothHeights{34, "Booth Heights"};
inline constexpr StepName LightOutput{35, "Light Output"};
inline constexpr StepName LightFactor{36, "Light Factor"};
inline constexpr StepName ScreenGain{37, "Screen Gain"};
inline constexpr StepName PortGlass{38, "Port Glass"};
inline constexpr StepName Transmission3D{39, "3D Transmission"};
inline constexpr StepName SeatRows{40, "Seat Rows"};
inline constexpr StepName BoothFloor{41, "Booth Floor"};
} // namespace step

// A setting of the auditorium is a step of its own kind, labelled as the settings table says.
StepName SettingStep(AuditoriumSetting setting);

} // namespace lumivane
