#include "ui/DrawingExport.h"

#include "base/Utf8Path.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/FrontDrawing.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "model/SectionDrawing.h"
#include "reports/DrawingDxf.h"
#include "ui/DrawingSvg.h"
#include "ui/QtText.h"

namespace lumivane {

ScreenSubjects SubjectsOf(const CQorDoc& doc, const DrawingItems& items) {
    const ScreenSubjects subjects{doc.GetAuditorium(items.auditorium),
                                  doc.GetProjector(items.auditorium, items.projector),
                                  doc.GetLensType(items.auditorium, items.projector, items.format)};
    const bool missing =
        (items.projector >= 0 && !subjects.projector) || (items.format >= 0 && !subjects.setUp);
    return missing ? ScreenSubjects{} : subjects;
}

Drawing ExportedDrawing(const ScreenSubjects& subjects, bool section) {
    if (section) {
        return DrawSection(subjects, true).drawing;
    }
    FrontDrawingOptions options;
    options.grid = subjects.setUp != nullptr;
    options.measures = true;
    return DrawFront(subjects, options).drawing;
}

DrawingFileKind FileKindOf(const QString& path) {
    return path.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive) ? DrawingFileKind::Dxf
                                                                     : DrawingFileKind::Svg;
}

QString ExportDrawing(const ScreenSubjects& subjects, bool section, DrawingFileKind kind,
                      const QString& path) {
    if (!subjects.auditorium) {
        return QStringLiteral("The project has no such item.");
    }
    const Drawing drawing = ExportedDrawing(subjects, section);
    if (kind == DrawingFileKind::Dxf) {
        return Text(WriteDxf(drawing, PathFromUtf8(path.toStdString())));
    }
    QString title = Text(subjects.auditorium->Name());
    if (subjects.projector) {
        title += QStringLiteral(" - ") + Text(subjects.projector->Name());
    }
    if (subjects.setUp) {
        title += QStringLiteral(" - ") + Text(subjects.setUp->GetFormatName());
    }
    return WriteSvg(drawing, path, title);
}

} // namespace lumivane
