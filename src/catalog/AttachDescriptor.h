#pragma once
// A lens attachment of the maker's catalog (anamorphic adapter, magnifier, zoom attachment):
// its focal multipliers, anamorphic factors, the format kinds it provides and its fit class.

#include "catalog/Descriptor.h"

#include <cstdint>
#include <string>

namespace lumivane {
class TextArena;
class TextRecordReader;
} // namespace lumivane

class CAttachDescriptor : public CDescriptor {
public:
    CAttachDescriptor() = default;

    void Serialize(lumivane::Archive& ar, lumivane::TextArena& texts) override;
    bool IsAttachment() const override { return true; }

    // Reads the next line of "attach.txt" and computes the item number; 0 when a record was
    // read, 1 at the end of the file. Its texts are kept in texts.
    int ReadTextRecord(lumivane::TextRecordReader& file, lumivane::TextArena& texts);

    // The anamorphic factors as they come out on the given lens (none, or an item that is not
    // a lens, gives the catalog factors).
    double HorizontalStretch(const CDescriptor* lens) const;
    double VerticalStretch(const CDescriptor* lens) const;

    std::int32_t Kinds() const { return m_kinds; }
    std::int32_t Fit() const { return m_fit; }
    double ZoomMin() const { return m_zoomMin; }
    double ZoomMax() const { return m_zoomMax; }
    double HorizStretch() const { return m_horizStretch; }
    double VertStretch() const { return m_vertStretch; }
    bool IsZoom() const { return m_zoomMin != m_zoomMax; }

    // Product-list column: "Zoom 1.0 - 1.5\n", "Horiz. Ana. 2.0\n", "Vert. Ana. 1.5\n", or "\n"
    // for an attachment that does none of these.
    std::string FunctionText() const;

private:
    std::int32_t m_kinds = 0;
    std::int32_t m_fit = 0;
    double m_zoomMin = 0.0;
    double m_zoomMax = 0.0;
    double m_horizStretch = 0.0;
    double m_vertStretch = 0.0;
};
