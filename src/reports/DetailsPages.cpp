#include "reports/DetailsPages.h"

#include "base/RichTextDoc.h"
#include "document/QorDoc.h"
#include "document/ViewKind.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "model/SummaryText.h"
#include "reports/ReportTitle.h"

#include <algorithm>

namespace lumivane {
namespace {

std::string Joined(std::string_view first, std::string_view separator, std::string_view second) {
    if (first.empty()) {
        return std::string(second);
    }
    if (second.empty()) {
        return std::string(first);
    }
    return std::string(first) + std::string(separator) + std::string(second);
}

DetailsPage SetUpPage(const CQorDoc& doc, int auditorium, const CProjectorType& projector,
                      int projectorIndex, const CLensType& setUp) {
    const std::string& room = doc.GetAuditorium(auditorium)->Name();
    return {DetailsPageKind::SetUp,
            auditorium,
            projectorIndex,
            setUp.GetFormat(),
            0,
            SetUpPageHeader(doc.GetTitle(), room, projector.Name())};
}

std::vector<DetailsPage> ProjectorPages(const CQorDoc& doc, int auditorium, int projector) {
    std::vector<DetailsPage> pages;
    const CProjectorType* owner = doc.GetProjector(auditorium, projector);
    for (int i = 0; owner != nullptr && i < owner->LensTypeCount(); ++i) {
        pages.push_back(SetUpPage(doc, auditorium, *owner, projector, *owner->GetLensType(i)));
    }
    return pages;
}

std::vector<DetailsPage> SetUpPages(const CQorDoc& doc, int auditorium, int projector, int format) {
    const CLensType* setUp = doc.GetLensType(auditorium, projector, format);
    if (setUp == nullptr) {
        return {};
    }
    return {
        SetUpPage(doc, auditorium, *doc.GetProjector(auditorium, projector), projector, *setUp)};
}

std::vector<DetailsPage> Numbered(std::vector<DetailsPage> pages, int firstNumber) {
    for (DetailsPage& page : pages) {
        page.number = firstNumber++;
    }
    return pages;
}

} // namespace

std::vector<DetailsPage> AuditoriumDetailsPages(const CQorDoc& doc, int auditorium,
                                                int firstNumber) {
    const CAuditorium* room = doc.GetAuditorium(auditorium);
    if (room == nullptr) {
        return {};
    }
    std::vector<DetailsPage> pages;
    for (int i = 0; i < room->LensTypeCount(); ++i) {
        const CLensType* setUp = room->GetLensType(i);
        const auto [projector, index] = room->FindProjectorOf(setUp);
        if (projector != nullptr) {
            pages.push_back(SetUpPage(doc, auditorium, *projector, index, *setUp));
        }
    }
    pages.push_back({DetailsPageKind::Auditorium, auditorium, -1, -1, 0,
                     AuditoriumPageHeader(doc.GetTitle(), room->Name())});
    return Numbered(std::move(pages), firstNumber);
}

std::vector<DetailsPage> ProjectDetailsPages(const CQorDoc& doc) {
    std::vector<DetailsPage> pages;
    for (int a = 0; a < doc.GetAuditoriumCount(); ++a) {
        const auto room = AuditoriumDetailsPages(doc, a, static_cast<int>(pages.size()) + 1);
        pages.insert(pages.end(), room.begin(), room.end());
    }
    return pages;
}

std::vector<DetailsPage> ItemDetailsPages(const CQorDoc& doc, ViewKind kind, int auditorium,
                                          int projector, int format) {
    switch (kind) {
    case ViewKind::Auditorium:
        return AuditoriumDetailsPages(doc, auditorium);
    case ViewKind::Projector:
        return Numbered(ProjectorPages(doc, auditorium, projector), 1);
    case ViewKind::Format:
    case ViewKind::Lens:
        return Numbered(SetUpPages(doc, auditorium, projector, format), 1);
    case ViewKind::Project:
        break;
    }
    return {};
}

std::string SetUpPageHeader(std::string_view title, std::string_view auditorium,
                            std::string_view projector) {
    if (title.empty()) {
        return Joined(auditorium, " : ", projector);
    }
    if (auditorium.empty()) {
        return std::string(title);
    }
    return Joined(std::string(title) + " - " + std::string(auditorium), " : ", projector);
}

std::string AuditoriumPageHeader(std::string_view title, std::string_view auditorium) {
    return Joined(title, " - ", auditorium);
}

std::string DetailsJobName(const CQorDoc& doc) {
    return ProjectReportTitle(doc.GetTitle());
}

std::vector<DetailsPage> PagesInRange(const std::vector<DetailsPage>& pages, PageRange range) {
    std::vector<DetailsPage> chosen;
    std::copy_if(pages.begin(), pages.end(), std::back_inserter(chosen),
                 [range](const DetailsPage& page) { return range.Contains(page.number); });
    return chosen;
}

void WriteDetailsText(RichTextDoc& text, const CQorDoc& doc, const DetailsPage& page) {
    const CLensType* setUp = doc.GetLensType(page.auditorium, page.projector, page.format);
    if (page.kind != DetailsPageKind::SetUp || setUp == nullptr) {
        return;
    }
    SetBodyStyle(text);
    setUp->WriteSummary(text, *doc.GetAuditorium(page.auditorium),
                        *doc.GetProjector(page.auditorium, page.projector), true);
}

std::vector<DetailsDrawingArea> DetailsDrawingAreas(const PageGeometry& page, DetailsPageKind kind,
                                                    int textBottom) {
    TwipRect area = page.TextRect();
    if (kind == DetailsPageKind::Auditorium) {
        TwipRect upper = area;
        upper.bottom = area.top + area.Height() / 2;
        TwipRect lower = area;
        lower.top = upper.bottom;
        return {{upper, DetailsDrawing::Front}, {lower, DetailsDrawing::Section}};
    }
    if (textBottom > area.top) {
        area.top = std::min(textBottom + kDrawingGap, area.bottom);
    }
    if (area.Height() < kMinDrawingHeight) {
        return {};
    }
    return {{area, DetailsDrawing::Front}};
}

} // namespace lumivane
