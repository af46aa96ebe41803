#include "document/EditScript.h"

#include "base/AppContext.h"
#include "base/NumberText.h"
#include "catalog/FormatDatabase.h"
#include "catalog/ProjectorDescriptor.h"
#include "document/EditScriptArgs.h"
#include "document/ProjectEditor.h"
#include "document/ProjectTreeRules.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/AuditoriumSettings.h"
#include "model/AuditoriumWizard.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/LightValues.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <functional>
#include <istream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

namespace lumivane {

namespace {

using Args = EditScriptArgs;
using Run = std::function<void(ProjectEditor&, const Args&)>;

struct Operation {
    std::string name;
    std::vector<std::string> parameters;
    std::string description;
    Run run;
};

const std::vector<std::string> kViews{"Projector", "Format"};
const std::vector<std::string> kPlaces{"Center", "Default"};
// The wizard's length fields take no sign.
constexpr LengthLimits kWizardLengthLimits{0.0, kLongestLength};
// What each operation that re-fits says of its "shown" parameter.
const std::string kShownText =
    "; shown {view \"Projector\", \"Format\" or \"Lens\", auditorium, projector, format}: "
    "the view the window shows, to re-fit as it does";

EditView ViewOf(const Args& args) {
    return static_cast<EditView>(args.Choice("view", kViews, 0));
}

// The operations of one projector's set-up, parameters auditorium, projector and format.
Operation SetUpOperation(std::string name, std::vector<std::string> more, std::string description,
                         std::function<void(ProjectEditor&, const Args&, int, int, int)> run) {
    std::vector<std::string> parameters{"auditorium", "projector", "format"};
    parameters.insert(parameters.end(), more.begin(), more.end());
    return {std::move(name), std::move(parameters), std::move(description),
            [run = std::move(run)](ProjectEditor& editor, const Args& args) {
                const int a = args.Auditorium();
                const int p = args.Projector(a);
                run(editor, args, a, p, args.SetUp(a, p));
            }};
}

// As SetUpOperation, with the format optional: the projector's views with no set-up shown.
Operation ViewedOperation(std::string name, std::vector<std::string> more, std::string description,
                          std::function<void(ProjectEditor&, const Args&, int, int, int)> run) {
    Operation operation = SetUpOperation(std::move(name), std::move(more), std::move(description),
                                         [](ProjectEditor&, const Args&, int, int, int) {});
    operation.run = [run = std::move(run)](ProjectEditor& editor, const Args& args) {
        const int a = args.Auditorium();
        const int p = args.Projector(a);
        run(editor, args, a, p, args.OptionalSetUp(a, p));
    };
    return operation;
}

Operation ProjectorOperation(std::string name, std::vector<std::string> more,
                             std::string description,
                             std::function<void(ProjectEditor&, const Args&, int, int)> run) {
    std::vector<std::string> parameters{"auditorium", "projector"};
    parameters.insert(parameters.end(), more.begin(), more.end());
    return {std::move(name), std::move(parameters), std::move(description),
            [run = std::move(run)](ProjectEditor& editor, const Args& args) {
                const int a = args.Auditorium();
                run(editor, args, a, args.Projector(a));
            }};
}

double SettingValueOf(const Args& args, SettingValue kind) {
    switch (kind) {
    case SettingValue::Length:
        return args.Length("value");
    case SettingValue::Number:
        return args.Number("value", -1000, 1000);
    case SettingValue::Count:
        return args.Whole("value", kSeatLimits.lowest, kSeatLimits.highest);
    case SettingValue::Flag:
        return args.Flag("value") ? 1 : 0;
    }
    return 0;
}

void AddSettingOperations(std::vector<Operation>& operations) {
    for (const AuditoriumSettingInfo& info : AuditoriumSettings()) {
        operations.push_back({info.name,
                              {"auditorium", "value"},
                              std::string("\"") + info.label + "\": " + info.value,
                              [&info](ProjectEditor& editor, const Args& args) {
                                  editor.SetAuditoriumSetting(args.Auditorium(), info.setting,
                                                              SettingValueOf(args, info.kind));
                              }});
    }
}

void DeleteAuditorium(ProjectEditor& editor, const Args& args) {
    const bool confirmed = args.OptionalFlag("confirm", false);
    std::string question;
    editor.DeleteAuditorium(args.Auditorium(), [&](const std::string& text, const std::string&) {
        question = text;
        return confirmed;
    });
    if (!question.empty() && !confirmed) {
        throw EditScriptError("the window would ask \"" + question +
                              "\": give \"confirm\": true to delete it");
    }
}

// The window's new auditorium takes its booth heights over from the selected one.
void AddAuditorium(ProjectEditor& editor, const Args& args) {
    const int like = args.OptionalAuditorium("likeAuditorium");
    if (args.Has("likeProjector") && like < 0) {
        throw EditScriptError("\"likeProjector\" needs \"likeAuditorium\"");
    }
    editor.AddAuditorium(like,
                         args.Has("likeProjector") ? args.Projector(like, "likeProjector") : -1);
}

// The checked boxes, fitted in the boxes' order as the wizard fits them.
std::vector<int> WizardFormats(const std::vector<int>& checked) {
    std::vector<int> formats;
    std::string offered;
    for (const WizardFormatBox& box : kWizardFormatBoxes) {
        offered += (offered.empty() ? "" : ", ") + FormatInt(box.format);
        if (std::find(checked.begin(), checked.end(), box.format) != checked.end()) {
            formats.push_back(box.format);
        }
    }
    for (const int format : checked) {
        if (std::find(formats.begin(), formats.end(), format) == formats.end()) {
            throw EditScriptError("the wizard offers no format " + FormatInt(format) +
                                  "; it offers " + offered);
        }
    }
    return formats;
}

// The wizard's Finish: answers not given keep the values its pages start with.
void AppendAuditorium(ProjectEditor& editor, const Args& args) {
    const int number = args.Doc().GetAuditoriumCount() + 1;
    WizardAnswers answers = StartAnswers(CAuditorium(number));
    for (auto [key, length] :
         {std::pair{"wallHeight", &answers.wallHeight}, std::pair{"wallWidth", &answers.wallWidth},
          std::pair{"screenBottom", &answers.screenBottom},
          std::pair{"lensHeight", &answers.lensHeight}, std::pair{"sideSpace", &answers.sideSpace},
          std::pair{"verticalSpace", &answers.verticalSpace}}) {
        *length = args.OptionalLength(key, kWizardLengthLimits).value_or(*length);
    }
    answers.throwDistance =
        args.OptionalLength("throwDistance", kThrowLimits).value_or(answers.throwDistance);
    answers.constantWidth = args.OptionalFlag("constantWidth", answers.constantWidth);
    const int formatCount = Ctx().formats ? Ctx().formats->GetCount() : 0;
    if (const auto checked = args.OptionalWholeList("formats", 0, formatCount - 1)) {
        answers.formats = WizardFormats(*checked);
    }
    WizardResult built = BuildWizardAuditorium(answers, number);
    if (!built.auditorium) {
        throw EditScriptError(built.message);
    }
    editor.AppendAuditorium(std::move(built.auditorium));
}

// The Adjust Format dialog's OK, offered where the tree offers the dialog.
void AdjustFormatCorners(ProjectEditor& editor, const Args& args, int a, int p, int f) {
    const CProjectorType& projector = *args.Doc().GetProjector(a, p);
    if (!OffersAdjustFormat(projector, f)) {
        throw EditScriptError("the projector has no digital panel whose used area could be "
                              "adjusted for this format");
    }
    const CProjectorDescriptor& model = *projector.GetModelDescriptor();
    editor.AdjustFormatCorners(a, p, f, args.Corners("corners", model.GetHres(), model.GetVres()));
}

void SetProjectInfo(ProjectEditor& editor, const Args& args, const ProjectInfo& present) {
    ProjectInfo info = present;
    for (auto [key, text] :
         {std::pair{"manager", &info.manager}, std::pair{"projectDate", &info.projectDate},
          std::pair{"lastChange", &info.lastChange}, std::pair{"startDate", &info.startDate},
          std::pair{"endDate", &info.endDate}}) {
        *text = args.OptionalText(key).value_or(*text);
    }
    info.projectInfoSet = true;
    editor.SetProjectInfo(info);
}

void ChooseCandidate(ProjectEditor& editor, const Args& args, const CLensType& setUp, int a, int p,
                     int f) {
    const int n = args.Whole("candidate", 0, 1000000);
    const auto choice = NthCandidate(setUp, static_cast<std::size_t>(n));
    if (!choice) {
        throw EditScriptError("the set-up has no lens candidate " + FormatInt(n));
    }
    editor.ChooseLens(a, p, f, *choice, LensCommandRefit(args.Shown()));
}

std::vector<Operation> ProjectOperations() {
    return {
        {"SetProjectInfo",
         {"manager", "projectDate", "lastChange", "startDate", "endDate"},
         "the project settings; texts not given stay",
         [](ProjectEditor& e, const Args& args) {
             SetProjectInfo(e, args, args.Doc().GetProjectInfo());
         }},
        {"AddAuditorium",
         {"likeAuditorium", "likeProjector"},
         "a new auditorium at the end; its booth heights, as the tree's selection gives them, "
         "from likeAuditorium and likeProjector (both optional)",
         AddAuditorium},
        {"DuplicateAuditorium",
         {"auditorium"},
         "a copy of the auditorium at the end",
         [](ProjectEditor& e, const Args& args) {
             e.DuplicateAuditorium(args.Auditorium());
         }},
        {"AppendAuditorium",
         {"wallHeight", "wallWidth", "screenBottom", "constantWidth", "lensHeight", "throwDistance",
          "formats", "sideSpace", "verticalSpace"},
         "the auditorium wizard's answers, each optional (metres; formats: the checked "
         "boxes' catalog positions)",
         AppendAuditorium},
        {"DeleteAuditorium",
         {"auditorium", "confirm"},
         "deletes the auditorium; one with projectors needs \"confirm\": true",
         DeleteAuditorium},
        {"RenameAuditorium",
         {"auditorium", "name"},
         "",
         [](ProjectEditor& e, const Args& args) {
             e.RenameAuditorium(args.Auditorium(), args.Text("name"));
         }},
        {"SetBoothHeights",
         {"auditorium", "floorToScreen", "floorToBooth"},
         "metres",
         [](ProjectEditor& e, const Args& args) {
             e.SetBoothHeights(args.Auditorium(), args.Length("floorToScreen"),
                               args.Length("floorToBooth"));
         }},
        {"SetComments",
         {"auditorium", "comments"},
         "the auditorium's comments",
         [](ProjectEditor& e, const Args& args) {
             e.SetComments(args.Auditorium(), args.Text("comments"));
         }},
        {"AddProjector",
         {"auditorium", "model", "lensHeight", "lateral"},
         "a projector of the catalog's model; lensHeight and lateral (metres) optional",
         [](ProjectEditor& e, const Args& args) {
             e.AddProjector(args.Auditorium(), args.ProjectorModel(),
                            {args.OptionalLength("lensHeight"), args.OptionalLength("lateral")});
         }},
        {"CopyProjector",
         {"target", "auditorium", "projector"},
         "a copy of the projector, its lateral position negated, into auditorium target",
         [](ProjectEditor& e, const Args& args) {
             const int a = args.Auditorium();
             e.CopyProjector(args.Auditorium("target"), a, args.Projector(a));
         }},
    };
}

std::vector<Operation> ProjectorOperations() {
    return {
        ProjectorOperation(
            "DeleteProjector", {}, "",
            [](ProjectEditor& e, const Args&, int a, int p) { e.DeleteProjector(a, p); }),
        ProjectorOperation("RenameProjector", {"name"}, "",
                           [](ProjectEditor& e, const Args& args, int a, int p) {
                               e.RenameProjector(a, p, args.Text("name"));
                           }),
        ProjectorOperation("SetLockThrowDistance", {"locked"},
                           "locked follows the auditorium's default throw",
                           [](ProjectEditor& e, const Args& args, int a, int p) {
                               e.SetLockThrowDistance(a, p, args.Flag("locked"));
                           }),
        ProjectorOperation("AddFormat", {"format", "shown"},
                           "the projector shows the catalog's format" + kShownText,
                           [](ProjectEditor& e, const Args& args, int a, int p) {
                               const int f = args.CatalogFormat();
                               e.AddFormat(a, p, f, FormatChangeRefit(args.Shown(), a, p, f, true));
                           }),
    };
}

std::vector<Operation> SetUpOperations() {
    return {
        SetUpOperation("RemoveFormat", {"shown"}, kShownText.substr(2),
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.RemoveFormat(a, p, f, FormatChangeRefit(args.Shown(), a, p, f, false));
                       }),
        SetUpOperation("ChooseLens", {"candidate", "shown"},
                       "the lens set-up's candidate of that position, best first" + kShownText,
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           ChooseCandidate(e, args, *args.Doc().GetLensType(a, p, f), a, p, f);
                       }),
        SetUpOperation("ClearLens", {"shown"}, kShownText.substr(2),
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.ClearLens(a, p, f, LensCommandRefit(args.Shown()));
                       }),
        SetUpOperation(
            "ToggleLink", {}, "clears the lens, else unlinks, else links",
            [](ProjectEditor& e, const Args&, int a, int p, int f) { e.ToggleLink(a, p, f); }),
        SetUpOperation("ChooseBarrel", {"barrel"}, "barrel diameter in tenths of a millimetre",
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.ChooseBarrel(
                               a, p, f, static_cast<std::int16_t>(args.Whole("barrel", 0, 32767)));
                       }),
        SetUpOperation("AdjustFormatCorners", {"corners"},
                       "the panel's used area: [[x, y] top-left, top-right, bottom-right, "
                       "bottom-left] in whole panel pixels",
                       AdjustFormatCorners),
        SetUpOperation("EditFocalLength", {"mm", "view"},
                       "millimetres; view \"Projector\" (default) or \"Format\"",
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.EditFocalLength(a, p, f,
                                             args.Number("mm", kFocalLengthLimits.lowest * 1000,
                                                         kFocalLengthLimits.highest * 1000),
                                             ViewOf(args));
                       }),
        SetUpOperation("EditImageSize", {"value", "byWidth"}, "metres, a height unless byWidth",
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.EditImageSize(a, p, f, args.Length("value", kImageSizeLimits),
                                           args.OptionalFlag("byWidth", false));
                       }),
        SetUpOperation("EditLensShift", {"vertical", "horizontal"}, "metres at the film plane",
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.EditLensShift(a, p, f, args.Number("vertical", -1, 1),
                                           args.Number("horizontal", -1, 1));
                       }),
        SetUpOperation("SetAllowLensShift", {"on"}, "",
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.SetAllowLensShift(a, p, f, args.Flag("on"));
                       }),
        SetUpOperation("SetAutoLensShift", {"on"}, "",
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.SetAutoLensShift(a, p, f, args.Flag("on"));
                       }),
        SetUpOperation("SetAlignment", {"alignment"}, "0 bottom, 1 centre, 2 top",
                       [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                           e.SetAlignment(a, p, f, args.Whole("alignment", 0, 2));
                       }),
    };
}

