#include "model/LensCandidates.h"

#include "base/AppContext.h"
#include "catalog/LensDatabase.h"
#include "model/LensType.h"

#include <algorithm>
#include <utility>

namespace lumivane {

namespace {

CLensChoice BuildChoice(const CLensType& setUp, const CLensDescriptor& lens,
                        const CAttachDescriptor* attachment) {
    CLensChoice choice;
    choice.AddItem(&lens);
    if (attachment) {
        choice.AddItem(attachment);
    }
    choice.Evaluate(setUp);
    return choice;
}

} // namespace

bool ChooseBest(CLensType& setUp) {
    return ChooseBest(setUp, [](const CLensChoice&) { return true; });
}

bool ChooseBest(CLensType& setUp, const std::function<bool(const CLensChoice&)>& acceptable) {
    const auto& catalog = Ctx().lenses;
    if (!catalog) {
        return false;
    }
    int best = 0;
    std::optional<CLensChoice> chosen;
    catalog->WalkCandidates(
        setUp, [&](const CLensDescriptor& lens, const CAttachDescriptor* attachment, int score) {
            if (score > best) {
                CLensChoice choice = BuildChoice(setUp, lens, attachment);
                if (acceptable(choice)) {
                    best = score;
                    chosen = std::move(choice);
                }
            }
            return CLensDatabase::WalkStep::Continue;
        });
    setUp.SetBarrel(catalog->BoundBarrel(setUp));
    if (!chosen) {
        return false;
    }
    setUp.ChooseCombination(*chosen);
    return true;
}

std::vector<CLensChoice> ListCandidates(const CLensType& setUp) {
    std::vector<CLensChoice> candidates;
    const auto& catalog = Ctx().lenses;
    if (!catalog) {
        return candidates;
    }
    catalog->WalkCandidates(
        setUp, [&](const CLensDescriptor& lens, const CAttachDescriptor* attachment, int) {
            candidates.push_back(BuildChoice(setUp, lens, attachment));
            return CLensDatabase::WalkStep::Continue;
        });
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const CLensChoice& a, const CLensChoice& b) { return a.GetQuality() > b.GetQuality(); });
    return candidates;
}

std::vector<CandidateMenuItem> CandidateMenu(const CLensType& setUp) {
    const std::vector<CLensChoice> candidates = ListCandidates(setUp);
    std::vector<CandidateMenuItem> menu;
    for (std::size_t i = 0; i < candidates.size() && i < kMaxMenuCandidates; ++i) {
        std::string label;
        for (const CDescriptor* item : candidates[i].Items()) {
            label.append(label.empty() ? "" : " + ").append(item->ShortName());
        }
        menu.push_back({kFirstCandidateCommand + static_cast<int>(i), label});
    }
    return menu;
}

std::optional<CLensChoice> NthCandidate(const CLensType& setUp, std::size_t n) {
    std::vector<CLensChoice> candidates = ListCandidates(setUp);
    if (n >= candidates.size()) {
        return std::nullopt;
    }
    return candidates[n];
}

} // namespace lumivane
