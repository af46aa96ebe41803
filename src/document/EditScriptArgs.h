#pragma once
// The parameters of one scripted edit, read from its JSON object and checked against the
// project before anything changes: items that exist, finite lengths a cinema can have, keys
// the operation knows.

#include "base/FieldLimits.h"
#include "document/ShownView.h"
#include "model/LensType.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

class CQorDoc;

namespace lumivane {

class EditScriptArgs {
public:
    // Throws EditScriptError for a key that is not op and not one of known.
    EditScriptArgs(const nlohmann::json& object, const CQorDoc& doc,
                   const std::vector<std::string>& known);

    const CQorDoc& Doc() const { return m_doc; }
    bool Has(const char* key) const { return m_object.contains(key); }
    int Auditorium(const char* key = "auditorium") const;
    // An auditorium as Auditorium, or -1 when the key is missing.
    int OptionalAuditorium(const char* key) const;
    int Projector(int auditorium, const char* key = "projector") const;
    // A format of the catalog; with a projector, one it shows (its set-up's identity).
    int CatalogFormat() const;
    int SetUp(int auditorium, int projector) const;
    // A set-up as SetUp, or -1 when the key is missing (the projector's views with none shown).
    int OptionalSetUp(int auditorium, int projector) const;
    int ProjectorModel() const;
    // The view the window shows while the command runs ("shown": {view, auditorium, projector,
    // format}), for the re-fit the command asks of it; none when the key is missing.
    ShownView Shown() const;
    // Four [x, y] points in whole pixels of a panel of that size, in the order PanelCorners
    // keeps them, making the rectangle-like shape the Adjust Format dialog accepts.
    PanelCorners Corners(const char* key, int panelWidth, int panelHeight) const;

    // Metres, finite and within the limits the window's field for it has.
    double Length(const char* key, const LengthLimits& limits = kAnyLengthLimits) const;
    std::optional<double> OptionalLength(const char* key,
                                         const LengthLimits& limits = kPositionLimits) const;
    double Number(const char* key, double lowest, double highest) const;
    // As Number, with null for a value that is not known.
    std::optional<double> NumberOrNull(const char* key, double lowest, double highest) const;
    int Whole(const char* key, int lowest, int highest) const;
    // A list of whole numbers, each within the limits; empty when the key is missing.
    std::optional<std::vector<int>> OptionalWholeList(const char* key, int lowest,
                                                      int highest) const;
    bool Flag(const char* key) const;
    bool OptionalFlag(const char* key, bool otherwise) const;
    std::string Text(const char* key) const;
    std::optional<std::string> OptionalText(const char* key) const;
    // One of choices, by name.
    int Choice(const char* key, const std::vector<std::string>& choices, int otherwise) const;

private:
    const nlohmann::json& Value(const char* key) const;
    double FiniteNumber(const char* key) const;

    const nlohmann::json& m_object;
    const CQorDoc& m_doc;
};

} // namespace lumivane
