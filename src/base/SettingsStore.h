#pragma once
// The per-user store of named values, in sections, as the core sees it. The Qt layer maps it
// onto QSettings; tests use an in-memory store.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumivane {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::int32_t ReadInt(const std::string& section, const std::string& name,
                                 std::int32_t defaultValue) const = 0;
    virtual void WriteInt(const std::string& section, const std::string& name,
                          std::int32_t value) = 0;
    virtual std::string ReadString(const std::string& section, const std::string& name,
                                   const std::string& defaultValue) const = 0;
    virtual void WriteString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    virtual std::optional<std::vector<std::uint8_t>> ReadBlock(const std::string& section,
                                                               const std::string& name) const = 0;
    virtual void WriteBlock(const std::string& section, const std::string& name,
                            const std::vector<std::uint8_t>& bytes) = 0;
    // Removes the section with all its values.
    virtual void DeleteSection(const std::string& section) = 0;
};

} // namespace lumivane
