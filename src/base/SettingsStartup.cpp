#include "base/SettingsStartup.h"

#include "base/ColumnBounds.h"
#include "base/NumberText.h"
#include "base/SettingsStore.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumivane {

namespace {

const std::string kWindow = "Window";
const std::string kSettings = "Settings";
const std::string kOptions = "Options";
const std::string kRecentFileList = "Recent File List";
const std::array<std::string, 3> kColumnNames{"Column1", "Column2", "Column3"};

constexpr std::int32_t kDefaultUpdateDays = 30;
// None, Recommended, 2/3, 3/4, 7/8, Throw, Adjustable.
constexpr std::int32_t kRadiusTypeCount = 7;
// None, Recommended, Adjustable.
constexpr std::int32_t kTiltTypeCount = 3;
constexpr int kDaysInYear = 365;

#ifdef _WIN32
constexpr const char* kPathSeparators = "\\/";
#else
constexpr const char* kPathSeparators = "/";
#endif

// Characters of UTF-8 text: every byte that does not continue a character starts one.
std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }));
}

// Where a shortened path keeps its front: the root and the first folder, or the drive or
// network share and the folder after it, up to the separator that follows.
std::size_t PathHeadLength(const std::string& path) {
    const std::size_t first = path.find_first_not_of(kPathSeparators);
    std::size_t end = path.find_first_of(kPathSeparators, first);
    if (first == std::string::npos || end == std::string::npos) {
        return path.size();
    }
    if (path[end - 1] == ':' || first >= 2) {
        end = std::min(path.find_first_of(kPathSeparators, end + 1), path.size());
    }
    return end;
}

// A type index from a damaged store would point past the end of its list.
std::int16_t ReadTypeIndex(const SettingsStore& store, const std::string& name,
                           std::int32_t count) {
    const std::int32_t value = store.ReadInt(kOptions, name, 0);
    return static_cast<std::int16_t>(value >= 0 && value < count ? value : 0);
}

double ReadThousandths(const SettingsStore& store, const std::string& name) {
    return ValueFromThousandths(store.ReadInt(kOptions, name, 0));
}

void WriteThousandths(SettingsStore& store, const std::string& name, double value) {
    store.WriteInt(kOptions, name, ThousandthsFromValue(value));
}

std::string RecentFileName(int index) {
    return "File" + FormatInt(index + 1);
}

// Day 365 exists only in leap years; it counts as the year's last day.
int DayWithinYear(int day) {
    return std::clamp(day, 0, kDaysInYear - 1);
}

} // namespace

void ReadWindowSettings(const SettingsStore& store, AppSettings& settings) {
    const AppSettings defaults;
    std::array<std::int32_t, 3> columns{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i] = store.ReadInt(kWindow, kColumnNames[i], defaults.m_columns[i]);
    }
    settings.m_columns = AreColumnBoundsValid(columns) ? columns : defaults.m_columns;
    settings.m_updateDays = store.ReadInt(kSettings, "Update", kDefaultUpdateDays);
}

void WriteWindowSettings(SettingsStore& store, const AppSettings& settings) {
    for (std::size_t i = 0; i < settings.m_columns.size(); ++i) {
        store.WriteInt(kWindow, kColumnNames[i], settings.m_columns[i]);
    }
}

// Rounded, not truncated: 2.01 m is 2009.9999... thousandths in binary and must stay 2010.
std::int32_t ThousandthsFromValue(double value) {
    return TruncToInt32(std::round(value * 1000.0));
}

double ValueFromThousandths(std::int32_t stored) {
    return stored * 0.001;
}

