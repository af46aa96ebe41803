#pragma once
// The details pages: one page per lens set-up with its description above a front view of the
// screen, and for an auditorium one more page with its front view and its section. Which pages
// a view or the whole project prints, their numbers and headers, and where their drawings go.

#include "reports/PageGeometry.h"

#include <string>
#include <string_view>
#include <vector>

class CQorDoc;
class RichTextDoc;

namespace lumivane {

enum class ViewKind;

enum class DetailsPageKind { SetUp, Auditorium };

// Items are named by position, the set-up by its format, as the project's editor names them.
struct DetailsPage {
    DetailsPageKind kind = DetailsPageKind::SetUp;
    int auditorium = -1;
    int projector = -1;
    int format = -1;
    // The number printed on the page, counted from 1 through the whole print.
    int number = 0;
    std::string header;

    bool operator==(const DetailsPage&) const = default;
};

enum class DetailsDrawing { Front, Section };

struct DetailsDrawingArea {
    TwipRect area;
    DetailsDrawing drawing = DetailsDrawing::Front;
};

// A drawing squeezed into less than this height would be unreadable, so the page goes without.
inline constexpr int kMinDrawingHeight = kTwipsPerInch / 2;
// A line's space between the text and the drawing below it, so the two never touch.
inline constexpr int kDrawingGap = kTwipsPerInch / 6;

// The auditorium's set-up pages in its list order, then its own page; numbered from
// firstNumber.
std::vector<DetailsPage> AuditoriumDetailsPages(const CQorDoc& doc, int auditorium,
                                                int firstNumber = 1);
// Every auditorium's pages in list order, numbered through the project.
std::vector<DetailsPage> ProjectDetailsPages(const CQorDoc& doc);
// What "Print Item Details..." prints for the item a view of the given kind shows; nothing
// for the project view or an item that is not there.
std::vector<DetailsPage> ItemDetailsPages(const CQorDoc& doc, ViewKind kind, int auditorium,
                                          int projector, int format);

// The title, then the auditorium's name and, after it, the projector's, each only when named.
std::string SetUpPageHeader(std::string_view title, std::string_view auditorium,
                            std::string_view projector);
std::string AuditoriumPageHeader(std::string_view title, std::string_view auditorium);
// The print job of the details pages is named after the document, "Unnamed" without a title.
std::string DetailsJobName(const CQorDoc& doc);

std::vector<DetailsPage> PagesInRange(const std::vector<DetailsPage>& pages, PageRange range);

// The description above a set-up page's drawing; nothing for an auditorium page.
void WriteDetailsText(RichTextDoc& text, const CQorDoc& doc, const DetailsPage& page);

// Where the page's drawings go, given where its text ends: a set-up's front view fills what
// the text leaves of the text rectangle, or is left out when too little is left; an
// auditorium's front view takes the upper half and its section the lower half.
std::vector<DetailsDrawingArea> DetailsDrawingAreas(const PageGeometry& page, DetailsPageKind kind,
                                                    int textBottom);

} // namespace lumivane
