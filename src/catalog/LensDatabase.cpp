#include "catalog/LensDatabase.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/NumberText.h"
#include "catalog/LensSetupQuery.h"
#include "catalog/TextRecordReader.h"

#include <algorithm>

namespace {

constexpr int kIdStep = 21845;

template <class Item>
std::vector<Item> ReadItems(const std::filesystem::path& path, std::size_t limit,
                            lumivane::TextArena& texts) {
    std::vector<Item> items;
    lumivane::TextRecordReader file(path);
    while (items.size() < limit) {
        Item item;
        if (item.ReadTextRecord(file, texts) != 0) {
            break;
        }
        items.push_back(std::move(item));
    }
    return items;
}

// The numbers an item is moved through, id, id + 21845, id + 2 * 21845, ..., form one cycle
// over all 65536 numbers, because the step is odd. Counting places along that cycle turns
// "move on until free" into "the next free place", and each taken place remembers a later
// place to jump to, so a catalog whose items all share one number is numbered in near-linear
// time instead of quadratic. The catalog's size limit keeps a place free for every item.
class IdCycle {
public:
    IdCycle() : m_next(kPlaces) {
        for (std::uint32_t place = 0; place < kPlaces; ++place) {
            m_next[place] = static_cast<std::uint16_t>(place);
        }
    }

    std::int16_t Take(std::int16_t id) {
        const std::uint16_t place = FreePlaceFrom(PlaceOf(id));
        m_next[place] = static_cast<std::uint16_t>(place + 1);
        return IdAt(place);
    }

private:
    static constexpr std::uint32_t kPlaces = 65536;
    // 21845 * 65533 leaves 1 modulo 65536.
    static constexpr std::uint32_t kInverseStep = 65533;

    static std::uint16_t PlaceOf(std::int16_t id) {
        return static_cast<std::uint16_t>(static_cast<std::uint16_t>(id) * kInverseStep);
    }
    static std::int16_t IdAt(std::uint16_t place) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(place * kIdStep));
    }

    std::uint16_t FreePlaceFrom(std::uint16_t place) {
        while (m_next[place] != place) {
            m_next[place] = m_next[m_next[place]];
            place = m_next[place];
        }
        return place;
    }

    std::vector<std::uint16_t> m_next;
};

// Shortest store records: the shared part with empty texts, then the item's own fields.
constexpr std::size_t kMinLensRecordBytes = 2 + 3 + 4 + 4 + 5 * 8 + 4 + 4;
constexpr std::size_t kMinAttachmentRecordBytes = 2 + 3 + 4 + 4 * 8 + 4 + 4;

template <class Item>
void SerializeItems(lumivane::Archive& ar, std::vector<Item>& items, std::size_t minRecordBytes,
                    lumivane::TextArena& texts) {
    if (ar.IsStoring()) {
        ar.WriteLong(static_cast<std::int32_t>(items.size()));
        for (Item& item : items) {
            item.Serialize(ar, texts);
        }
        return;
    }
    const std::uint32_t count = ar.ReadCount(minRecordBytes);
    items.clear();
    items.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        items.emplace_back().Serialize(ar, texts);
    }
}

bool FixedFocalOnly() {
    return lumivane::Ctx().settings.m_fixedFocal;
}

std::string BarrelLabel(std::int16_t barrel) {
    return lumivane::FormatInt(barrel / 10) + "." + lumivane::FormatInt(barrel % 10) + "mm";
}

// The tests of a lens that do not depend on the barrel: kinds, excluded kinds and coverage. A
// diagonal or coverage that is not a number refuses no lens.
bool ServesFormat(const lumivane::LensFormatNeeds& format, const CLensDescriptor& lens) {
    return (lens.Kinds() & format.flags) != 0 && (lens.Kinds() & format.excluded) == 0 &&
           !(format.filmDiagonal > lens.Coverage());
}

