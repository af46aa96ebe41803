#pragma once
// The rules by which the shared settings travel between the settings store and AppSettings:
// what start-up reads, what the main window reads on creation and writes on close, and what
// exit writes. The GUI start-up and the command-line tool both go through these.

#include "base/AppSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumivane {

class SettingsStore;

inline constexpr int kRecentFileCount = 4;

// "Window" columns and the live-update interval.
void ReadWindowSettings(const SettingsStore& store, AppSettings& settings);
// "Window" columns, written at exit.
void WriteWindowSettings(SettingsStore& store, const AppSettings& settings);

// The "Options" members: read when the main window is created, written when it closes.
// Real numbers are kept as whole thousandths.
void ReadOptions(const SettingsStore& store, AppSettings& settings);
void WriteOptions(SettingsStore& store, const AppSettings& settings);

std::int32_t ThousandthsFromValue(double value);
double ValueFromThousandths(std::int32_t stored);

// The most recently used project files, newest first, without empty entries.
std::vector<std::string> ReadRecentFiles(const SettingsStore& store);
// Replaces the stored list with the first kRecentFileCount entries of files.
void WriteRecentFiles(SettingsStore& store, const std::vector<std::string>& files);
// file first, without an earlier mention of it, at most kRecentFileCount entries.
std::vector<std::string> AddRecentFile(std::vector<std::string> files, const std::string& file);
// The stored list is the one list: the open commands change it as they go, so start-up, the
// menu and exit never disagree.
void NoteRecentFile(SettingsStore& store, const std::string& file);
// A file that no longer opens leaves the list.
void ForgetRecentFile(SettingsStore& store, const std::string& file);
// The path in at most maxLength characters, as a menu shows it: its root and first folder,
// "...", the last folders that fit and the file name; just the file name when no folder fits.
std::string ShortenedRecentName(const std::string& path, std::size_t maxLength);

std::int32_t ReadPreviewPages(const SettingsStore& store);
// A page count of 0 is not written, so a stored choice survives a run that never previewed.
void WritePreviewPages(SettingsStore& store, std::int32_t pages);

// The catalog store sits beside the program: "database.dta" in the program's folder, or an
// empty path when the program path names no folder.
std::string CatalogStorePath(const std::string& programPath);
// The program path with its extension replaced by ".CHM".
std::string HelpFilePath(const std::string& programPath);

// Days from lastUpdate forward to today, both days of the year (0 = 1 January), wrapping at
// the year's end.
int DaysSinceUpdate(std::int32_t lastUpdate, int today);
// Whether more than updateDays days have passed since lastUpdate.
bool IsUpdateDue(std::int32_t lastUpdate, std::int32_t updateDays, int today);
// The start-up test: automatic updates on and an update due today.
bool IsLiveUpdateDue(const SettingsStore& store, const AppSettings& settings, int today);
// The user chose "Never" in the update prompt.
void WriteNeverUpdate(SettingsStore& store);
void WriteUpdateSucceeded(SettingsStore& store, int today);

// The update page of the options sheet: "Automatic", "Update" and "Connected" of "Settings".
struct UpdateOptions {
    bool automatic = true;
    std::int32_t days = 30;
    bool connected = false;
};
inline constexpr std::int32_t kMinUpdateDays = 1;
inline constexpr std::int32_t kMaxUpdateDays = 60;
// An interval outside 1..60 days (from an older program or a hand-edited store) is shown
// clamped, so OK never writes one back.
std::int32_t ClampUpdateDays(std::int32_t days);
UpdateOptions ReadUpdateOptions(const SettingsStore& store);
// Written at once when the options sheet closes with OK; the interval also goes into settings,
// which the start-up due test reads.
void WriteUpdateOptions(SettingsStore& store, const UpdateOptions& options, AppSettings& settings);

void ReadFixedFocal(const SettingsStore& store, AppSettings& settings);
void WriteFixedFocal(SettingsStore& store, bool fixedFocal);

// "Metric" 0 (or missing) follows the user's locale; otherwise metric exactly when it is 1.
bool DecideMetricUnits(const SettingsStore& store, bool localeIsMetric);
void WriteUnitChoice(SettingsStore& store, bool metric);

} // namespace lumivane
