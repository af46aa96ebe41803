#include "document/ProjectEditor.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"

namespace lumivane {

bool ProjectEditor::EditRoomLight(int auditorium, StepName step,
                                  const std::function<void(RoomLight&)>& change) {
    return EditAuditorium(auditorium, step, [&](CAuditorium& owner) {
        RoomLight light = owner.Light();
        change(light);
        owner.SetLight(light);
    });
}

bool ProjectEditor::EditProjectorLight(int auditorium, int projector, StepName step,
                                       const std::function<void(ProjectorLight&)>& change) {
    return EditProjector(auditorium, projector, step, ChangeGeometry,
                         [&](CAuditorium&, CProjectorType& target) {
                             ProjectorLight light = target.Light();
                             change(light);
                             target.SetLight(light);
                         });
}

bool ProjectEditor::SetLightOutput(int auditorium, int projector, std::optional<double> lumens) {
    return ValidLumens(lumens) &&
           EditProjectorLight(auditorium, projector, step::LightOutput,
                              [&](ProjectorLight& light) { light.lumens = lumens; });
}

bool ProjectEditor::SetLightFactor(int auditorium, int projector, std::optional<double> factor) {
    return ValidLightFactor(factor) &&
           EditProjectorLight(auditorium, projector, step::LightFactor,
                              [&](ProjectorLight& light) { light.lightFactor = factor; });
}

bool ProjectEditor::SetScreenGain(int auditorium, std::optional<double> gain) {
    return ValidGain(gain) && EditRoomLight(auditorium, step::ScreenGain,
                                            [&](RoomLight& light) { light.screenGain = gain; });
}

bool ProjectEditor::SetPortGlass(int auditorium, std::optional<double> transmission) {
    return ValidTransmission(transmission) &&
           EditRoomLight(auditorium, step::PortGlass,
                         [&](RoomLight& light) { light.portGlass = transmission; });
}

bool ProjectEditor::Set3DTransmission(int auditorium, std::optional<double> transmission) {
    return ValidTransmission(transmission) &&
           EditRoomLight(auditorium, step::Transmission3D,
                         [&](RoomLight& light) { light.transmission3D = transmission; });
}

bool ProjectEditor::SetSeatRows(int auditorium, const SeatRows& rows) {
    return ValidSeatRows(rows) &&
           EditRoomLight(auditorium, step::SeatRows, [&](RoomLight& light) { light.rows = rows; });
}

bool ProjectEditor::SetBoothFloor(int auditorium, std::optional<double> height) {
    return ValidBoothFloor(height) &&
           EditRoomLight(auditorium, step::BoothFloor,
                         [&](RoomLight& light) { light.boothFloor = height; });
}

} // namespace lumivane
