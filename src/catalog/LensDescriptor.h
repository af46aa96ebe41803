#pragma once
// A prime lens of the maker's catalog: barrel, focal range, coverage and the format kinds and
// attachment fit classes it serves.

#include "catalog/Descriptor.h"

#include <cstdint>
#include <string>

namespace lumivane {
class TextArena;
class TextRecordReader;
} // namespace lumivane

class CLensDescriptor : public CDescriptor {
public:
    CLensDescriptor() = default;

    void Serialize(lumivane::Archive& ar, lumivane::TextArena& texts) override;
    bool IsLens() const override { return true; }

    // Reads the next line of "lenses.txt" and computes the item number; 0 when a record was
    // read, 1 at the end of the file. Its texts are kept in texts.
    int ReadTextRecord(lumivane::TextRecordReader& file, lumivane::TextArena& texts);

    std::int32_t Barrel() const { return m_barrel; }
    std::int32_t Kinds() const { return m_kinds; }
    std::int32_t AttachFit() const { return m_attachFit; }
    double RefFocal() const { return m_refFocal; }
    double FocalMin() const { return m_focalMin; }
    double FocalMax() const { return m_focalMax; }
    double Offset() const { return m_offset; }
    double Coverage() const { return m_coverage; }
    bool IsZoom() const { return m_focalMin != m_focalMax; }
    // Mean of the shortest and longest focal length, which the attachment corrections use.
    double MeanFocal() const { return (m_focalMin + m_focalMax) / 2.0; }

    // Product-list columns: "70.5mm" and "35.0 - 70.0mm\n" or "50.0mm\n".
    std::string BarrelText() const;
    std::string FocalText() const;

private:
    std::int32_t m_barrel = 0;
    std::int32_t m_kinds = 0;
    std::int32_t m_attachFit = 0;
    double m_refFocal = 0.0;
    double m_focalMin = 0.0;
    double m_focalMax = 0.0;
    double m_offset = 0.0;
    double m_coverage = 0.0;
};
