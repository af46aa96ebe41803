#include "reports/DrawingDxf.h"

#include "base/AppContext.h"
#include "base/Length.h"
#include "base/Utf8Path.h"

#ifdef LUMIVANE_HAVE_DXFLIB
#include <dl_dxf.h>
#endif

#include <cmath>
#include <memory>
#include <system_error>

namespace lumivane {

namespace {

#ifdef LUMIVANE_HAVE_DXFLIB

std::string CannotWrite(const std::filesystem::path& path) {
    return "The drawing could not be written to " + Utf8FromPath(path) + ".";
}

// AutoCAD colour numbers.
constexpr int kByLayer = 256;
constexpr int kRed = 1;
constexpr int kGreen = 3;
constexpr int kCyan = 4;
constexpr int kBlue = 5;
constexpr int kMagenta = 6;
constexpr int kForeground = 7;
constexpr int kGrey = 8;
// $INSUNITS and $MEASUREMENT values.
constexpr int kMetres = 6;
constexpr int kFeet = 2;

int LayerColour(DrawingLayer layer) {
    switch (layer) {
    case DrawingLayer::Screen:
        return kForeground;
    case DrawingLayer::Images:
        return kGreen;
    case DrawingLayer::Grid:
        return kGrey;
    case DrawingLayer::Dimensions:
        return kBlue;
    case DrawingLayer::Text:
        break;
    }
    return kForeground;
}

// Roles that must stand apart from the rest of their layer get a colour of their own.
int RoleColour(DrawingRole role) {
    switch (role) {
    case DrawingRole::FlatFormat:
        return kCyan;
    case DrawingRole::ScopeFormat:
        return kMagenta;
    case DrawingRole::ImageOutline:
    case DrawingRole::LensCircle:
        return kRed;
    default:
        return kByLayer;
    }
}

class DxfOut {
public:
    DxfOut(DL_Dxf& dxf, DL_WriterA& dw, double unit) : m_dxf(dxf), m_dw(dw), m_unit(unit) {}

    void Header(bool metric) {
        m_dxf.writeHeader(m_dw);
        m_dw.dxfString(9, "$INSUNITS");
        m_dw.dxfInt(70, metric ? kMetres : kFeet);
        m_dw.dxfString(9, "$MEASUREMENT");
        m_dw.dxfInt(70, metric ? 1 : 0);
        m_dw.sectionEnd();
    }

