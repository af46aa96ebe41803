#include "cli/CatalogCommands.h"

#include "base/AppContext.h"
#include "catalog/CatalogJson.h"
#include "catalog/CatalogStore.h"
#include "catalog/CatalogUpdate.h"
#include "cli/CommandSetup.h"
#include "ui/CatalogLocations.h"
#include "ui/QtCatalogFetcher.h"

#include <QCommandLineParser>

#include <cstdio>
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

std::string PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string()).toStdString();
}

QCommandLineOption OutOption() {
    return {QStringLiteral("out"), QStringLiteral("Catalog store to write."),
            QStringLiteral("FILE")};
}
QCommandLineOption StoreOption() {
    return {QStringLiteral("store"), QStringLiteral("Catalog store file."), QStringLiteral("FILE")};
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

int Build(const QStringList& arguments) {
    QCommandLineParser parser;
    if (auto error =
            Parse(parser, arguments, {CatalogDirOption(), OutOption(), SettingsOption()})) {
        return Fail(*error);
    }
    if (!parser.isSet(CatalogDirOption()) || !parser.isSet(OutOption())) {
        return Fail("catalog build needs --catalog-dir and --out.");
    }
    // The user-defined formats come from the settings, as they do in the program.
    UseSettings(parser);
    std::string error;
    auto catalogs = ChosenCatalogs(parser, error);
    if (!catalogs) {
        return Fail(error);
    }
    if (!WriteCatalogStore(ToPath(parser.value(OutOption())), *catalogs)) {
        return Fail("The catalog store could not be written: " +
                    parser.value(OutOption()).toStdString());
    }
    return 0;
}

std::optional<CatalogSet> DumpedCatalogs(const QCommandLineParser& parser, std::string& error) {
    if (!parser.isSet(StoreOption())) {
        return ChosenCatalogs(parser, error);
    }
    auto loaded = ReadCatalogStore(ToPath(parser.value(StoreOption())));
    if (!loaded) {
        error = kBadStore;
    }
    return loaded;
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
