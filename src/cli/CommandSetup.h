#pragma once
// What the commands of lumivane-cli share: the options naming the catalog folder and the
// settings file, a process set up from them as the program sets itself up, and how a command
// reports a failure.

#include "catalog/CatalogStore.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>

class CQorDoc;

namespace lumivane::cli {

QCommandLineOption CatalogDirOption();
QCommandLineOption SettingsOption();

std::filesystem::path ToPath(const QString& text);

// The functions below read the options of a parser that has SettingsOption and CatalogDirOption.

// The settings as the program reads them at start, from the named INI file or the user's store,
// and the options its main window reads when it opens: the tool has no window to read them.
void UseSettings(const QCommandLineParser& parser);

// The catalogs built from the text files of the named catalog folder, or, when none is named,
// the ones start-up would open, without writing a store. None, with error set, when the named
// folder does not exist.
std::optional<CatalogSet> ChosenCatalogs(const QCommandLineParser& parser, std::string& error);

// UseSettings, then installs ChosenCatalogs. An error message when the catalog folder does not
// exist.
std::optional<std::string> SetUpProcess(const QCommandLineParser& parser);

// Opens the project file at path into project, recalculated as the window opens it; the message
// saying why when it cannot be read.
std::optional<std::string> OpenProject(CQorDoc& project, const QString& path);

// Writes message and a line end to stderr; returns the failure exit code 1.
int Fail(const std::string& message);

// Everything printed must reach standard output: when it could not all be written (a full disk,
// a closed file), says so on stderr and turns the exit code into a failure.
int CheckedExit(int exitCode);

} // namespace lumivane::cli
