#pragma once
// A drawing written as an SVG file through Qt SVG: one group per drawing layer, named after it
// and marked as a layer for drawing programs, whose user units are the unit system's length
// unit (metres, or feet in English units), y downward as SVG has it. Printed as it stands the
// file is at 1:50 (a quarter inch to the foot in English units).

#include "model/Drawing.h"

#include <QString>

namespace lumivane {

// Writes through a temporary file, so a failure leaves an existing file as it was. Returns an
// error message, empty when the file was written.
QString WriteSvg(const Drawing& drawing, const QString& path, const QString& title);

} // namespace lumivane
