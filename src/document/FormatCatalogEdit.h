#pragma once
// The Formats dialog's work on the format catalog: New, Edit and Delete act on a copy of the
// list while the dialog is open, so Cancel leaves the catalog and the project as they were;
// OK hands the list to the catalog, saves the user's formats and makes the project follow in
// one undo step (set-ups after a deleted position move down, auditoriums showing an edited
// format are recalculated).

#include "catalog/CustomFormat.h"

#include <memory>
#include <string>
#include <vector>

class CFormatDatabase;
class CFormatDescriptor;
class CQorDoc;

namespace lumivane {

class ProjectEditor;

class FormatCatalogEdit {
public:
    FormatCatalogEdit(const CFormatDatabase& catalog, const CQorDoc& project);
    ~FormatCatalogEdit();
    FormatCatalogEdit(const FormatCatalogEdit&) = delete;
    FormatCatalogEdit& operator=(const FormatCatalogEdit&) = delete;

    int Count() const { return static_cast<int>(m_entries.size()); }
    // Null for a position outside the list.
    const CFormatDescriptor* At(int position) const;
    bool IsUserFormat(int position) const;
    bool IsUsedByProject(int position) const;

    // Each returns an empty string when done, else the message that refuses it.
    std::string Edit(int position, const CustomFormatFields& fields);
    // A copy of the format at source with the fields applied, appended after every other
    // format as a new user format.
    std::string AddCopy(int source, const CustomFormatFields& fields);
    std::string Delete(int position);

    void Commit(CFormatDatabase& catalog, ProjectEditor& editor);

private:
    struct Entry {
        std::unique_ptr<CFormatDescriptor> format;
        // Position in the catalog when the dialog opened; -1 for a new format.
        int original;
        bool edited;
    };

    std::int32_t NextCustomIndex() const;

    std::vector<Entry> m_entries;
    std::vector<bool> m_usedOriginals;
};

} // namespace lumivane
