#include "reports/ProjectReport.h"

#include "base/AppContext.h"
#include "base/RichTextDoc.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "reports/TextExport.h"
#include "support/ExampleProject.h"
#include "support/FixedClock.h"
#include "support/ShippedCatalog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using namespace lumivane::test;

constexpr std::string_view kCompany = "Roxy Screens\n1 Main Street\n555-0100";

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The golden text has the line ends of Linux; the export writes those of the system it runs on.
std::string WithPlatformLineEnds(const std::string& text) {
    std::string converted;
    for (const char c : text) {
        converted += c == '\n' ? std::string(lumivane::PlatformLineEnd()) : std::string(1, c);
    }
    return converted;
}

class ProjectReportTest : public ::testing::Test {
protected:
    ProjectReportTest() { InstallShippedCatalogs(); }

    RichTextDoc Report() const {
        RichTextDoc doc;
        lumivane::WriteProjectReport(doc, m_doc, kCompany);
        return doc;
    }

    lumivane::ScopedAppContext m_context;
    CQorDoc m_doc{std::make_shared<FixedClock>()};
};

TEST_F(ProjectReportTest, ProjectWithoutAuditoriumsHasOnlyItsBlocks) {
    m_doc.SetTitle("riverside.hoprj");
    EXPECT_EQ(Report().GetText(), "RIVERSIDE\nAuditorium List\n\n"
                                  "Roxy Screens\n1 Main Street\n555-0100\n\n"
                                  "Project Created:\t5/6/24 9:15 AM\tLast Update:\t5/6/24 9:15 AM\n"
                                  "\n");
}

TEST_F(ProjectReportTest, UntitledProjectIsUnnamed) {
    m_doc.SetTitle("");
    m_doc.Editor().SetProjectInfo(lumivane::ProjectInfo{});
    EXPECT_EQ(Report().GetText(), "Unnamed\nAuditorium List\n\n"
                                  "Roxy Screens\n1 Main Street\n555-0100\n\n\n");
}

TEST_F(ProjectReportTest, EveryAuditoriumFollowsInListOrder) {
    BuildExampleProject(m_doc);
    const std::string text = Report().GetText();
    const auto first = text.find("Cinema 1 Film\n");
    const auto second = text.find("Cinema 2 Digital 2K\n");
    const auto third = text.find("Cinema 3 Digital 4K\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    EXPECT_NE(text.find("Project Manager:\tAnn Lee\n"), std::string::npos);
}

TEST_F(ProjectReportTest, ExampleProjectReportMatchesTheGoldenText) {
    ASSERT_EQ(m_doc.OpenDocument(ExampleProjectPath(), true), lumivane::ProjectReadResult::Ok);
    TempDir dir;
    const auto exported = RegeneratingExamples() ? ExampleReportPath() : dir / "Multiplex.txt";
    ASSERT_TRUE(lumivane::ExportText(Report(), exported));
    EXPECT_EQ(WithPlatformLineEnds(ReadFile(ExampleReportPath())), ReadFile(exported))
        << "rebuild with LUMIVANE_REGENERATE_EXAMPLES=1 after a deliberate change";
}

} // namespace
