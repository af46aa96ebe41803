#include "catalog/AttachDescriptor.h"

#include "base/Archive.h"
#include "base/NumberText.h"
#include "catalog/LensDescriptor.h"
#include "catalog/TextRecordReader.h"

namespace {

enum AttachColumn : std::size_t {
    ZoomMinColumn = 3,
    ZoomMaxColumn,
    HorizStretchColumn,
    VertStretchColumn,
    KindsColumn,
    FitColumn,
    RatingColumn
};

const CLensDescriptor* AsLens(const CDescriptor* item) {
    return item != nullptr && item->IsLens() ? static_cast<const CLensDescriptor*>(item) : nullptr;
}

} // namespace

void CAttachDescriptor::Serialize(lumivane::Archive& ar, lumivane::TextArena& texts) {
    CDescriptor::Serialize(ar, texts);
    if (ar.IsStoring()) {
        ar.WriteDouble(m_zoomMax);
        ar.WriteDouble(m_zoomMin);
        ar.WriteDouble(m_horizStretch);
        ar.WriteDouble(m_vertStretch);
        ar.WriteLong(m_kinds);
        ar.WriteLong(m_fit);
    } else {
        ar.ReadFields(m_zoomMax, m_zoomMin, m_horizStretch, m_vertStretch, m_kinds, m_fit);
    }
}

int CAttachDescriptor::ReadTextRecord(lumivane::TextRecordReader& file,
                                      lumivane::TextArena& texts) {
    lumivane::TextRecord record;
    if (!file.ReadRecord(record)) {
        return 1;
    }
    ReadCommonColumns(record, RatingColumn, texts);
    m_zoomMin = record.Real(ZoomMinColumn);
    m_zoomMax = record.Real(ZoomMaxColumn);
    m_horizStretch = record.Real(HorizStretchColumn);
    m_vertStretch = record.Real(VertStretchColumn);
    m_kinds = record.Int(KindsColumn);
    m_fit = record.Int(FitColumn);
    ComputeItemId();
    return 0;
}

double CAttachDescriptor::HorizontalStretch(const CDescriptor* lens) const {
    if (m_horizStretch == 1.0) {
        return 1.0;
    }
    const CLensDescriptor* prime = AsLens(lens);
    if (prime == nullptr) {
        return m_horizStretch;
    }
    const double x = prime->MeanFocal();
    return (x * x * 0.000011141638788 - x * 0.003217308298281 + 1.235912597298726) * m_horizStretch;
}

double CAttachDescriptor::VerticalStretch(const CDescriptor* lens) const {
    if (m_vertStretch == 1.0) {
        return 1.0;
    }
    if (const CLensDescriptor* prime = AsLens(lens)) {
        const double x = 1.54683 - prime->MeanFocal() * 0.008772;
        if (x >= 0.9 && x <= 1.2) {
            return x * m_vertStretch;
        }
    }
    return m_vertStretch;
}

std::string CAttachDescriptor::FunctionText() const {
    if (IsZoom()) {
        return "Zoom " + lumivane::FormatFixed(m_zoomMin, 1) + " - " +
               lumivane::FormatFixed(m_zoomMax, 1) + "\n";
    }
    if (HorizontalStretch(nullptr) != 1.0) {
        return "Horiz. Ana. " + lumivane::FormatFixed(HorizontalStretch(nullptr), 1) + "\n";
    }
    if (VerticalStretch(nullptr) != 1.0) {
        return "Vert. Ana. " + lumivane::FormatFixed(VerticalStretch(nullptr), 1) + "\n";
    }
    return "\n";
}
