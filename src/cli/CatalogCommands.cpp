#include "cli/CatalogCommands.h"

#include "base/AppContext.h"
#include "catalog/CatalogJson.h"
#include "catalog/CatalogStore.h"
#include "catalog/CatalogUpdate.h"
#include "ui/CatalogLocations.h"
#include "ui/QtCatalogFetcher.h"
#include "ui/QtSettingsStore.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace lumivane::cli {

namespace {

constexpr auto kUsage = "Usage: lumivane-cli catalog build --catalog-dir DIR --out FILE "
                        "[--settings FILE]\n"
                        "       lumivane-cli catalog dump [--catalog-dir DIR | --store FILE] "
                        "[--settings FILE]\n"
                        "       lumivane-cli catalog update [--store FILE] [--url BASE]\n";
// The archive's own words for a store that does not load.
constexpr auto kBadStore = "Unexpected file format.";

int Fail(const std::string& message) {
    std::fputs((message + '\n').c_str(), stderr);
    return 1;
}

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

std::string PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string()).toStdString();
}

QCommandLineOption CatalogDirOption() {
    return {QStringLiteral("catalog-dir"), QStringLiteral("Folder of the catalog text files."),
            QStringLiteral("DIR")};
}
QCommandLineOption OutOption() {
    return {QStringLiteral("out"), QStringLiteral("Catalog store to write."),
            QStringLiteral("FILE")};
}
QCommandLineOption StoreOption() {
    return {QStringLiteral("store"), QStringLiteral("Catalog store file."), QStringLiteral("FILE")};
}
QCommandLineOption SettingsOption() {
    return {QStringLiteral("settings"), QStringLiteral("Settings INI file instead of the user's."),
            QStringLiteral("FILE")};
}
QCommandLineOption UrlOption() {
    return {QStringLiteral("url"), QStringLiteral("The catalog server's download folder."),
            QStringLiteral("BASE")};
}

// Parses the subcommand's options; an error message when they do not fit.
std::optional<std::string> Parse(QCommandLineParser& parser, const QStringList& arguments,
                                 const QList<QCommandLineOption>& options) {
    parser.addOptions(options);
    if (!parser.parse(arguments)) {
        return parser.errorText().toStdString();
    }
    if (!parser.positionalArguments().isEmpty()) {
        return "Unexpected argument: " + parser.positionalArguments().front().toStdString();
    }
    return std::nullopt;
}

// The user-defined formats come from this store, as they do in the program.
void UseSettings(const QCommandLineParser& parser) {
    Ctx().settingsStore = parser.isSet(SettingsOption())
                              ? std::make_shared<QtSettingsStore>(parser.value(SettingsOption()))
                              : std::make_shared<QtSettingsStore>();
}

std::optional<std::string> MissingFolder(const QString& folder) {
    if (QFileInfo(folder).isDir()) {
        return std::nullopt;
    }
    return "Catalog folder not found: " + folder.toStdString();
}

int Build(const QStringList& arguments) {
    QCommandLineParser parser;
    if (auto error =
            Parse(parser, arguments, {CatalogDirOption(), OutOption(), SettingsOption()})) {
        return Fail(*error);
    }
    if (!parser.isSet(CatalogDirOption()) || !parser.isSet(OutOption())) {
        return Fail("catalog build needs --catalog-dir and --out.");
    }
    if (auto error = MissingFolder(parser.value(CatalogDirOption()))) {
        return Fail(*error);
    }
    UseSettings(parser);
    CatalogSet catalogs = BuildCatalogsFromText(ToPath(parser.value(CatalogDirOption())));
    if (!WriteCatalogStore(ToPath(parser.value(OutOption())), catalogs)) {
        return Fail("The catalog store could not be written: " +
                    parser.value(OutOption()).toStdString());
    }
    return 0;
}

std::optional<CatalogSet> DumpedCatalogs(const QCommandLineParser& parser, std::string& error) {
    if (parser.isSet(CatalogDirOption())) {
        if (auto missing = MissingFolder(parser.value(CatalogDirOption()))) {
            error = *missing;
            return std::nullopt;
        }
        return BuildCatalogsFromText(ToPath(parser.value(CatalogDirOption())));
    }
    if (parser.isSet(StoreOption())) {
        auto loaded = ReadCatalogStore(ToPath(parser.value(StoreOption())));
        if (!loaded) {
            error = kBadStore;
        }
        return loaded;
    }
    // As start-up would find them, without writing a store.
    return OpenCatalogs(CatalogStoreLocation(),
                        FindCatalogTextFolder(CatalogTextFolders(ProgramDirectory())),
                        StoreWriting::ReadOnly)
        .catalogs;
}

int Dump(const QStringList& arguments) {
    QCommandLineParser parser;
    if (auto error =
            Parse(parser, arguments, {CatalogDirOption(), StoreOption(), SettingsOption()})) {
        return Fail(*error);
    }
    if (parser.isSet(CatalogDirOption()) && parser.isSet(StoreOption())) {
        return Fail("catalog dump takes --catalog-dir or --store, not both.");
    }
    UseSettings(parser);
    std::string error;
    const auto catalogs = DumpedCatalogs(parser, error);
    if (!catalogs) {
        return Fail(error);
    }
    std::fputs(CatalogsToJson(*catalogs).c_str(), stdout);
    return 0;
}

int Update(const QStringList& arguments) {
    QCommandLineParser parser;
    if (auto error = Parse(parser, arguments, {StoreOption(), UrlOption(), SettingsOption()})) {
        return Fail(*error);
    }
    UseSettings(parser);
    const std::filesystem::path store =
        parser.isSet(StoreOption()) ? ToPath(parser.value(StoreOption())) : CatalogStoreLocation();
    const std::string base = parser.isSet(UrlOption())
                                 ? parser.value(UrlOption()).toStdString()
                                 : CatalogServerBase(Ctx().settingsStore.get());
    QtCatalogFetcher fetcher;
    const int result = DownloadCatalogStore(
        store, CatalogStoreAddress(base), UpdateNowDownloadFlags, fetcher, IsCompleteCatalogStore);
    std::fputs((DownloadResultMessage(result) + '\n').c_str(),
               result == DownloadSucceeded ? stdout : stderr);
    if (result == DownloadSucceeded) {
        std::fputs(("Catalog store: " + PathText(store) + '\n').c_str(), stdout);
    }
    return result;
}

} // namespace

int RunCatalogCommand(const QStringList& arguments) {
    // arguments[0] is the program, [1] "catalog", [2] the subcommand.
    const QString command = arguments.value(2);
    QStringList rest = arguments.mid(3);
    rest.prepend(arguments.value(0));
    if (command == QLatin1String("build")) {
        return Build(rest);
    }
    if (command == QLatin1String("dump")) {
        return Dump(rest);
    }
    if (command == QLatin1String("update")) {
        return Update(rest);
    }
    std::fputs(kUsage, stderr);
    return 1;
}

} // namespace lumivane::cli
