#include "ui/QtSettingsStore.h"

#include <QByteArray>
#include <QStringList>
#include <QVariant>

#include <limits>

namespace lumivane {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Key(const std::string& section, const std::string& name) {
    return FromUtf8(section) + QLatin1Char('/') + FromUtf8(name);
}

std::optional<std::int32_t> ToInt32(const QVariant& value) {
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(number);
}

// An INI line with an unquoted comma, as a hand-edited file may hold, reads back as a list.
QString ToText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", "));
    }
    return value.toString();
}

} // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(QStringLiteral("Halvard"), QStringLiteral("qor30")) {}

QtSettingsStore::QtSettingsStore(const QString& iniFilePath)
    : m_settings(iniFilePath, QSettings::IniFormat) {}

std::int32_t QtSettingsStore::ReadInt(const std::string& section, const std::string& name,
                                      std::int32_t defaultValue) const {
    const QVariant value = m_settings.value(Key(section, name));
    if (!value.isValid()) {
        return defaultValue;
    }
    return ToInt32(value).value_or(defaultValue);
}

void QtSettingsStore::WriteInt(const std::string& section, const std::string& name,
                               std::int32_t value) {
    m_settings.setValue(Key(section, name), value);
}

std::string QtSettingsStore::ReadString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) const {
    const QVariant value = m_settings.value(Key(section, name));
    if (!value.isValid()) {
        return defaultValue;
    }
    return ToText(value).toStdString();
}

void QtSettingsStore::WriteString(const std::string& section, const std::string& name,
                                  const std::string& value) {
    m_settings.setValue(Key(section, name), FromUtf8(value));
}

std::optional<std::vector<std::uint8_t>> QtSettingsStore::ReadBlock(const std::string& section,
                                                                    const std::string& name) const {
    const QVariant value = m_settings.value(Key(section, name));
    if (value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void QtSettingsStore::WriteBlock(const std::string& section, const std::string& name,
                                 const std::vector<std::uint8_t>& bytes) {
    const QByteArray block(reinterpret_cast<const char*>(bytes.data()),
                           static_cast<qsizetype>(bytes.size()));
    m_settings.setValue(Key(section, name), block);
}

void QtSettingsStore::DeleteSection(const std::string& section) {
    // QSettings takes an empty group name to mean every value of the store.
    if (section.empty()) {
        return;
    }
    m_settings.remove(FromUtf8(section));
}

void QtSettingsStore::Sync() {
    m_settings.sync();
}

} // namespace lumivane