void ReadOptions(const SettingsStore& store, AppSettings& settings) {
    settings.m_company = store.ReadString(kOptions, "Company", "");
    settings.m_screenEdge = ReadThousandths(store, "ScreenEdge");
    settings.m_lockProjector = store.ReadInt(kOptions, "LockProjector", 0);
    settings.m_radiusType = ReadTypeIndex(store, "RadiusType", kRadiusTypeCount);
    settings.m_radiusValue = ReadThousandths(store, "RadiusValue");
    settings.m_tiltType = ReadTypeIndex(store, "TiltType", kTiltTypeCount);
    settings.m_tiltValue = ReadThousandths(store, "TiltValue");
    settings.m_tiltDepth = ReadThousandths(store, "TiltDepth");
    settings.m_porthole = store.ReadInt(kOptions, "Porthole", 0);
    settings.m_portholeThrow = ReadThousandths(store, "PortholeThrow");
}

void WriteOptions(SettingsStore& store, const AppSettings& settings) {
    store.WriteString(kOptions, "Company", settings.m_company);
    WriteThousandths(store, "ScreenEdge", settings.m_screenEdge);
    store.WriteInt(kOptions, "LockProjector", settings.m_lockProjector);
    store.WriteInt(kOptions, "RadiusType", settings.m_radiusType);
    WriteThousandths(store, "RadiusValue", settings.m_radiusValue);
    store.WriteInt(kOptions, "TiltType", settings.m_tiltType);
    WriteThousandths(store, "TiltValue", settings.m_tiltValue);
    WriteThousandths(store, "TiltDepth", settings.m_tiltDepth);
    store.WriteInt(kOptions, "Porthole", settings.m_porthole);
    WriteThousandths(store, "PortholeThrow", settings.m_portholeThrow);
}

std::vector<std::string> ReadRecentFiles(const SettingsStore& store) {
    std::vector<std::string> files;
    for (int i = 0; i < kRecentFileCount; ++i) {
        std::string file = store.ReadString(kRecentFileList, RecentFileName(i), "");
        if (!file.empty()) {
            files.push_back(std::move(file));
        }
    }
    return files;
}

void WriteRecentFiles(SettingsStore& store, const std::vector<std::string>& files) {
    store.DeleteSection(kRecentFileList);
    const auto count = std::min<std::size_t>(files.size(), kRecentFileCount);
    for (std::size_t i = 0; i < count; ++i) {
        store.WriteString(kRecentFileList, RecentFileName(static_cast<int>(i)), files[i]);
    }
}

std::vector<std::string> AddRecentFile(std::vector<std::string> files, const std::string& file) {
    std::erase(files, file);
    files.insert(files.begin(), file);
    if (files.size() > static_cast<std::size_t>(kRecentFileCount)) {
        files.resize(kRecentFileCount);
    }
    return files;
}

void NoteRecentFile(SettingsStore& store, const std::string& file) {
    WriteRecentFiles(store, AddRecentFile(ReadRecentFiles(store), file));
}

void ForgetRecentFile(SettingsStore& store, const std::string& file) {
    std::vector<std::string> files = ReadRecentFiles(store);
    std::erase(files, file);
    WriteRecentFiles(store, files);
}

std::string ShortenedRecentName(const std::string& path, std::size_t maxLength) {
    if (CharacterCount(path) <= maxLength) {
        return path;
    }
    const std::size_t nameStart = path.find_last_of(kPathSeparators) + 1;
    const std::string name = path.substr(nameStart);
    const std::size_t headEnd = PathHeadLength(path);
    if (headEnd + 1 >= nameStart) {
        return name;
    }
    const std::string head = path.substr(0, headEnd + 1) + "...";
    // Folders after the head go one by one until the rest fits; the name alone when even the
    // head and the name are too long.
    for (std::size_t cut = path.find_first_of(kPathSeparators, headEnd + 1); cut < nameStart;
         cut = path.find_first_of(kPathSeparators, cut + 1)) {
        std::string shortened = head + path.substr(cut);
        if (CharacterCount(shortened) <= maxLength) {
            return shortened;
        }
    }
    return name;
}

