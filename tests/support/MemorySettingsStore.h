#pragma once
// An in-memory settings store for core tests; the real QSettings adapter has its own tests.

#include "base/SettingsStore.h"

#include <map>
#include <utility>
#include <variant>

namespace lumivane::test {

class MemorySettingsStore : public SettingsStore {
public:
    using Value = std::variant<std::int32_t, std::string, std::vector<std::uint8_t>>;

    std::int32_t ReadInt(const std::string& section, const std::string& name,
                         std::int32_t defaultValue) const override;
    void WriteInt(const std::string& section, const std::string& name, std::int32_t value) override;
    std::string ReadString(const std::string& section, const std::string& name,
                           const std::string& defaultValue) const override;
    void WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;
    std::optional<std::vector<std::uint8_t>> ReadBlock(const std::string& section,
                                                       const std::string& name) const override;
    void WriteBlock(const std::string& section, const std::string& name,
                    const std::vector<std::uint8_t>& bytes) override;
    void DeleteSection(const std::string& section) override;

    bool Has(const std::string& section, const std::string& name) const;

private:
    const Value* Find(const std::string& section, const std::string& name) const;

    std::map<std::pair<std::string, std::string>, Value> m_values;
};

} // namespace lumivane::test
