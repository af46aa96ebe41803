#include "catalog/LensDescriptor.h"

#include "base/Archive.h"
#include "base/NumberText.h"
#include "catalog/TextRecordReader.h"

namespace {

enum LensColumn : std::size_t {
    BarrelColumn = 3,
    RefFocalColumn,
    FocalMinColumn,
    FocalMaxColumn,
    OffsetColumn,
    CoverageColumn,
    KindsColumn,
    AttachFitColumn,
    RatingColumn
};

} // namespace

void CLensDescriptor::Serialize(lumivane::Archive& ar, lumivane::TextArena& texts) {
    CDescriptor::Serialize(ar, texts);
    if (ar.IsStoring()) {
        ar.WriteLong(m_barrel);
        ar.WriteDouble(m_refFocal);
        ar.WriteDouble(m_focalMin);
        ar.WriteDouble(m_focalMax);
        ar.WriteDouble(m_offset);
        ar.WriteDouble(m_coverage);
        ar.WriteLong(m_kinds);
        ar.WriteLong(m_attachFit);
    } else {
        ar.ReadFields(m_barrel, m_refFocal, m_focalMin, m_focalMax, m_offset, m_coverage, m_kinds,
                      m_attachFit);
    }
}

int CLensDescriptor::ReadTextRecord(lumivane::TextRecordReader& file, lumivane::TextArena& texts) {
    lumivane::TextRecord record;
    if (!file.ReadRecord(record)) {
        return 1;
    }
    ReadCommonColumns(record, RatingColumn, texts);
    m_barrel = record.Int(BarrelColumn);
    m_refFocal = record.Real(RefFocalColumn);
    m_focalMin = record.Real(FocalMinColumn);
    m_focalMax = record.Real(FocalMaxColumn);
    m_offset = record.Real(OffsetColumn);
    m_coverage = record.Real(CoverageColumn);
    m_kinds = record.Int(KindsColumn);
    m_attachFit = record.Int(AttachFitColumn);
    ComputeItemId();
    return 0;
}

std::string CLensDescriptor::BarrelText() const {
    return lumivane::FormatFixed(m_barrel * 0.1, 1) + "mm";
}

std::string CLensDescriptor::FocalText() const {
    if (IsZoom()) {
        return lumivane::FormatFixed(m_focalMin, 1) + " - " + lumivane::FormatFixed(m_focalMax, 1) +
               "mm\n";
    }
    return lumivane::FormatFixed(m_focalMax, 1) + "mm\n";
}
