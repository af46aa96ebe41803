// The lens catalog built from "lenses.txt" and "attach.txt": the input is split at its first
// NUL byte into the two files. Item numbers come out unique, the catalog stores and loads to
// the same bytes, and lens choice over the hostile items stays within its promises.

#include "base/AppContext.h"
#include "catalog/LensDatabase.h"
#include "catalog/LensSetupQuery.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

#include "FuzzSupport.h"

using lumivane::fuzz::Require;

namespace {

// A set-up that wants what the given lens offers, so the candidate walk does real work.
class QueryLike : public lumivane::LensSetupQuery {
public:
    explicit QueryLike(const CLensDescriptor& lens)
        : m_needs{lens.Kinds(), 0, lens.Coverage() / 2}, m_focal(lens.RefFocal()) {}

    std::optional<lumivane::LensFormatNeeds> FormatNeeds() const override { return m_needs; }
    std::int16_t Barrel() const override { return m_barrel; }
    double RequiredFocalMm() const override { return m_focal; }

private:
    lumivane::LensFormatNeeds m_needs;
    double m_focal;
    std::int16_t m_barrel = 0;
};

void RequireUniqueIds(const CLensDatabase& db) {
    std::set<std::int16_t> ids;
    for (std::size_t i = 0; i < db.LensCount(); ++i) {
        Require(ids.insert(db.Lens(i).Id()).second);
        Require(db.FindItem(db.Lens(i).Id()) == &db.Lens(i));
    }
    for (std::size_t i = 0; i < db.AttachmentCount(); ++i) {
        Require(ids.insert(db.Attachment(i).Id()).second);
        Require(db.FindItem(db.Attachment(i).Id()) == &db.Attachment(i));
    }
}

void RequireSaneChoice(CLensDatabase& db) {
    const std::size_t queries = std::min<std::size_t>(db.LensCount(), 4);
    for (std::size_t i = 0; i < queries; ++i) {
        QueryLike query(db.Lens(i));
        int visits = 0;
        db.WalkCandidates(query, [&](const CLensDescriptor&, const CAttachDescriptor*, int score) {
            Require(score > 0);
            return ++visits < 1000 ? CLensDatabase::WalkStep::Continue
                                   : CLensDatabase::WalkStep::Stop;
        });
        QueryLike barrels(db.Lens(i));
        const CLensDatabase::BarrelList list = db.FillBarrelList(barrels);
        Require(list.labels.size() == db.Barrels().size());
        Require(list.selection < static_cast<int>(list.labels.size()));
        Require(list.labels.empty() == (list.selection == -1));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    const auto& folder = lumivane::fuzz::ScratchFolder();
    lumivane::fuzz::WriteFile(folder / "lenses.txt", input.substr(0, split));
    lumivane::fuzz::WriteFile(folder / "attach.txt", input.substr(std::min(split + 1, size)));

    lumivane::ScopedAppContext context;
    CLensDatabase db;
    db.BuildFromText(folder);
    Require(db.LensCount() <= CLensDatabase::kMaxItems);
    Require(db.AttachmentCount() <= CLensDatabase::kMaxItems);
    RequireUniqueIds(db);
    lumivane::fuzz::RequireStableStore(db);
    RequireSaneChoice(db);
    context.context().settings.m_fixedFocal = true;
    RequireSaneChoice(db);
    return 0;
}
