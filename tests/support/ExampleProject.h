#pragma once
// The example project shipped in data/examples: a small multiplex built from the shipped
// catalog. Tests compare the shipped file and its report with what this builds; run a test
// with LUMIVANE_REGENERATE_EXAMPLES=1 in the environment to rewrite them after a deliberate
// change.

#include <filesystem>

class CQorDoc;

namespace lumivane::test {

std::filesystem::path ExamplesDir();
std::filesystem::path ExampleProjectPath();
// tests/data/reports/Multiplex.txt: the project report of the example, as text export writes it.
std::filesystem::path ExampleReportPath();
bool RegeneratingExamples();

// Fills a new document with the example's auditoriums, projectors, formats and lenses.
void BuildExampleProject(CQorDoc& doc);

} // namespace lumivane::test
