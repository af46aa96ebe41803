#pragma once
// Lens choice for one lens set-up: the best combination, the ranked candidate list, the
// project tree's candidate menu and the candidate behind one of its commands. All of them walk
// the lens catalog's candidate sequence and rank by the score each combination earns for the
// set-up. Only ChooseBest changes the set-up; listing leaves it, and so the project, as it is.

#include "model/LensChoice.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CLensType;

namespace lumivane {

inline constexpr int kFirstCandidateCommand = 33985;
inline constexpr std::size_t kMaxMenuCandidates = 200;

struct CandidateMenuItem {
    int command = 0;
    std::string label;
};

// Binds a set-up without a barrel to the one the search settles on (CLensDatabase::
// BoundBarrel), then hands it the highest-scoring candidate (the first of equals); false when
// there is none, and the set-up keeps the lens it had.
bool ChooseBest(CLensType& setUp);
// The same among the candidates that acceptable lets through.
bool ChooseBest(CLensType& setUp, const std::function<bool(const CLensChoice&)>& acceptable);
// Every candidate, best first, equal scores in catalog order.
std::vector<CLensChoice> ListCandidates(const CLensType& setUp);
// The first 200 candidates, best first, labelled "lens" or "lens + attachment".
std::vector<CandidateMenuItem> CandidateMenu(const CLensType& setUp);
// The candidate at position n of the menu order.
std::optional<CLensChoice> NthCandidate(const CLensType& setUp, std::size_t n);

} // namespace lumivane
