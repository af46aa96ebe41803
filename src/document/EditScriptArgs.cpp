#include "document/EditScriptArgs.h"

#include "base/AppContext.h"
#include "base/NumberText.h"
#include "catalog/FormatDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "document/EditScript.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/PanelCornerModel.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

[[noreturn]] void Refuse(const std::string& message) {
    throw EditScriptError(message);
}

std::string Count(int count, const char* what) {
    return FormatInt(count) + " " + what;
}

double FiniteNumberOf(const nlohmann::json& value, const std::string& name) {
    if (!value.is_number()) {
        Refuse("\"" + name + "\" must be a number");
    }
    const double number = value.get<double>();
    if (!std::isfinite(number)) {
        Refuse("\"" + name + "\" must be a finite number");
    }
    return number;
}

double NumberOf(const nlohmann::json& value, const std::string& name, double lowest,
                double highest) {
    const double number = FiniteNumberOf(value, name);
    if (number < lowest || number > highest) {
        Refuse("\"" + name + "\" must lie between " + FormatRoundTrip(lowest) + " and " +
               FormatRoundTrip(highest));
    }
    return number;
}

int WholeOf(const nlohmann::json& value, const std::string& name, int lowest, int highest) {
    const double number = NumberOf(value, name, lowest, highest);
    if (number != std::floor(number)) {
        Refuse("\"" + name + "\" must be a whole number");
    }
    return static_cast<int>(number);
}

// value as a list of count items.
const nlohmann::json& ListOf(const nlohmann::json& value, const std::string& name,
                             std::size_t count) {
    if (!value.is_array() || value.size() != count) {
        Refuse("\"" + name + "\" must be a list of " + FormatInt(static_cast<int>(count)));
    }
    return value;
}

const std::vector<std::string> kShownViews{"Projector", "Format", "Lens"};
constexpr ViewKind kShownKinds[] = {ViewKind::Projector, ViewKind::Format, ViewKind::Lens};

} // namespace

EditScriptArgs::EditScriptArgs(const nlohmann::json& object, const CQorDoc& doc,
                               const std::vector<std::string>& known)
    : m_object(object), m_doc(doc) {
    for (const auto& [key, value] : object.items()) {
        if (key != "op" && std::find(known.begin(), known.end(), key) == known.end()) {
            Refuse("unknown parameter \"" + key + "\"");
        }
    }
}

const nlohmann::json& EditScriptArgs::Value(const char* key) const {
    const auto found = m_object.find(key);
    if (found == m_object.end()) {
        Refuse(std::string("missing parameter \"") + key + "\"");
    }
    return *found;
}

double EditScriptArgs::FiniteNumber(const char* key) const {
    return FiniteNumberOf(Value(key), key);
}

double EditScriptArgs::Number(const char* key, double lowest, double highest) const {
    return NumberOf(Value(key), key, lowest, highest);
}

std::optional<double> EditScriptArgs::NumberOrNull(const char* key, double lowest,
                                                   double highest) const {
    return Value(key).is_null() ? std::nullopt : std::optional(Number(key, lowest, highest));
}

int EditScriptArgs::Whole(const char* key, int lowest, int highest) const {
    return WholeOf(Value(key), key, lowest, highest);
}

std::optional<std::vector<int>> EditScriptArgs::OptionalWholeList(const char* key, int lowest,
                                                                  int highest) const {
    if (!m_object.contains(key)) {
        return std::nullopt;
    }
    const nlohmann::json& list = Value(key);
    if (!list.is_array()) {
        Refuse(std::string("\"") + key + "\" must be a list");
    }
    std::vector<int> wholes;
    for (std::size_t i = 0; i < list.size(); ++i) {
        wholes.push_back(WholeOf(list[i],
                                 std::string(key) + "[" + FormatInt(static_cast<int>(i)) + "]",
                                 lowest, highest));
    }
    return wholes;
}

double EditScriptArgs::Length(const char* key, const LengthLimits& limits) const {
    return Number(key, limits.lowest, limits.highest);
}

std::optional<double> EditScriptArgs::OptionalLength(const char* key,
                                                     const LengthLimits& limits) const {
    return m_object.contains(key) ? std::optional(Length(key, limits)) : std::nullopt;
}

bool EditScriptArgs::Flag(const char* key) const {
    const nlohmann::json& value = Value(key);
    if (!value.is_boolean()) {
        Refuse(std::string("\"") + key + "\" must be true or false");
    }
    return value.get<bool>();
}

bool EditScriptArgs::OptionalFlag(const char* key, bool otherwise) const {
    return m_object.contains(key) ? Flag(key) : otherwise;
}