std::vector<Operation> ViewedOperations() {
    return {
        ViewedOperation("EditThrow", {"throwDistance"}, "metres; format optional",
                        [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                            e.EditThrow(a, p, f, args.Length("throwDistance", kThrowLimits));
                        }),
        ViewedOperation(
            "EditProjectorPosition", {"lateral", "lensHeight", "view"}, "metres; format optional",
            [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                e.EditProjectorPosition(a, p, f, args.Length("lateral", kPositionLimits),
                                        args.Length("lensHeight", kPositionLimits), ViewOf(args));
            }),
        ViewedOperation("PlaceProjector", {"place"}, "\"Center\" or \"Default\"; format optional",
                        [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                            e.PlaceProjector(
                                a, p, f,
                                static_cast<PositionButton>(args.Choice("place", kPlaces, 0)));
                        }),
        ViewedOperation("SetSizeMode", {"byWidth"}, "format optional",
                        [](ProjectEditor& e, const Args& args, int a, int p, int f) {
                            e.SetSizeMode(a, p, f, args.Flag("byWidth"));
                        }),
    };
}

// A factor in the light path: above 0 when zero would claim no light at all.
std::optional<double> Factor(const Args& args, const char* key, double highest, bool zero) {
    const std::optional<double> value = args.NumberOrNull(key, 0.0, highest);
    if (value && *value == 0.0 && !zero) {
        throw EditScriptError(std::string("\"") + key + "\" must be above 0");
    }
    return value;
}

