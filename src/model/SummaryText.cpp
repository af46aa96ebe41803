#include "model/SummaryText.h"

#include "base/Length.h"
#include "base/NumberText.h"
#include "base/RichTextDoc.h"

namespace lumivane {

namespace {

// The face of all report text, spelled as the reports have always spelled it.
constexpr const char* kSummaryFace = "Ariel";
constexpr int kBodyPoints = 10;

} // namespace

void SetBodyStyle(RichTextDoc& text) {
    RichTextDoc::CharFormat body;
    body.faceName = kSummaryFace;
    body.pointSize = kBodyPoints;
    text.SetCharFormat(body);
}

void BeginSummary(RichTextDoc& text, const std::string& name, int pointSize) {
    text.SetAlignment(RichTextDoc::Alignment::Left);
    RichTextDoc::CharFormat heading;
    heading.faceName = kSummaryFace;
    heading.pointSize = pointSize;
    heading.bold = true;
    text.SetCharFormat(heading);
    text.AppendText(name + "\n");
    text.ShiftIndent(kSummaryIndent, kSummaryIndent);
    SetBodyStyle(text);
}

void EndSummary(RichTextDoc& text) {
    text.AppendText("\n");
    text.ShiftIndent(-kSummaryIndent, 0);
}

void WriteBold(RichTextDoc& text, const std::string& words) {
    RichTextDoc::CharFormat bold = text.GetCharFormat();
    bold.bold = true;
    text.SetCharFormat(bold);
    text.AppendText(words);
    SetBodyStyle(text);
}

std::string LengthText(double metres) {
    std::string out;
    FormatLength(metres, out, Length);
    return out;
}

std::string PercentText(double ratio) {
    return FormatFixed(ratio * 100, 1) + "%";
}

} // namespace lumivane
