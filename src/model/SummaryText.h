#pragma once
// The shared pieces of the model's summaries: headings, the body style and length texts, so
// the auditorium, projector and lens set-up summaries look alike in views and reports.

#include <string>

class RichTextDoc;

namespace lumivane {

inline constexpr int kSummaryIndent = 720;

// A bold "Ariel" heading of the given size followed by a line end; then the indent grows by
// one step with a hanging offset and the body style follows.
void BeginSummary(RichTextDoc& text, const std::string& name, int pointSize);
// A line end, and the indent shrinks back by one step.
void EndSummary(RichTextDoc& text);
void SetBodyStyle(RichTextDoc& text);
void WriteBold(RichTextDoc& text, const std::string& words);
std::string LengthText(double metres);
// "%0.1f%%" of ratio × 100.
std::string PercentText(double ratio);

} // namespace lumivane
