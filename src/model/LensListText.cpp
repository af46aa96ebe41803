#include "model/LensListText.h"

#include "base/AppContext.h"
#include "base/NumberText.h"
#include "catalog/Descriptor.h"
#include "catalog/LensDatabase.h"
#include "model/Auditorium.h"
#include "model/LensChoice.h"
#include "model/LensType.h"
#include "model/SummaryText.h"

namespace lumivane {

namespace {

constexpr int kFullRed = 255;
// Brightness above which black text reads better than white on the tint.
constexpr int kDarkTextThreshold = 257;

std::string MillimetreText(double mm) {
    return FormatFixed(mm, 2) + "mm";
}

int MinusRed(int component, int red) {
    return component >= red ? component - red : component;
}

} // namespace

SetUpState StateOf(const CLensType& setUp) {
    if (setUp.Masked()) {
        return SetUpState::Masked;
    }
    return setUp.HasCombination() ? SetUpState::LensChosen : SetUpState::NoLens;
}

LinkState LinkStateOf(const CLensType& setUp) {
    if (setUp.LensChosen()) {
        return LinkState::Locked;
    }
    return setUp.Linked() ? LinkState::Linked : LinkState::Free;
}

LensCellKind LensCellKindOf(const CLensType& setUp) {
    if (setUp.HasCombination()) {
        return LensCellKind::Chosen;
    }
    const auto& catalog = Ctx().lenses;
    return catalog && catalog->AnyCandidate(setUp) ? LensCellKind::NotSelected
                                                   : LensCellKind::NotAvailable;
}

std::string StateText(const CLensType& setUp) {
    static const char* const kStates[] = {"Masked", "No lens", "Lens chosen"};
    static const char* const kLinks[] = {"locked", "linked", "free"};
    return std::string(kStates[static_cast<int>(StateOf(setUp))]) + ", " +
           kLinks[static_cast<int>(LinkStateOf(setUp))];
}

// Measured afresh rather than read from the extents the set-up keeps: those keep their last
// figures where a measure is not a number.
std::string ImageSizeText(const CAuditorium& auditorium, const CLensType& setUp) {
    const auto [height, width] = auditorium.MeasureExtents(setUp);
    return LengthText(height) + " x " + LengthText(width);
}

std::string FocalText(const CLensType& setUp) {
    return MillimetreText(setUp.Focal() * 1000);
}

std::string MissingLensText(LensCellKind kind) {
    return kind == LensCellKind::NotSelected ? "Not Selected" : "Not Available";
}

std::string ChosenLensText(const CLensChoice& choice,
                           const std::function<bool(const std::string&)>& fits) {
    const auto& items = choice.Items();
    if (items.empty()) {
        return {};
    }
    std::string text(items.front()->ShortName());
    if (items.size() == 2) {
        const std::string joined = text + " + " + std::string(items[1]->ShortName());
        text = fits(joined) ? joined : text + " +";
    }
    if (choice.GetAdapterRing() != 0) {
        text += " + " + std::string(AdapterRingCatalog(choice.GetAdapterRing()));
    }
    return text;
}

Rgb NotAvailableFill(const Rgb& background) {
    return {kFullRed, MinusRed(background.green, background.red),
            MinusRed(background.blue, background.red)};
}

Rgb NotAvailableText(const Rgb& fill) {
    const int white = 255;
    return fill.blue + 3 * fill.green > kDarkTextThreshold ? Rgb{} : Rgb{white, white, white};
}

std::vector<CandidateLine> CandidateLines(const CLensChoice& choice) {
    std::vector<CandidateLine> lines;
    for (const CDescriptor* item : choice.Items()) {
        lines.push_back({std::string(item->Catalog()), std::string(item->ShortName())});
    }
    return lines;
}

std::string CandidateFocalText(const CLensChoice& choice) {
    return MillimetreText(choice.GetFocal());
}

std::string CandidateText(const CLensChoice& choice) {
    std::string text;
    for (const CandidateLine& line : CandidateLines(choice)) {
        text += (text.empty() ? "" : " + ") + line.label + " (" + line.catalog + ")";
    }
    return text + ", " + CandidateFocalText(choice);
}

} // namespace lumivane
