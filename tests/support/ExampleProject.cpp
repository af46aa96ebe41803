#include "support/ExampleProject.h"

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/EditCommands.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ShippedCatalog.h"
#include "support/TestPaths.h"

#include <cstdlib>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace lumivane::test {
namespace {

int ProjectorModel(const std::string& model) {
    const CProjectorDatabase& catalog = *Ctx().projectors;
    for (int i = 0; i < catalog.GetCount(); ++i) {
        if (catalog.GetModel(i) == model) {
            return i;
        }
    }
    throw std::runtime_error("No projector model " + model);
}

int Format(const std::string& name) {
    const CFormatDatabase& catalog = *Ctx().formats;
    for (int i = 0; i < catalog.GetCount(); ++i) {
        if (catalog.GetFormatName(i) == name) {
            return i;
        }
    }
    throw std::runtime_error("No format " + name);
}

// A projector of the model showing each format with the best lens the catalog offers.
void AddProjector(CQorDoc& doc, int auditorium, const std::string& model,
                  std::initializer_list<const char*> formats) {
    ProjectEditor& editor = doc.Editor();
    const int projector = editor.AddProjector(auditorium, ProjectorModel(model), {});
    for (const char* name : formats) {
        const int format = Format(name);
        if (!editor.AddFormat(auditorium, projector, format)) {
            throw std::runtime_error(model + " cannot show " + name);
        }
        const auto candidates = ListCandidates(*doc.GetLensType(auditorium, projector, format));
        if (candidates.empty()) {
            throw std::runtime_error(std::string("No lens for ") + name);
        }
        editor.ChooseLens(auditorium, projector, format, candidates.front());
    }
}

} // namespace

std::filesystem::path ExamplesDir() {
    return std::filesystem::path(LUMIVANE_TEST_DATA_DIR).parent_path().parent_path() / "data" /
           "examples";
}

std::filesystem::path ExampleProjectPath() {
    return ExamplesDir() / "Multiplex.hoprj";
}

std::filesystem::path ExampleReportPath() {
    return std::filesystem::path(LUMIVANE_TEST_DATA_DIR) / "reports" / "Multiplex.txt";
}

bool RegeneratingExamples() {
    const char* flag = std::getenv("LUMIVANE_REGENERATE_EXAMPLES");
    return flag != nullptr && std::string(flag) == "1";
}

void BuildExampleProject(CQorDoc& doc) {
    ProjectEditor& editor = doc.Editor();
    editor.SetProjectInfo(
        ProjectInfo{"Ann Lee", "5/6/24 9:15 AM", "5/6/24 9:15 AM", "6/1/24", "9/30/24", true});

    const int film = editor.AddAuditorium();
    editor.EditAuditorium(film, {0, "Example"}, [](CAuditorium& a) {
        a.SetName("Cinema 1 Film");
        a.SetSeats(220);
        a.SetHandicappedSeats(4);
        a.SetCurveType(CurveTwoThirds);
    });
    AddProjector(doc, film, "KX-35 Standard", {"35mm Flat 1.85", "35mm Scope 2.39"});

    const int twoK = editor.AddAuditorium();
    editor.EditAuditorium(twoK, {0, "Example"}, [](CAuditorium& a) {
        a.SetName("Cinema 2 Digital 2K");
        a.SetSeats(140);
        a.SetTiltType(TiltAdjustable);
        a.SetTiltAngle(5.0);
        a.SetComments("Booth above the balcony; check the porthole glass.");
    });
    AddProjector(doc, twoK, "Aurora 2K-L",
                 {"DMD 1.2in DCI Flat 1998x1080", "DMD 1.2in DCI Scope 2048x858"});

    const int fourK = editor.AddAuditorium();
    editor.EditAuditorium(fourK, {0, "Example"}, [](CAuditorium& a) {
        a.SetName("Cinema 3 Digital 4K");
        a.SetSeats(310);
    });
    AddProjector(doc, fourK, "Aurora 4K",
                 {"DMD 1.38in DCI Flat 3996x2160", "DMD 1.38in DCI Scope 4096x1716"});
    editor.EditThrow(fourK, 0, -1, 24.0);
}

} // namespace lumivane::test
