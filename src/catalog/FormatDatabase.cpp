#include "catalog/FormatDatabase.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/NumberText.h"
#include "base/SettingsStore.h"
#include "catalog/TextRecordReader.h"

#include <algorithm>

namespace {

// The shortest store record: two empty texts, four doubles and two 32-bit numbers.
constexpr std::size_t kMinFormatRecordSize = 2 + 4 * 8 + 2 * 4;

} // namespace

void CFormatDatabase::BuildFromText(const std::filesystem::path& folder) {
    m_formats.clear();
    lumivane::TextRecordReader reader(folder / "formats.txt");
    for (;;) {
        auto format = std::make_unique<CFormatDescriptor>();
        if (format->ReadTextRecord(reader) != 0) {
            break;
        }
        m_formats.push_back(std::move(format));
    }
    LoadCustomFormats();
}

void CFormatDatabase::Serialize(lumivane::Archive& ar) {
    if (ar.IsStoring()) {
        // The user's formats live in the settings alone; stored here too they would come back
        // twice, and a deleted one would survive as the maker's.
        const auto makers = std::count_if(m_formats.begin(), m_formats.end(),
                                          [](const auto& format) { return !format->IsCustom(); });
        ar.WriteDword(static_cast<std::uint32_t>(makers));
        for (const auto& format : m_formats) {
            if (!format->IsCustom()) {
                format->Serialize(ar);
            }
        }
        return;
    }
    const std::uint32_t count = ar.ReadCount(kMinFormatRecordSize);
    std::vector<std::unique_ptr<CFormatDescriptor>> loaded;
    loaded.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        auto format = std::make_unique<CFormatDescriptor>();
        format->Serialize(ar);
        loaded.push_back(std::move(format));
    }
    m_formats = std::move(loaded);
    LoadCustomFormats();
}

void CFormatDatabase::LoadCustomFormats() {
    const lumivane::SettingsStore* store = lumivane::Ctx().settingsStore.get();
    if (!store) {
        return;
    }
    // Older versions of the program left gaps in the numbering when a format was deleted, so
    // a missing number does not end the list at once.
    std::int32_t missing = 0;
    for (std::int32_t i = 0; missing < kMaxCustomGap; ++i) {
        const std::string text = store->ReadString(kSection, lumivane::FormatInt(i), "");
        if (text.empty()) {
            ++missing;
            continue;
        }
        missing = 0;
        auto format = std::make_unique<CFormatDescriptor>();
        format->ParseText(text, i);
        m_formats.push_back(std::move(format));
    }
}

void CFormatDatabase::SaveCustomFormats() {
    lumivane::SettingsStore* store = lumivane::Ctx().settingsStore.get();
    if (!store) {
        return;
    }
    store->DeleteSection(kSection);
    std::int32_t next = 0;
    for (const auto& format : m_formats) {
        if (format->IsCustom()) {
            format->SetCustomIndex(next++);
            store->WriteString(kSection, lumivane::FormatInt(format->GetCustomIndex()),
                               format->ToText());
        }
    }
}

std::int32_t CFormatDatabase::NextCustomIndex() const {
    std::int32_t candidate = 0;
    auto taken = [&] {
        return std::any_of(m_formats.begin(), m_formats.end(), [&](const auto& format) {
            return format->GetCustomIndex() == candidate;
        });
    };
    while (taken()) {
        ++candidate;
    }
    return candidate;
}

void CFormatDatabase::RemoveFormat(int position) {
    if (position >= 0 && position < GetCount()) {
        m_formats.erase(m_formats.begin() + position);
    }
}

int CFormatDatabase::IndexOf(const CFormatDescriptor* format) const {
    const auto it = std::find_if(m_formats.begin(), m_formats.end(),
                                 [&](const auto& own) { return own.get() == format; });
    return it == m_formats.end() ? -1 : static_cast<int>(it - m_formats.begin());
}

std::string CFormatDatabase::GetFormatName(int position) const {
    const CFormatDescriptor* format = GetAt(position);
    return format ? format->GetName() : std::string();
}

CFormatDescriptor* CFormatDatabase::GetAt(int position) {
    return position >= 0 && position < GetCount() ? m_formats[position].get() : nullptr;
}

const CFormatDescriptor* CFormatDatabase::GetAt(int position) const {
    return position >= 0 && position < GetCount() ? m_formats[position].get() : nullptr;
}

CFormatDescriptor& CFormatDatabase::Append(std::unique_ptr<CFormatDescriptor> format) {
    m_formats.push_back(std::move(format));
    return *m_formats.back();
}

void CFormatDatabase::ReplaceAll(std::vector<std::unique_ptr<CFormatDescriptor>> formats) {
    m_formats = std::move(formats);
}

std::vector<std::string> CFormatDatabase::UserFormatTexts() const {
    std::vector<std::string> texts;
    for (const auto& format : m_formats) {
        if (format->IsCustom()) {
            texts.push_back(format->ToText());
        }
    }
    return texts;
}

void CFormatDatabase::ReplaceUserFormats(const std::vector<std::string>& texts) {
    std::erase_if(m_formats, [](const auto& format) { return format->IsCustom(); });
    std::int32_t index = 0;
    for (const std::string& text : texts) {
        auto format = std::make_unique<CFormatDescriptor>();
        format->ParseText(text, index++);
        m_formats.push_back(std::move(format));
    }
    SaveCustomFormats();
}
