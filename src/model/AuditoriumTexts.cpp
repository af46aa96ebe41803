#include "model/AuditoriumTexts.h"

#include "base/FieldLimits.h"
#include "base/NumberText.h"
#include "model/Auditorium.h"
#include "model/ScreenTexts.h"
#include "model/SummaryText.h"

#include <cmath>
#include <cstdint>

namespace lumivane {

std::string ChordDepthText(const CAuditorium& auditorium) {
    const double percent = auditorium.GetCurvePercent();
    return LengthText(percent == 0 ? 0.0 : auditorium.GetChordDepth(nullptr));
}

std::string CurveText(const CAuditorium& auditorium) {
    const double percent = auditorium.GetCurvePercent();
    return CurvePercentText(percent) + " or " + CurveFractionText(percent, kViewFractionTolerance) +
           " of the throw.\n" + "Screen chord depth of " + ChordDepthText(auditorium);
}

std::string TiltAngleText(double degrees) {
    return FormatFixed(std::fabs(degrees), 1, 3);
}

std::string TiltText(double degrees) {
    return TiltAngleText(degrees) + " degrees tilted " + TiltDirectionText(degrees);
}

std::int32_t SeatCountFromText(std::string_view text) {
    return CountFromText(text, kSeatLimits);
}

std::string SeatsTotalText(const CAuditorium& auditorium) {
    const long long total =
        static_cast<long long>(auditorium.Seats()) + auditorium.HandicappedSeats();
    return "Seats: " + FormatInt(total);
}

std::string ProjectorCountText(const CAuditorium& auditorium) {
    return "Projectors: " + FormatInt(auditorium.ProjectorCount());
}

const std::vector<std::string>& CurveTypeNames() {
    static const std::vector<std::string> names{
        "None", "Recommended - 1 in 20", "2/3", "3/4", "7/8", "Throw", "Adjustable"};
    return names;
}

const std::vector<std::string>& CurveBarTypeNames() {
    static const std::vector<std::string> names{"None", "Recommended", "2/3",       "3/4",
                                                "7/8",  "Throw",       "Adjustable"};
    return names;
}

const std::vector<std::string>& TiltTypeNames() {
    static const std::vector<std::string> names{"None", "Recommended", "Adjustable"};
    return names;
}

// The thresholds are halves of the unit width, compared doubled to stay in whole numbers.
SettingsLabels SettingsLabelsFor(int paneWidth, int unitWidth) {
    const long long twice = 2LL * paneWidth;
    const long long w = unitWidth;
    std::string frontWall = twice > 83 * w ? "Size of front wall " : "Front wall ";
    if (twice > 97 * w) {
        return {"Finished floor to screen bottom ", "Finished floor to lens ", frontWall};
    }
    if (twice > 85 * w) {
        return {"FF to screen bottom ", "FF to lens ", frontWall};
    }
    return {"FF to scrn. B ", "FF to L ", frontWall};
}

} // namespace lumivane
