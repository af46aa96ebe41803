#include "document/FormatCatalogEdit.h"

#include "catalog/FormatDatabase.h"
#include "catalog/FormatDescriptor.h"
#include "document/ProjectEditor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "model/LensType.h"

#include <algorithm>

namespace lumivane {

namespace {

const char* const kOnlyUserFormats = "Only the formats you have made yourself can be changed.";

std::vector<bool> UsedPositions(const CQorDoc& project, int count) {
    std::vector<bool> used(static_cast<std::size_t>(count), false);
    for (int a = 0; a < project.GetAuditoriumCount(); ++a) {
        const CAuditorium& auditorium = *project.GetAuditorium(a);
        for (int i = 0; i < auditorium.LensTypeCount(); ++i) {
            const int format = auditorium.GetLensType(i)->GetFormat();
            if (format >= 0 && format < count) {
                used[static_cast<std::size_t>(format)] = true;
            }
        }
    }
    return used;
}

} // namespace

FormatCatalogEdit::FormatCatalogEdit(const CFormatDatabase& catalog, const CQorDoc& project)
    : m_usedOriginals(UsedPositions(project, catalog.GetCount())) {
    for (int i = 0; i < catalog.GetCount(); ++i) {
        m_entries.push_back({std::make_unique<CFormatDescriptor>(*catalog.GetAt(i)), i, false});
    }
}

FormatCatalogEdit::~FormatCatalogEdit() = default;

const CFormatDescriptor* FormatCatalogEdit::At(int position) const {
    if (position < 0 || position >= Count()) {
        return nullptr;
    }
    return m_entries[static_cast<std::size_t>(position)].format.get();
}

bool FormatCatalogEdit::IsUserFormat(int position) const {
    const CFormatDescriptor* format = At(position);
    return format != nullptr && format->IsCustom();
}

bool FormatCatalogEdit::IsUsedByProject(int position) const {
    if (At(position) == nullptr) {
        return false;
    }
    const int original = m_entries[static_cast<std::size_t>(position)].original;
    return original >= 0 && m_usedOriginals[static_cast<std::size_t>(original)];
}

std::string FormatCatalogEdit::Edit(int position, const CustomFormatFields& fields) {
    if (!IsUserFormat(position)) {
        return kOnlyUserFormats;
    }
    std::string refusal = CheckCustomFormat(fields);
    if (refusal.empty()) {
        Entry& entry = m_entries[static_cast<std::size_t>(position)];
        ApplyCustomFormat(fields, *entry.format);
        entry.edited = true;
    }
    return refusal;
}

std::string FormatCatalogEdit::AddCopy(int source, const CustomFormatFields& fields) {
    const CFormatDescriptor* original = At(source);
    if (original == nullptr) {
        return "Please select the format to start from.";
    }
    std::string refusal = CheckCustomFormat(fields);
    if (refusal.empty()) {
        auto copy = std::make_unique<CFormatDescriptor>(*original);
        ApplyCustomFormat(fields, *copy);
        copy->SetCustomIndex(NextCustomIndex());
        m_entries.push_back({std::move(copy), -1, true});
    }
    return refusal;
}

std::string FormatCatalogEdit::Delete(int position) {
    if (!IsUserFormat(position)) {
        return kOnlyUserFormats;
    }
    if (IsUsedByProject(position)) {
        return "The format \"" + At(position)->GetName() +
               "\" is used by the open project and cannot be deleted.";
    }
    m_entries.erase(m_entries.begin() + position);
    return {};
}

std::int32_t FormatCatalogEdit::NextCustomIndex() const {
    std::int32_t candidate = 0;
    while (std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        return entry.format->GetCustomIndex() == candidate;
    })) {
        ++candidate;
    }
    return candidate;
}

void FormatCatalogEdit::Commit(CFormatDatabase& catalog, ProjectEditor& editor) {
    std::vector<int> remap(m_usedOriginals.size(), -1);
    std::vector<int> changed;
    std::vector<std::unique_ptr<CFormatDescriptor>> formats;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        Entry& entry = m_entries[i];
        const int position = static_cast<int>(i);
        if (entry.original >= 0) {
            remap[static_cast<std::size_t>(entry.original)] = position;
        }
        if (entry.edited) {
            changed.push_back(position);
        }
        formats.push_back(std::move(entry.format));
    }
    m_entries.clear();
    editor.ApplyFormatChanges(remap, changed, [&] {
        catalog.ReplaceAll(std::move(formats));
        catalog.SaveCustomFormats();
    });
}

} // namespace lumivane