    void Tables() {
        m_dw.sectionTables();
        m_dxf.writeVPort(m_dw);
        m_dw.tableLinetypes(3);
        m_dxf.writeLinetype(m_dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
        m_dxf.writeLinetype(m_dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
        m_dxf.writeLinetype(m_dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
        m_dw.tableEnd();
        m_dw.tableLayers(static_cast<int>(kDrawingLayers.size()) + 1);
        m_dxf.writeLayer(m_dw, DL_LayerData("0", 0),
                         DL_Attributes("", kForeground, -1, 100, "CONTINUOUS"));
        for (const DrawingLayer layer : kDrawingLayers) {
            m_dxf.writeLayer(m_dw, DL_LayerData(LayerName(layer), 0),
                             DL_Attributes("", LayerColour(layer), -1, 100, "CONTINUOUS"));
        }
        m_dw.tableEnd();
        m_dw.tableStyle(1);
        m_dxf.writeStyle(m_dw, DL_StyleData("standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
        m_dw.tableEnd();
        m_dxf.writeView(m_dw);
        m_dxf.writeUcs(m_dw);
        m_dw.tableAppid(1);
        m_dxf.writeAppid(m_dw, "ACAD");
        m_dw.tableEnd();
        m_dxf.writeDimStyle(m_dw, 1, 1, 1, 1, 1);
        m_dxf.writeBlockRecord(m_dw);
        m_dw.tableEnd();
        m_dw.sectionEnd();
    }

    void Blocks() {
        m_dw.sectionBlocks();
        for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            m_dxf.writeBlock(m_dw, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
            m_dxf.writeEndBlock(m_dw, name);
        }
        m_dw.sectionEnd();
    }

    void Entities(const Drawing& drawing) {
        m_dw.sectionEntities();
        for (const DrawingPath& path : drawing.paths) {
            Path(path);
        }
        for (const DrawingCircle& circle : drawing.circles) {
            m_dxf.writeCircle(
                m_dw,
                DL_CircleData(X(circle.centre), Y(circle.centre), 0.0, circle.radius * m_unit),
                Attributes(circle.layer, circle.role));
        }
        for (const DrawingText& text : drawing.texts) {
            Text(text);
        }
        m_dw.sectionEnd();
    }

    void End() {
        m_dxf.writeObjects(m_dw);
        m_dxf.writeObjectsEnd(m_dw);
        m_dw.dxfEOF();
    }

private:
    double X(ScreenPoint p) const { return p.x * m_unit; }
    double Y(ScreenPoint p) const { return p.y * m_unit; }

    static DL_Attributes Attributes(DrawingLayer layer, DrawingRole role) {
        return DL_Attributes(LayerName(layer), RoleColour(role), -1, -1, "BYLAYER");
    }

    void Path(const DrawingPath& path) {
        const DL_Attributes attributes = Attributes(path.layer, path.role);
        if (path.points.size() == 2 && !path.closed) {
            const ScreenPoint a = path.points[0];
            const ScreenPoint b = path.points[1];
            m_dxf.writeLine(m_dw, DL_LineData(X(a), Y(a), 0.0, X(b), Y(b), 0.0), attributes);
            return;
        }
        m_dxf.writePolyline(
            m_dw, DL_PolylineData(static_cast<int>(path.points.size()), 0, 0, path.closed ? 1 : 0),
            attributes);
        for (const ScreenPoint& p : path.points) {
            m_dxf.writeVertex(m_dw, DL_VertexData(X(p), Y(p)));
        }
        m_dxf.writePolylineEnd(m_dw);
    }

    void Text(const DrawingText& text) {
        // Left, centre, right; bottom, middle, top.
        const int across[] = {1, 2, 3};
        const int along[] = {0, 1, 2};
        const double angle = text.angle * std::acos(-1.0) / 180;
        m_dxf.writeText(
            m_dw,
            DL_TextData(X(text.at), Y(text.at), 0.0, X(text.at), Y(text.at), 0.0,
                        text.height * m_unit, 1.0, 0, along[static_cast<int>(text.along)],
                        across[static_cast<int>(text.across)], text.text, "standard", angle),
            Attributes(text.layer, text.role));
    }

    DL_Dxf& m_dxf;
    DL_WriterA& m_dw;
    double m_unit;
};

bool WriteFile(const Drawing& drawing, const std::filesystem::path& path) {
    DL_Dxf dxf;
    const std::unique_ptr<DL_WriterA> dw(dxf.out(path.string().c_str(), DL_Codes::AC1015));
    if (!dw || dw->openFailed()) {
        return false;
    }
    const bool metric = Ctx().metricUnits;
    DxfOut out(dxf, *dw, metric ? 1.0 : FeetFromMetres(1.0));
    out.Header(metric);
    out.Tables();
    out.Blocks();
    out.Entities(Flattened(drawing));
    out.End();
    dw->close();
    return true;
}

#endif

} // namespace

bool CanWriteDxf() {
#ifdef LUMIVANE_HAVE_DXFLIB
    return true;
#else
    return false;
#endif
}

std::string WriteDxf(const Drawing& drawing, const std::filesystem::path& path) {
#ifdef LUMIVANE_HAVE_DXFLIB
    std::filesystem::path part = path;
    part += ".part";
    std::error_code error;
    if (!WriteFile(drawing, part) || std::filesystem::file_size(part, error) == 0 || error) {
        std::filesystem::remove(part, error);
        return CannotWrite(path);
    }
    std::filesystem::rename(part, path, error);
    if (error) {
        std::filesystem::remove(part, error);
        return CannotWrite(path);
    }
    return {};
#else
    static_cast<void>(drawing);
    static_cast<void>(path);
    return "This build of Lumivane cannot write DXF files.";
#endif
}

} // namespace lumivane
