#pragma once
// What the project commands of lumivane-cli share: the options naming the catalog folder and
// the settings file, and a process set up from them as the program sets itself up.

#include <QCommandLineOption>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>

namespace lumivane::cli {

QCommandLineOption CatalogDirOption();
QCommandLineOption SettingsOption();

std::filesystem::path ToPath(const QString& text);

// Installs the settings store (the user's or the named INI file), reads the options, and
// installs the catalogs: built from the named folder's text files, or found as start-up finds
// them without writing a store. An error message when the catalog folder does not exist.
std::optional<std::string> SetUpProcess(const QString& catalogDir, const QString& settingsFile);

// Writes message and a line end to stderr; returns the failure exit code 1.
int Fail(const std::string& message);

} // namespace lumivane::cli