void SetSeatRows(ProjectEditor& editor, const Args& args) {
    const SeatRows rows{args.NumberOrNull("nearest", 0.0, kLongestLength),
                        args.NumberOrNull("farthest", 0.0, kLongestLength),
                        args.NumberOrNull("eyeHeight", 0.0, kLongestLength)};
    if (!ValidSeatRows(rows)) {
        throw EditScriptError("\"farthest\" must not be nearer than \"nearest\"");
    }
    editor.SetSeatRows(args.Auditorium(), rows);
}

std::vector<Operation> LightOperations() {
    return {
        ProjectorOperation(
            "SetLightOutput", {"lumens"}, "the maker's lumens, 0 to 1000000; null: not known",
            [](ProjectEditor& e, const Args& args, int a, int p) {
                e.SetLightOutput(a, p, Factor(args, "lumens", kLumensLimits.highest, true));
            }),
        ProjectorOperation("SetLightFactor", {"factor"},
                           "lamp or laser ageing, above 0 to 1; null: 1.0",
                           [](ProjectEditor& e, const Args& args, int a, int p) {
                               e.SetLightFactor(a, p, Factor(args, "factor", 1.0, false));
                           }),
        {"SetScreenGain",
         {"auditorium", "gain"},
         "above 0 to 5; null: 1.0",
         [](ProjectEditor& e, const Args& args) {
             e.SetScreenGain(args.Auditorium(), Factor(args, "gain", kGainLimits.highest, false));
         }},
        {"SetPortGlass",
         {"auditorium", "transmission"},
         "0 to 1; null: 1.0",
         [](ProjectEditor& e, const Args& args) {
             e.SetPortGlass(args.Auditorium(), Factor(args, "transmission", 1.0, true));
         }},
        {"Set3DTransmission",
         {"auditorium", "transmission"},
         "0 to 1 when the room shows 3D; null: no 3D",
         [](ProjectEditor& e, const Args& args) {
             e.Set3DTransmission(args.Auditorium(), Factor(args, "transmission", 1.0, true));
         }},
        {"SetSeatRows",
         {"auditorium", "nearest", "farthest", "eyeHeight"},
         "metres from the screen, and the nearest row's eye height; null: not known",
         SetSeatRows},
        {"SetBoothFloor",
         {"auditorium", "height"},
         "metres above the auditorium floor; null: not known",
         [](ProjectEditor& e, const Args& args) {
             e.SetBoothFloor(args.Auditorium(), args.NumberOrNull("height", 0.0, kLongestLength));
         }},
    };
}

