#pragma once
// The format catalog: the maker's formats followed by the user's own, which live in the
// settings store. Formats are known everywhere by their position in this list.

#include "catalog/FormatDescriptor.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace lumivane {
class Archive;
}

class CFormatDatabase {
public:
    // Settings section of the user-defined formats; value names are their custom indexes.
    static constexpr const char* kSection = "Formats";
    // Missing value names tolerated in a row before the user-defined formats are taken to end.
    static constexpr std::int32_t kMaxCustomGap = 64;

    // Replaces the list with the formats of "formats.txt" in folder (none when the file is
    // missing), followed by the user-defined formats.
    void BuildFromText(const std::filesystem::path& folder);
    // Stores the maker's formats only; loading replaces the list and then appends the
    // user-defined formats. A failed load throws and leaves the list unchanged.
    void Serialize(lumivane::Archive& ar);

    // Both work on the settings store of the application context; without one they do nothing.
    void LoadCustomFormats();
    // Renumbers the user-defined formats 0, 1, 2, ... in list order and rewrites the section.
    void SaveCustomFormats();

    std::int32_t NextCustomIndex() const;
    void RemoveFormat(int position);
    int IndexOf(const CFormatDescriptor* format) const;
    // Empty for a position outside the list.
    std::string GetFormatName(int position) const;

    int GetCount() const { return static_cast<int>(m_formats.size()); }
    // Null for a position outside the list.
    CFormatDescriptor* GetAt(int position);
    const CFormatDescriptor* GetAt(int position) const;
    CFormatDescriptor& Append(std::unique_ptr<CFormatDescriptor> format);
    // The whole list at once, as the Formats dialog leaves it.
    void ReplaceAll(std::vector<std::unique_ptr<CFormatDescriptor>> formats);
    // The user-defined formats in list order, each in its settings form.
    std::vector<std::string> UserFormatTexts() const;
    // Puts the user-defined formats back as texts gave them, after the maker's, and saves them.
    void ReplaceUserFormats(const std::vector<std::string>& texts);

private:
    std::vector<std::unique_ptr<CFormatDescriptor>> m_formats;
};
