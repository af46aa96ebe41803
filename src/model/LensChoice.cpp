#include "model/LensChoice.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/NumberText.h"
#include "catalog/AttachDescriptor.h"
#include "catalog/FormatFlags.h"
#include "catalog/LensDatabase.h"
#include "catalog/LensDescriptor.h"
#include "model/LensType.h"

#include <algorithm>
#include <limits>

namespace {

namespace Flag = lumivane::FormatFlag;

constexpr double kRing2LowerBuilt = 49.8;
constexpr double kRing2LowerRead = 49.5;

// The adapter ring an attachment needs on a prime of nominal focal length f; 0 keeps the
// ring already chosen.
std::int32_t RingFor(const CAttachDescriptor& attachment, double f, double ring2Lower,
                     std::int32_t current) {
    std::int32_t ring = current;
    if ((attachment.Kinds() & Flag::AdapterRingSmall) && f >= 28 && f <= 65.5) {
        ring = 1;
    }
    if ((attachment.Kinds() & Flag::AdapterRingLarge) && f >= ring2Lower && f <= 75.5) {
        ring = 2;
    }
    return ring;
}

std::int32_t SaturatedInt32(long long value) {
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::string_view lumivane::AdapterRingCatalog(std::int32_t ring) {
    return ring == 1 ? "48-206651" : ring == 2 ? "48-203175" : "";
}

void CLensChoice::AddItem(const CDescriptor* item) {
    Append(item, kRing2LowerBuilt);
}

void CLensChoice::Append(const CDescriptor* item, double ring2LowerFocal) {
    if (!item) {
        return;
    }
    if (!m_catalog) {
        m_catalog = lumivane::Ctx().lenses;
    }
    const CLensDescriptor* prime = FirstLens();
    m_items.push_back(item);
    if (item->IsAttachment()) {
        const auto& attachment = static_cast<const CAttachDescriptor&>(*item);
        m_factorH *= attachment.HorizontalStretch(m_items.front());
        m_factorV *= attachment.VerticalStretch(m_items.front());
        if (prime) {
            m_adapterRing = RingFor(attachment, prime->RefFocal(), ring2LowerFocal, m_adapterRing);
        }
        return;
    }
    if (!item->IsLens()) {
        return;
    }
    const auto& lens = static_cast<const CLensDescriptor&>(*item);
    const double f = lens.RefFocal();
    if (lens.Kinds() & Flag::Anamorphic200) {
        m_factorH = (f * f * 0.000011141638788 - f * 0.003217308298281 + 1.235912597298726) * 1.924;
    }
    if (lens.Kinds() & Flag::Anamorphic148) {
        m_factorH = 1.48;
    }
    if (lens.Kinds() & Flag::Anamorphic190) {
        m_factorH = 1.9;
    }
    if (lens.Kinds() & Flag::Anamorphic133) {
        m_factorH = 1.33;
    }
    if (lens.Kinds() & Flag::Anamorphic142) {
        m_factorH = 1.42;
    }
    for (const CDescriptor* other : m_items) {
        if (other->IsAttachment()) {
            m_adapterRing = RingFor(static_cast<const CAttachDescriptor&>(*other), f,
                                    kRing2LowerRead, m_adapterRing);
            break;
        }
    }
}

void CLensChoice::Evaluate(const CLensType& setUp) {
    long long q = 100;
    for (const CDescriptor* item : m_items) {
        if (item->IsLens()) {
            m_focal = static_cast<const CLensDescriptor&>(*item).RefFocal();
        }
        q = SaturatedInt32(static_cast<long long>(item->Rating()) * q / 100);
    }
    const auto [lo, hi] = FocalRange();
    const double w = setUp.BareFocalMm();
    // A fixed combination keeps the nominal focal length of its prime as its setting.
    if (lo <= w && w <= hi) {
        m_achievedFocal = w;
        if (hi != lo) {
            m_focal = w;
        }
    } else {
        m_achievedFocal = w < lo ? lo : hi;
        if (hi != lo) {
            m_focal = m_achievedFocal;
        }
    }
    m_quality = CLensDatabase::FocalPenalty(setUp.GetFocal(true, false), m_achievedFocal,
                                            static_cast<std::int32_t>(q));
}

std::pair<double, double> CLensChoice::FocalRange() const {
    double lo = 1;
    double hi = 1;
    for (const CDescriptor* item : m_items) {
        if (item->IsLens()) {
            const auto& lens = static_cast<const CLensDescriptor&>(*item);
            lo *= lens.FocalMin();
            hi *= lens.FocalMax();
        } else if (item->IsAttachment()) {
            const auto& attachment = static_cast<const CAttachDescriptor&>(*item);
            const double factor = attachment.VerticalStretch(m_items.front());
            lo *= attachment.ZoomMin() / factor;
            hi *= attachment.ZoomMax() / factor;
        }
    }
    return {lo, hi};
}

double CLensChoice::GetMinFocal() const {
    return FocalRange().first;
}

double CLensChoice::GetMaxFocal() const {
    return FocalRange().second;
}

double CLensChoice::GetCoverage() const {
    double coverage = 1000;
    bool found = false;
    for (const CDescriptor* item : m_items) {
        if (item->IsLens()) {
            const double c = static_cast<const CLensDescriptor&>(*item).Coverage();
            coverage = found ? std::min(coverage, c) : c;
            found = true;
        }
    }
    return coverage;
}

void CLensChoice::Clear() {
    m_items.clear();
    m_catalog.reset();
    m_factorH = 1.0;
    m_factorV = 1.0;
    m_adapterRing = 0;
    m_focal = 0.0;
    m_achievedFocal = 0.0;
    m_quality = 0;
}

std::string CLensChoice::GetName() const {
    std::string name;
    for (const CDescriptor* item : m_items) {
        if (!name.empty()) {
            name += " + ";
        }
        name += item->Name();
    }
    return name;
}

const CLensDescriptor* CLensChoice::FirstLens() const {
    for (const CDescriptor* item : m_items) {
        if (item->IsLens()) {
            return static_cast<const CLensDescriptor*>(item);
        }
    }
    return nullptr;
}

void CLensChoice::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        ar.WriteLong(static_cast<std::int32_t>(m_items.size()));
        for (const CDescriptor* item : m_items) {
            ar.WriteShort(item->Id());
        }
        return;
    }
    std::vector<std::int16_t> ids;
    if (ar.FileVersion() == 0) {
        ids.push_back(ar.ReadShort());
    } else {
        const std::uint32_t n = ar.ReadCount(2);
        for (std::uint32_t i = 0; i < n; ++i) {
            ids.push_back(ar.ReadShort());
        }
    }
    Clear();
    const auto& catalog = lumivane::Ctx().lenses;
    for (std::int16_t id : ids) {
        const CDescriptor* item = catalog ? catalog->FindItem(id) : nullptr;
        if (item == nullptr) {
            ++lumivane::Ctx().droppedCatalogItems;
            continue;
        }
        Append(item, kRing2LowerRead);
    }
}
