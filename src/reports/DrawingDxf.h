#pragma once
// A drawing written as a DXF file for CAD, through dxflib: one layer per drawing layer, lengths
// in the unit system's unit (metres, or feet in English units) and the file's units saying so.
// A build without dxflib (the Windows build) writes no DXF and says so.

#include "model/Drawing.h"

#include <filesystem>
#include <string>

namespace lumivane {

bool CanWriteDxf();

// Writes the drawing to path through a temporary file beside it, so a failure leaves an
// existing file as it was. Returns an error message, empty when the file was written.
std::string WriteDxf(const Drawing& drawing, const std::filesystem::path& path);

} // namespace lumivane
