#pragma once
// The maker's prime lenses and lens attachments for the whole run, and the questions of lens
// choice: which lenses and lens-plus-attachment combinations serve a lens set-up, how well,
// and which barrel diameters are on offer.

#include "base/TextArena.h"
#include "catalog/AttachDescriptor.h"
#include "catalog/LensDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace lumivane {
class Archive;
class LensSetupQuery;
} // namespace lumivane

class CLensDatabase {
public:
    // Text files beyond this many lenses and attachments together (one item per 16-bit item
    // number, lenses first) are not read further, so that the de-duplication of item numbers
    // always finds a free number.
    static constexpr std::size_t kMaxItems = 65536;

    // Whether a walk over the candidates goes on after the member just visited.
    enum class WalkStep { Continue, Stop };
    // Visits one candidate: a lens alone (attachment null) or with an attachment, and the
    // catalog's score for it (always above 0).
    using CandidateVisitor = std::function<WalkStep(
        const CLensDescriptor& lens, const CAttachDescriptor* attachment, int score)>;

    // The drop-down of barrel diameters: labels such as "70.5mm", the diameters they stand
    // for (tenths of a millimetre) and the selected position (-1 when there is no diameter on
    // offer). Each list keeps its own diameters, so a view picks from the list it shows even
    // after another view filled a list of its own.
    struct BarrelList {
        std::vector<std::string> labels;
        std::vector<std::int16_t> diameters;
        int selection = -1;
    };

    CLensDatabase() = default;
    CLensDatabase(const CLensDatabase&) = delete;
    CLensDatabase& operator=(const CLensDatabase&) = delete;

    // Replaces the catalog with "lenses.txt" and "attach.txt" of folder; a missing file leaves
    // its list empty. Item numbers come out unique over lenses and attachments together.
    void BuildFromText(const std::filesystem::path& folder);
    // Stores or loads the catalog's part of the catalog store. A load that fails (ArchiveError)
    // leaves the catalog as it was.
    void Serialize(lumivane::Archive& ar);

    std::size_t LensCount() const { return m_lenses.size(); }
    const CLensDescriptor& Lens(std::size_t i) const { return m_lenses.at(i); }
    std::size_t AttachmentCount() const { return m_attachments.size(); }
    const CAttachDescriptor& Attachment(std::size_t i) const { return m_attachments.at(i); }

    // The first lens with this item number, else the first attachment, else null.
    const CDescriptor* FindItem(std::int16_t id) const;

    // Whether the lens may serve the set-up. With barrelLock lenses of another barrel than the
    // set-up's are refused; a set-up without a barrel counts as bound to this lens's.
    bool IsEligible(const lumivane::LensSetupQuery& setUp, const CLensDescriptor& lens,
                    bool barrelLock) const;
    int ScoreLens(const lumivane::LensSetupQuery& setUp, const CLensDescriptor& lens) const;
    int ScoreLensWithAttachment(const lumivane::LensSetupQuery& setUp, const CLensDescriptor& lens,
                                const CAttachDescriptor& attachment) const;
    // Score S of a focal range whose nearest end is available when required is needed: S at
    // the range, falling to 0 at 1.1 times the longest or when the shortest is 1.15 times the
    // need, negative beyond.
    static int FocalPenalty(double required, double available, int score);

    // Walks the candidates of the set-up in catalog order (each usable lens alone, then with
    // each attachment), calling visit for every member with a score above 0 until it says
    // Stop. A set-up without a barrel is searched as if bound to the barrel of the first lens
    // that serves its format (see BoundBarrel), from that lens on.
    void WalkCandidates(const lumivane::LensSetupQuery& setUp, const CandidateVisitor& visit) const;
    bool AnyCandidate(const lumivane::LensSetupQuery& setUp) const;
    // The barrel a set-up is bound to when a lens is chosen for it by the search: its own, or
    // when it has none, the barrel of the first lens that passes the format and coverage tests,
    // even when that lens is rated 0; still 0 when no lens does.
    std::int16_t BoundBarrel(const lumivane::LensSetupQuery& setUp) const;

    // Refills the barrel diameters on offer for the set-up and selects the set-up's own, or the
    // first one when the set-up's is not on offer. The set-up keeps its barrel until the user
    // picks one.
    BarrelList FillBarrelList(const lumivane::LensSetupQuery& setUp);
    // The diameters of the last FillBarrelList, in drop-down order.
    const std::vector<std::int16_t>& Barrels() const { return m_barrels; }

private:
    void DeduplicateIds();

    std::vector<std::int16_t> m_barrels;
    // Items are kept in place: set-ups hold pointers to them for as long as they hold the
    // catalog, and a catalog is only ever replaced whole.
    std::vector<CLensDescriptor> m_lenses;
    std::vector<CAttachDescriptor> m_attachments;
    // The names and catalog numbers of the items.
    lumivane::TextArena m_texts;
};
