#include "support/ExampleProject.h"

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/AuditoriumSettings.h"
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
#include <utility>

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

// A new auditorium with its name and settings, each set as the window's fields set it.
int AddRoom(ProjectEditor& editor, const std::string& name,
            std::initializer_list<std::pair<AuditoriumSetting, double>> settings) {
    const int room = editor.AddAuditorium();
    editor.RenameAuditorium(room, name);
    for (const auto& [setting, value] : settings) {
        editor.SetAuditoriumSetting(room, setting, value);
    }
    return room;
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

    // The rooms are set before their projectors: a new projector takes its lens height from
    // the booth's.
    const int film = AddRoom(editor, "Cinema 1 Film",
                             {{AuditoriumSetting::Seats, 220},
                              {AuditoriumSetting::HandicappedSeats, 4},
                              {AuditoriumSetting::CurveType, CurveTwoThirds},
                              {AuditoriumSetting::FloorToScreen, 1.0},
                              {AuditoriumSetting::FloorToBooth, 6.5},
                              {AuditoriumSetting::FrontWallWidth, 17.0},
                              {AuditoriumSetting::FrontWallHeight, 8.5},
                              {AuditoriumSetting::AudienceDistance, 16.0},
                              {AuditoriumSetting::CalcPorthole, 1},
                              {AuditoriumSetting::PortholeDistance, 1.2}});
    AddProjector(doc, film, "KX-35 Standard", {"35mm Flat 1.85", "35mm Scope 2.39"});
    editor.SetLightOutput(film, 0, 14000.0);
    editor.SetPortGlass(film, 0.97);
    editor.SetSeatRows(film, {8.5, 22.0, 1.15});
    editor.SetBoothFloor(film, 5.2);

    const int twoK = AddRoom(editor, "Cinema 2 Digital 2K",
                             {{AuditoriumSetting::Seats, 140},
                              {AuditoriumSetting::TiltType, TiltAdjustable},
                              {AuditoriumSetting::Tilt, 5.0},
                              {AuditoriumSetting::FloorToScreen, 0.9},
                              {AuditoriumSetting::FloorToBooth, 5.8},
                              {AuditoriumSetting::FrontWallWidth, 16.0},
                              {AuditoriumSetting::FrontWallHeight, 8.0},
                              {AuditoriumSetting::AudienceDistance, 15.0},
                              {AuditoriumSetting::CalcPorthole, 1},
                              {AuditoriumSetting::PortholeDistance, 0.9}});
    editor.SetComments(twoK, "Booth above the balcony; check the porthole glass.");
    AddProjector(doc, twoK, "Aurora 2K-L",
                 {"DMD 1.2in DCI Flat 1998x1080", "DMD 1.2in DCI Scope 2048x858"});
    editor.SetLightOutput(twoK, 0, 18000.0);
    editor.SetLightFactor(twoK, 0, 0.85);
    editor.SetPortGlass(twoK, 0.97);
    editor.SetSeatRows(twoK, {8.0, 20.0, 1.15});
    editor.SetBoothFloor(twoK, 4.5);

    const int fourK = AddRoom(editor, "Cinema 3 Digital 4K",
                              {{AuditoriumSetting::Seats, 304},
                               {AuditoriumSetting::HandicappedSeats, 6},
                               {AuditoriumSetting::FloorToScreen, 1.2},
                               {AuditoriumSetting::FloorToBooth, 7.4},
                               {AuditoriumSetting::FrontWallWidth, 15.0},
                               {AuditoriumSetting::FrontWallHeight, 8.0},
                               {AuditoriumSetting::AudienceDistance, 14.0},
                               {AuditoriumSetting::CalcPorthole, 1},
                               {AuditoriumSetting::PortholeDistance, 1.0}});
    AddProjector(doc, fourK, "Aurora 4K",
                 {"DMD 1.38in DCI Flat 3996x2160", "DMD 1.38in DCI Scope 4096x1716"});
    editor.EditThrow(fourK, 0, -1, 24.0);
    editor.SetLightOutput(fourK, 0, 30000.0);
    editor.SetLightFactor(fourK, 0, 0.9);
    editor.SetScreenGain(fourK, 1.2);
    editor.SetPortGlass(fourK, 0.97);
    editor.SetSeatRows(fourK, {7.5, 21.0, 1.2});
    editor.SetBoothFloor(fourK, 6.1);
}

} // namespace lumivane::test
