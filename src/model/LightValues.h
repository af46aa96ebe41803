#pragma once
// What a designer knows of the light and the seats beyond the room's geometry: the
// projector's quoted light and its ageing, the screen's gain, the glass and 3D system in the
// light path, where the seat rows are and how high the booth floor lies. Every value may be
// unset, which means "not known":
// the checks then claim nothing that depends on it.

#include <optional>

namespace lumivane {

struct ProjectorLight {
    // As the maker quotes it.
    std::optional<double> lumens;
    // Lamp or laser ageing: 1.0 when unset; a designer sizing for end of life gives less.
    std::optional<double> lightFactor;

    bool AnySet() const { return lumens || lightFactor; }
    bool operator==(const ProjectorLight&) const = default;
};

struct SeatRows {
    // Distances from the screen, metres.
    std::optional<double> nearest;
    std::optional<double> farthest;
    // Of the nearest row's eyes above the floor, metres.
    std::optional<double> eyeHeight;

    bool operator==(const SeatRows&) const = default;
};

struct RoomLight {
    // 1.0 when unset.
    std::optional<double> screenGain;
    std::optional<double> portGlass;
    // Set only when the room shows 3D.
    std::optional<double> transmission3D;
    SeatRows rows;
    // Above the auditorium floor, metres. The room's own record holds only the lens height
    // ("finished floor to lens"), so the booth floor is kept here with the seats.
    std::optional<double> boothFloor;

    bool AnySet() const {
        return screenGain || portGlass || transmission3D || rows.nearest || rows.farthest ||
               rows.eyeHeight || boothFloor;
    }
    bool operator==(const RoomLight&) const = default;
};

// The values a field, a script or a file may give; an unset value always is one.
bool ValidLumens(std::optional<double> lumens);
bool ValidLightFactor(std::optional<double> factor);
bool ValidGain(std::optional<double> gain);
bool ValidTransmission(std::optional<double> transmission);
// Distances and the eye height within the longest length a field takes, and the farthest
// row no nearer than the nearest.
bool ValidSeatRows(const SeatRows& rows);
bool ValidBoothFloor(std::optional<double> height);
bool ValidRoomLight(const RoomLight& room);

// What the checks use for an unset factor.
inline double FactorOrOne(std::optional<double> value) {
    return value.value_or(1.0);
}

} // namespace lumivane
