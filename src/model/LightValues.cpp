#include "model/LightValues.h"

#include "base/FieldLimits.h"

#include <cmath>

namespace lumivane {

namespace {

bool Within(std::optional<double> value, double lowest, double highest) {
    return !value || (std::isfinite(*value) && *value >= lowest && *value <= highest);
}

} // namespace

bool ValidLumens(std::optional<double> lumens) {
    return Within(lumens, 0.0, kLumensLimits.highest);
}

// A factor of 0 would claim the projector gives no light at all.
bool ValidLightFactor(std::optional<double> factor) {
    return Within(factor, 0.0, 1.0) && (!factor || *factor > 0.0);
}

bool ValidGain(std::optional<double> gain) {
    return Within(gain, 0.0, kGainLimits.highest) && (!gain || *gain > 0.0);
}

bool ValidTransmission(std::optional<double> transmission) {
    return Within(transmission, 0.0, 1.0);
}

bool ValidSeatRows(const SeatRows& rows) {
    const bool lengths = Within(rows.nearest, 0.0, kLongestLength) &&
                         Within(rows.farthest, 0.0, kLongestLength) &&
                         Within(rows.eyeHeight, 0.0, kLongestLength);
    return lengths && !(rows.nearest && rows.farthest && *rows.farthest < *rows.nearest);
}

bool ValidBoothFloor(std::optional<double> height) {
    return Within(height, 0.0, kLongestLength);
}

bool ValidRoomLight(const RoomLight& room) {
    return ValidGain(room.screenGain) && ValidTransmission(room.portGlass) &&
           ValidTransmission(room.transmission3D) && ValidSeatRows(room.rows) &&
           ValidBoothFloor(room.boothFloor);
}

} // namespace lumivane
