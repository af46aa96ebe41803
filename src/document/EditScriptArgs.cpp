#include "document/EditScriptArgs.h"

#include "base/AppContext.h"
#include "base/NumberText.h"
#include "catalog/FormatDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "document/EditScript.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
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
    const nlohmann::json& value = Value(key);
    if (!value.is_number()) {
        Refuse(std::string("\"") + key + "\" must be a number");
    }
    const double number = value.get<double>();
    if (!std::isfinite(number)) {
        Refuse(std::string("\"") + key + "\" must be a finite number");
    }
    return number;
}

double EditScriptArgs::Number(const char* key, double lowest, double highest) const {
    const double number = FiniteNumber(key);
    if (number < lowest || number > highest) {
        Refuse(std::string("\"") + key + "\" must lie between " + FormatRoundTrip(lowest) +
               " and " + FormatRoundTrip(highest));
    }
    return number;
}

std::optional<double> EditScriptArgs::NumberOrNull(const char* key, double lowest,
                                                   double highest) const {
    return Value(key).is_null() ? std::nullopt : std::optional(Number(key, lowest, highest));
}

int EditScriptArgs::Whole(const char* key, int lowest, int highest) const {
    const double number = Number(key, lowest, highest);
    if (number != std::floor(number)) {
        Refuse(std::string("\"") + key + "\" must be a whole number");
    }
    return static_cast<int>(number);
}

double EditScriptArgs::Length(const char* key, const LengthLimits& limits) const {
    return Number(key, limits.lowest, limits.highest);
}

std::optional<double> EditScriptArgs::OptionalLength(const char* key) const {
    return m_object.contains(key) ? std::optional(Length(key, kPositionLimits)) : std::nullopt;
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

int EditScriptArgs::Projector(int auditorium) const {
    const int count = m_doc.GetAuditorium(auditorium)->ProjectorCount();
    const double index = FiniteNumber("projector");
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

} // namespace lumivane
