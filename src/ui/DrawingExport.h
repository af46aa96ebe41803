#pragma once
// Writing the screen drawing of an auditorium, projector or set-up as a file for others: the
// front view (with the distortion grid when a set-up is shown) or the section, with every
// measure, as SVG or DXF. The window's export command and lumivane-cli both come here.

#include "model/Drawing.h"
#include "model/ScreenLayout.h"

#include <QString>

class CQorDoc;

namespace lumivane {

enum class DrawingFileKind { Svg, Dxf };

// The items by position: an auditorium, and optionally one of its projectors and one of that
// projector's set-ups (-1 for none).
struct DrawingItems {
    int auditorium = -1;
    int projector = -1;
    int format = -1;
};

// The subjects the items name in doc; the auditorium is null when an item does not exist.
ScreenSubjects SubjectsOf(const CQorDoc& doc, const DrawingItems& items);

Drawing ExportedDrawing(const ScreenSubjects& subjects, bool section);

// The file kind a name's ending asks for: ".dxf" in any case is DXF, anything else SVG.
DrawingFileKind FileKindOf(const QString& path);

// Writes the drawing of the subjects; an error message, empty when the file was written.
QString ExportDrawing(const ScreenSubjects& subjects, bool section, DrawingFileKind kind,
                      const QString& path);

} // namespace lumivane
