#pragma once
// The settings store over QSettings: the per-user registry key Software\Halvard\qor30 on
// Windows, $XDG_CONFIG_HOME/Halvard/qor30.conf elsewhere, or an INI file named by the user.

#include "base/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QString>

namespace lumivane {

class QtSettingsStore : public SettingsStore {
public:
    // The user's own store.
    QtSettingsStore();
    // A store kept in the INI file at iniFilePath.
    explicit QtSettingsStore(const QString& iniFilePath);

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

    // Writes pending changes to disk now rather than when the store is destroyed.
    void Sync();
    // The file or registry key as the system spells it (backslashes on Windows).
    QString FileName() const { return QDir::toNativeSeparators(m_settings.fileName()); }

private:
    QSettings m_settings;
};

} // namespace lumivane
