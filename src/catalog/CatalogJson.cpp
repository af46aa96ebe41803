#include "catalog/CatalogJson.h"

#include "base/JsonWriter.h"
#include "catalog/CatalogStore.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"

#include <cstdint>
#include <string_view>

namespace lumivane {

namespace {

class CatalogJsonWriter {
public:
    void Text(std::string_view key, std::string_view value) {
        m_json.Key(key);
        m_json.String(value);
    }
    void Int(std::string_view key, std::int64_t value) {
        m_json.Key(key);
        m_json.Int(value);
    }
    // Bit sets are shown as the unsigned numbers they are.
    void Bits(std::string_view key, std::int32_t value) {
        Int(key, static_cast<std::uint32_t>(value));
    }
    void Number(std::string_view key, double value) {
        m_json.Key(key);
        m_json.Number(value);
    }

    void Common(const CDescriptor& item) {
        Int("id", item.Id());
        Text("name", item.Name());
        Text("shortName", item.ShortName());
        Text("catalog", item.Catalog());
        Int("rating", item.Rating());
    }

    void Lens(const CLensDescriptor& lens) {
        m_json.BeginObject();
        Common(lens);
        Int("barrel", lens.Barrel());
        Bits("kinds", lens.Kinds());
        Bits("attachFit", lens.AttachFit());
        Number("refFocal", lens.RefFocal());
        Number("focalMin", lens.FocalMin());
        Number("focalMax", lens.FocalMax());
        Number("offset", lens.Offset());
        Number("coverage", lens.Coverage());
        m_json.EndObject();
    }

    void Attachment(const CAttachDescriptor& attachment) {
        m_json.BeginObject();
        Common(attachment);
        Bits("kinds", attachment.Kinds());
        Bits("fit", attachment.Fit());
        Number("zoomMin", attachment.ZoomMin());
        Number("zoomMax", attachment.ZoomMax());
        Number("horizStretch", attachment.HorizStretch());
        Number("vertStretch", attachment.VertStretch());
        m_json.EndObject();
    }

    void Projector(const CProjectorDescriptor& projector) {
        m_json.BeginObject();
        Text("model", projector.GetModel());
        Text("series", projector.GetSeries());
        Text("maker", projector.GetMaker());
        Int("hres", projector.GetHres());
        Int("vres", projector.GetVres());
        Bits("kinds", projector.GetKinds());
        Text("displayName", projector.GetDisplayName());
        m_json.EndObject();
    }

    void Format(const CFormatDescriptor& format) {
        m_json.BeginObject();
        Text("name", format.GetName());
        Text("name2", format.GetName2());
        Bits("flags", format.GetFlags());
        Bits("excluded", format.GetExcluded());
        Number("aspect", format.GetAspect());
        Number("height", format.GetHeight());
        Number("width", format.GetWidth());
        Number("anamorphic", format.GetAnamorphic());
        Int("customIndex", format.GetCustomIndex());
        Number("filmDiagonal", format.FilmDiagonal());
        m_json.EndObject();
    }

    void Catalogs(const CatalogSet& catalogs) {
        m_json.BeginObject();
        m_json.Key("lenses");
        m_json.BeginArray();
        for (std::size_t i = 0; i < catalogs.lenses->LensCount(); ++i) {
            Lens(catalogs.lenses->Lens(i));
        }
        m_json.EndArray();
        m_json.Key("attachments");
        m_json.BeginArray();
        for (std::size_t i = 0; i < catalogs.lenses->AttachmentCount(); ++i) {
            Attachment(catalogs.lenses->Attachment(i));
        }
        m_json.EndArray();
        m_json.Key("projectors");
        m_json.BeginArray();
        for (int i = 0; i < catalogs.projectors->GetCount(); ++i) {
            Projector(*catalogs.projectors->GetAt(i));
        }
        m_json.EndArray();
        m_json.Key("formats");
        m_json.BeginArray();
        for (int i = 0; i < catalogs.formats->GetCount(); ++i) {
            Format(*catalogs.formats->GetAt(i));
        }
        m_json.EndArray();
        m_json.EndObject();
    }

    const std::string& Result() const { return m_json.Text(); }

private:
    JsonWriter m_json;
};

} // namespace

std::string CatalogsToJson(const CatalogSet& catalogs) {
    CatalogJsonWriter writer;
    writer.Catalogs(catalogs);
    return writer.Result();
}

} // namespace lumivane