std::string EditScriptArgs::Text(const char* key) const {
    const nlohmann::json& value = Value(key);
    if (!value.is_string()) {
        Refuse(std::string("\"") + key + "\" must be a text");
    }
    return value.get<std::string>();
}

std::optional<std::string> EditScriptArgs::OptionalText(const char* key) const {
    return m_object.contains(key) ? std::optional(Text(key)) : std::nullopt;
}

int EditScriptArgs::Choice(const char* key, const std::vector<std::string>& choices,
                           int otherwise) const {
    if (!m_object.contains(key)) {
        return otherwise;
    }
    const std::string text = Text(key);
    const auto found = std::find(choices.begin(), choices.end(), text);
    if (found == choices.end()) {
        Refuse(std::string("\"") + key + "\" cannot be \"" + text + "\"");
    }
    return static_cast<int>(found - choices.begin());
}

int EditScriptArgs::Auditorium(const char* key) const {
    const int count = m_doc.GetAuditoriumCount();
    const double index = FiniteNumber(key);
    if (index < 0 || index >= count || index != std::floor(index)) {
        Refuse(std::string("no auditorium ") + FormatRoundTrip(index) + " for \"" + key +
               "\": the project has " + Count(count, "auditorium(s)"));
    }
    return static_cast<int>(index);
}

int EditScriptArgs::OptionalAuditorium(const char* key) const {
    return m_object.contains(key) ? Auditorium(key) : -1;
}

int EditScriptArgs::Projector(int auditorium, const char* key) const {
    const int count = m_doc.GetAuditorium(auditorium)->ProjectorCount();
    const double index = FiniteNumber(key);
    if (index < 0 || index >= count || index != std::floor(index)) {
        Refuse("no projector " + FormatRoundTrip(index) + ": auditorium " + FormatInt(auditorium) +
               " has " + Count(count, "projector(s)"));
    }
    return static_cast<int>(index);
}

int EditScriptArgs::CatalogFormat() const {
    const int count = Ctx().formats ? Ctx().formats->GetCount() : 0;
    return Whole("format", 0, count - 1);
}

int EditScriptArgs::SetUp(int auditorium, int projector) const {
    const int format = CatalogFormat();
    if (m_doc.GetProjector(auditorium, projector)->FindLensType(format) == nullptr) {
        Refuse("projector " + FormatInt(projector) + " of auditorium " + FormatInt(auditorium) +
               " does not show format " + FormatInt(format));
    }
    return format;
}

int EditScriptArgs::OptionalSetUp(int auditorium, int projector) const {
    return m_object.contains("format") ? SetUp(auditorium, projector) : -1;
}

int EditScriptArgs::ProjectorModel() const {
    const int count = Ctx().projectors ? Ctx().projectors->GetCount() : 0;
    return Whole("model", 0, count - 1);
}

ShownView EditScriptArgs::Shown() const {
    if (!m_object.contains("shown")) {
        return {};
    }
    const nlohmann::json& value = Value("shown");
    if (!value.is_object()) {
        Refuse("\"shown\" must be an object {view, auditorium, projector, format}");
    }
    try {
        const EditScriptArgs shown(value, m_doc, {"view", "auditorium", "projector", "format"});
        shown.Text("view"); // required: Choice alone would take a missing view for the first
        const ViewKind kind = kShownKinds[shown.Choice("view", kShownViews, 0)];
        const int a = shown.Auditorium();
        const int p = shown.Projector(a);
        if (kind == ViewKind::Projector && !value.contains("format") &&
            m_doc.GetProjector(a, p)->LensTypeCount() > 0) {
            Refuse("the projector view lists one of its set-ups: give its \"format\"");
        }
        return {kind, a, p, shown.OptionalSetUp(a, p)};
    } catch (const EditScriptError& error) {
        Refuse(std::string("in \"shown\": ") + error.what());
    }
}

PanelCorners EditScriptArgs::Corners(const char* key, int panelWidth, int panelHeight) const {
    const nlohmann::json& points = ListOf(Value(key), key, 4);
    PanelCorners corners;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const std::string name = std::string(key) + "[" + FormatInt(static_cast<int>(i)) + "]";
        const nlohmann::json& point = ListOf(points[i], name, 2);
        corners[i] = {WholeOf(point[0], name + "[0]", 0, panelWidth),
                      WholeOf(point[1], name + "[1]", 0, panelHeight)};
    }
    PanelCornerModel shape;
    shape.SetPanel(panelWidth, panelHeight);
    shape.SetCorners(corners);
    if (!shape.IsWellFormed()) {
        Refuse(std::string("\"") + key +
               "\" must keep left of right and top above bottom: top-left, top-right, "
               "bottom-right, bottom-left");
    }
    return corners;
}

} // namespace lumivane
