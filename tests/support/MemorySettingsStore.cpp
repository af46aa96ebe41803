#include "support/MemorySettingsStore.h"

namespace lumivane::test {

const MemorySettingsStore::Value* MemorySettingsStore::Find(const std::string& section,
                                                            const std::string& name) const {
    const auto it = m_values.find({section, name});
    return it == m_values.end() ? nullptr : &it->second;
}

bool MemorySettingsStore::Has(const std::string& section, const std::string& name) const {
    return Find(section, name) != nullptr;
}

std::int32_t MemorySettingsStore::ReadInt(const std::string& section, const std::string& name,
                                          std::int32_t defaultValue) const {
    const Value* v = Find(section, name);
    const auto* i = v ? std::get_if<std::int32_t>(v) : nullptr;
    return i ? *i : defaultValue;
}

void MemorySettingsStore::WriteInt(const std::string& section, const std::string& name,
                                   std::int32_t value) {
    m_values[{section, name}] = value;
}

std::string MemorySettingsStore::ReadString(const std::string& section, const std::string& name,
                                            const std::string& defaultValue) const {
    const Value* v = Find(section, name);
    const auto* s = v ? std::get_if<std::string>(v) : nullptr;
    return s ? *s : defaultValue;
}

void MemorySettingsStore::WriteString(const std::string& section, const std::string& name,
                                      const std::string& value) {
    m_values[{section, name}] = value;
}

std::optional<std::vector<std::uint8_t>>
MemorySettingsStore::ReadBlock(const std::string& section, const std::string& name) const {
    const Value* v = Find(section, name);
    const auto* b = v ? std::get_if<std::vector<std::uint8_t>>(v) : nullptr;
    if (!b) {
        return std::nullopt;
    }
    return *b;
}

void MemorySettingsStore::WriteBlock(const std::string& section, const std::string& name,
                                     const std::vector<std::uint8_t>& bytes) {
    m_values[{section, name}] = bytes;
}

void MemorySettingsStore::DeleteSection(const std::string& section) {
    std::erase_if(m_values, [&](const auto& entry) { return entry.first.first == section; });
}

} // namespace lumivane::test