// The barrel test of a search: a barrel of 0 is first bound to the lens's, even when the lens
// is then refused on its rating.
bool FitsBarrel(std::int16_t& barrel, const CLensDescriptor& lens) {
    if (barrel == 0) {
        barrel = static_cast<std::int16_t>(lens.Barrel());
    }
    return barrel == lens.Barrel();
}

} // namespace

void CLensDatabase::BuildFromText(const std::filesystem::path& folder) {
    lumivane::TextArena texts;
    m_lenses = ReadItems<CLensDescriptor>(folder / "lenses.txt", kMaxItems, texts);
    m_attachments =
        ReadItems<CAttachDescriptor>(folder / "attach.txt", kMaxItems - m_lenses.size(), texts);
    m_texts = std::move(texts);
    m_barrels.clear();
    DeduplicateIds();
}

// A later item whose number an earlier one already has is moved on by 21845 until its number
// is free; lenses keep their numbers before attachments.
void CLensDatabase::DeduplicateIds() {
    IdCycle ids;
    for (CLensDescriptor& lens : m_lenses) {
        lens.SetId(ids.Take(lens.Id()));
    }
    for (CAttachDescriptor& attachment : m_attachments) {
        attachment.SetId(ids.Take(attachment.Id()));
    }
}

void CLensDatabase::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        SerializeItems(ar, m_lenses, kMinLensRecordBytes, m_texts);
        SerializeItems(ar, m_attachments, kMinAttachmentRecordBytes, m_texts);
        return;
    }
    lumivane::TextArena texts;
    std::vector<CLensDescriptor> lenses;
    std::vector<CAttachDescriptor> attachments;
    SerializeItems(ar, lenses, kMinLensRecordBytes, texts);
    SerializeItems(ar, attachments, kMinAttachmentRecordBytes, texts);
    m_lenses = std::move(lenses);
    m_attachments = std::move(attachments);
    m_texts = std::move(texts);
}

const CDescriptor* CLensDatabase::FindItem(std::int16_t id) const {
    for (const CLensDescriptor& lens : m_lenses) {
        if (lens.Id() == id) {
            return &lens;
        }
    }
    for (const CAttachDescriptor& attachment : m_attachments) {
        if (attachment.Id() == id) {
            return &attachment;
        }
    }
    return nullptr;
}

bool CLensDatabase::IsEligible(const lumivane::LensSetupQuery& setUp, const CLensDescriptor& lens,
                               bool barrelLock) const {
    const auto format = setUp.FormatNeeds();
    if (!format || !ServesFormat(*format, lens)) {
        return false;
    }
    std::int16_t barrel = setUp.Barrel();
    return (!barrelLock || FitsBarrel(barrel, lens)) && lens.Rating() != 0;
}

int CLensDatabase::ScoreLens(const lumivane::LensSetupQuery& setUp,
                             const CLensDescriptor& lens) const {
    const auto format = setUp.FormatNeeds();
    if (!format || (format->flags & ~lens.Kinds()) != 0 || (FixedFocalOnly() && lens.IsZoom())) {
        return 0;
    }
    const double required = setUp.RequiredFocalMm();
    if (required < lens.FocalMin()) {
        return FocalPenalty(required, lens.FocalMin(), lens.Rating());
    }
    if (required > lens.FocalMax()) {
        return FocalPenalty(required, lens.FocalMax(), lens.Rating());
    }
    return lens.Rating();
}

