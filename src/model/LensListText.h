#pragma once
// What the lens set-up list and the lens candidate list show of a row, as text and as states
// the widgets turn into icons and colours. Everything here only reads: painting a list never
// changes the project.

#include <functional>
#include <string>
#include <vector>

class CAuditorium;
class CLensChoice;
class CLensType;

namespace lumivane {

enum class SetUpState { Masked, NoLens, LensChosen };
// What the link button shows: a chosen lens locks the image size, else the set-up follows the
// linked formats or is free.
enum class LinkState { Locked, Linked, Free };
enum class LensCellKind { Chosen, NotSelected, NotAvailable };

SetUpState StateOf(const CLensType& setUp);
LinkState LinkStateOf(const CLensType& setUp);
// Without a combination: whether the lens catalog could serve the set-up at all.
LensCellKind LensCellKindOf(const CLensType& setUp);

// The state and the link button in words, for screen readers.
std::string StateText(const CLensType& setUp);
// The height and width of the set-up's image as it lands on the screen now, "h x w", each
// "N/A" where it cannot be measured.
std::string ImageSizeText(const CAuditorium& auditorium, const CLensType& setUp);
std::string FocalText(const CLensType& setUp);
// The lens column without a combination: "Not Selected" or "Not Available".
std::string MissingLensText(LensCellKind kind);
// The lens column with one: the lens, and the attachment after " + " when fits accepts the
// joined labels (else just " +"), then the catalog number of the adapter ring it needs.
std::string ChosenLensText(const CLensChoice& choice,
                           const std::function<bool(const std::string&)>& fits);

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};
// "Not Available" is written on a red tint of the row's background, in black or white,
// whichever reads on the tint.
Rgb NotAvailableFill(const Rgb& background);
Rgb NotAvailableText(const Rgb& fill);

// One line of a candidate row: the item's catalog number and its short label.
struct CandidateLine {
    std::string catalog;
    std::string label;
};
std::vector<CandidateLine> CandidateLines(const CLensChoice& choice);
std::string CandidateFocalText(const CLensChoice& choice);
// A whole candidate row in one line, for screen readers.
std::string CandidateText(const CLensChoice& choice);

} // namespace lumivane