const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = [] {
        std::vector<Operation> all = ProjectOperations();
        AddSettingOperations(all);
        for (std::vector<Operation> more :
             {ProjectorOperations(), SetUpOperations(), ViewedOperations(), LightOperations()}) {
            std::move(more.begin(), more.end(), std::back_inserter(all));
        }
        return all;
    }();
    return operations;
}

// The label of each step the editor records, so the script can say what each line did.
class StepLabels : public EditRecorder {
public:
    void Recorded(const StepName& step, ProjectSnapshot, ProjectSnapshot) override {
        m_labels.emplace_back(step.label);
    }
    std::string TakeOutcome() {
        std::string outcome = m_labels.empty() ? "no change" : m_labels.front();
        m_labels.clear();
        return outcome;
    }

private:
    std::vector<std::string> m_labels;
};

nlohmann::json ParseLine(const std::string& text) {
    nlohmann::json object;
    try {
        object = nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& error) {
        // Beside syntax errors, a number beyond a double's range (1e400) is refused here.
        throw EditScriptError(std::string("not JSON: ") + error.what());
    }
    if (!object.is_object() || !object.contains("op") || !object["op"].is_string()) {
        throw EditScriptError("not an object with an \"op\" text");
    }
    return object;
}

const Operation& Find(const std::vector<Operation>& operations, const std::string& name) {
    for (const Operation& operation : operations) {
        if (operation.name == name) {
            return operation;
        }
    }
    throw EditScriptError("unknown operation \"" + name +
                          "\"; lumivane-cli edit --list names them");
}