std::int32_t ReadPreviewPages(const SettingsStore& store) {
    return store.ReadInt(kSettings, "PreviewPages", 0);
}

void WritePreviewPages(SettingsStore& store, std::int32_t pages) {
    if (pages != 0) {
        store.WriteInt(kSettings, "PreviewPages", pages);
    }
}

std::string CatalogStorePath(const std::string& programPath) {
    const auto cut = programPath.find_last_of(kPathSeparators);
    if (cut == std::string::npos) {
        return {};
    }
    return programPath.substr(0, cut + 1) + "database.dta";
}

std::string HelpFilePath(const std::string& programPath) {
    // Only a dot in the file name starts the extension; a dot in a folder name does not.
    const auto separator = programPath.find_last_of(kPathSeparators);
    const auto nameStart = separator == std::string::npos ? 0 : separator + 1;
    const auto dot = programPath.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameStart;
    return programPath.substr(0, hasExtension ? dot : programPath.size()) + ".CHM";
}

int DaysSinceUpdate(std::int32_t lastUpdate, int today) {
    return (DayWithinYear(today) - DayWithinYear(lastUpdate) + kDaysInYear) % kDaysInYear;
}

bool IsUpdateDue(std::int32_t lastUpdate, std::int32_t updateDays, int today) {
    // A day of the year alone cannot show that a whole year has passed, so the longest
    // intervals come due on the last day before the anniversary.
    const int interval = std::clamp(updateDays, 1, kDaysInYear);
    return DaysSinceUpdate(lastUpdate, today) > std::min(interval, kDaysInYear - 2);
}

bool IsLiveUpdateDue(const SettingsStore& store, const AppSettings& settings, int today) {
    if (store.ReadInt(kSettings, "Automatic", 1) != 1) {
        return false;
    }
    return IsUpdateDue(store.ReadInt(kSettings, "LastUpdate", 0), settings.m_updateDays, today);
}

void WriteNeverUpdate(SettingsStore& store) {
    store.WriteInt(kSettings, "Automatic", 0);
}

void WriteUpdateSucceeded(SettingsStore& store, int today) {
    store.WriteInt(kSettings, "LastUpdate", today);
}

std::int32_t ClampUpdateDays(std::int32_t days) {
    return std::clamp(days, kMinUpdateDays, kMaxUpdateDays);
}

UpdateOptions ReadUpdateOptions(const SettingsStore& store) {
    UpdateOptions options;
    options.automatic = store.ReadInt(kSettings, "Automatic", 1) == 1;
    options.days = ClampUpdateDays(store.ReadInt(kSettings, "Update", kDefaultUpdateDays));
    options.connected = store.ReadInt(kSettings, "Connected", 0) == 1;
    return options;
}

void WriteUpdateOptions(SettingsStore& store, const UpdateOptions& options, AppSettings& settings) {
    const std::int32_t days = ClampUpdateDays(options.days);
    store.WriteInt(kSettings, "Automatic", options.automatic ? 1 : 0);
    store.WriteInt(kSettings, "Update", days);
    store.WriteInt(kSettings, "Connected", options.connected ? 1 : 0);
    settings.m_updateDays = days;
}

void ReadFixedFocal(const SettingsStore& store, AppSettings& settings) {
    settings.m_fixedFocal = store.ReadInt(kSettings, "FixedFocal", 0) == 1;
}

void WriteFixedFocal(SettingsStore& store, bool fixedFocal) {
    store.WriteInt(kSettings, "FixedFocal", fixedFocal ? 1 : 0);
}

bool DecideMetricUnits(const SettingsStore& store, bool localeIsMetric) {
    const std::int32_t choice = store.ReadInt(kSettings, "Metric", 0);
    return choice == 0 ? localeIsMetric : choice == 1;
}

void WriteUnitChoice(SettingsStore& store, bool metric) {
    store.WriteInt(kSettings, "Metric", metric ? 1 : 2);
}

} // namespace lumivane