// Under fixed focal lengths a zoom lens is no candidate with an attachment either: the setting
// treats every lens as one of fixed focal length.
int CLensDatabase::ScoreLensWithAttachment(const lumivane::LensSetupQuery& setUp,
                                           const CLensDescriptor& lens,
                                           const CAttachDescriptor& attachment) const {
    const auto format = setUp.FormatNeeds();
    if (!format || (attachment.Fit() & ~lens.AttachFit()) != 0 ||
        (attachment.Kinds() & format->excluded) != 0 ||
        (format->flags & ~(attachment.Kinds() | lens.Kinds())) != 0 ||
        (FixedFocalOnly() && (attachment.IsZoom() || lens.IsZoom()))) {
        return 0;
    }
    const auto product = static_cast<long long>(lens.Rating()) * attachment.Rating() / 100;
    const int score = static_cast<int>(std::clamp<long long>(product, INT32_MIN, INT32_MAX));
    const double vertical = attachment.VerticalStretch(&lens);
    const double lo = lens.FocalMin() * attachment.ZoomMin() / vertical;
    const double hi = lens.FocalMax() * attachment.ZoomMax() / vertical;
    const double required = setUp.RequiredFocalMm();
    if (required < lo) {
        return FocalPenalty(required, lo, score);
    }
    if (required > hi) {
        return FocalPenalty(required, hi, score);
    }
    return score;
}

int CLensDatabase::FocalPenalty(double required, double available, int score) {
    if (required > available) {
        return lumivane::TruncToInt32((22 - 20 * required / available) * score * 0.5 + 0.5);
    }
    if (required < available) {
        return lumivane::TruncToInt32(score * (23 - 20 * available / required) / 3 + 0.5);
    }
    return score;
}

void CLensDatabase::WalkCandidates(const lumivane::LensSetupQuery& setUp,
                                   const CandidateVisitor& visit) const {
    const auto format = setUp.FormatNeeds();
    if (!format) {
        return;
    }
    // The barrel the search has bound the set-up to so far; the set-up itself stays as it is.
    std::int16_t barrel = setUp.Barrel();
    for (const CLensDescriptor& lens : m_lenses) {
        if (!ServesFormat(*format, lens) || !FitsBarrel(barrel, lens) || lens.Rating() == 0) {
            continue;
        }
        const int alone = ScoreLens(setUp, lens);
        if (alone > 0 && visit(lens, nullptr, alone) == WalkStep::Stop) {
            return;
        }
        for (const CAttachDescriptor& attachment : m_attachments) {
            const int combined = ScoreLensWithAttachment(setUp, lens, attachment);
            if (combined > 0 && visit(lens, &attachment, combined) == WalkStep::Stop) {
                return;
            }
        }
    }
}

bool CLensDatabase::AnyCandidate(const lumivane::LensSetupQuery& setUp) const {
    bool found = false;
    WalkCandidates(setUp, [&found](const CLensDescriptor&, const CAttachDescriptor*, int) {
        found = true;
        return WalkStep::Stop;
    });
    return found;
}

std::int16_t CLensDatabase::BoundBarrel(const lumivane::LensSetupQuery& setUp) const {
    std::int16_t barrel = setUp.Barrel();
    const auto format = setUp.FormatNeeds();
    if (!format) {
        return barrel;
    }
    for (auto lens = m_lenses.begin(); barrel == 0 && lens != m_lenses.end(); ++lens) {
        if (ServesFormat(*format, *lens)) {
            FitsBarrel(barrel, *lens);
        }
    }
    return barrel;
}

CLensDatabase::BarrelList CLensDatabase::FillBarrelList(const lumivane::LensSetupQuery& setUp) {
    BarrelList list;
    m_barrels.clear();
    for (const CLensDescriptor& lens : m_lenses) {
        const auto barrel = static_cast<std::int16_t>(lens.Barrel());
        if (IsEligible(setUp, lens, false) &&
            std::find(m_barrels.begin(), m_barrels.end(), barrel) == m_barrels.end()) {
            m_barrels.push_back(barrel);
            list.labels.push_back(BarrelLabel(barrel));
        }
    }
    list.diameters = m_barrels;
    if (m_barrels.empty()) {
        return list;
    }
    const auto it = std::find(m_barrels.begin(), m_barrels.end(), setUp.Barrel());
    list.selection = it == m_barrels.end() ? 0 : static_cast<int>(it - m_barrels.begin());
    return list;
}