// Runs one line; returns the operation's name and what it did.
std::string RunLine(CQorDoc& doc, const std::vector<Operation>& operations, const std::string& text,
                    StepLabels& labels) {
    const nlohmann::json object = ParseLine(text);
    const std::string name = object["op"].get<std::string>();
    const Operation& operation = Find(operations, name);
    const EditScriptArgs args(object, doc, operation.parameters);
    operation.run(doc.Editor(), args);
    return name + ": " + labels.TakeOutcome();
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r") == std::string::npos;
}

} // namespace

std::vector<std::string> RunEditScript(CQorDoc& doc, std::istream& script) {
    const std::vector<Operation>& operations = Operations();
    StepLabels labels;
    ProjectEditor& editor = doc.Editor();
    editor.SetRecorder(&labels);
    std::vector<std::string> outcomes;
    std::string text;
    for (int line = 1; std::getline(script, text); ++line) {
        if (IsBlank(text)) {
            continue;
        }
        try {
            outcomes.push_back("line " + FormatInt(line) + ": " +
                               RunLine(doc, operations, text, labels));
        } catch (const EditScriptError& error) {
            editor.SetRecorder(nullptr);
            throw EditScriptError("line " + FormatInt(line) + ": " + error.what());
        }
    }
    editor.SetRecorder(nullptr);
    return outcomes;
}

std::string DescribeEditOperations() {
    std::ostringstream text;
    for (const Operation& operation : Operations()) {
        text << operation.name << " {";
        for (std::size_t i = 0; i < operation.parameters.size(); ++i) {
            text << (i > 0 ? ", " : "") << operation.parameters[i];
        }
        text << "}";
        if (!operation.description.empty()) {
            text << ": " << operation.description;
        }
        text << '\n';
    }
    return text.str();
}

} // namespace lumivane
