#include "cli/PdfOptions.h"

#include "cli/CommandSetup.h"
#include "reports/Mailer.h"

#include <cstring>
#include <string_view>

namespace lumivane::cli {
namespace {

std::optional<int> PageNumber(const QCommandLineParser& parser, const QCommandLineOption& option,
                              int fallback) {
    if (!parser.isSet(option)) {
        return fallback;
    }
    bool ok = false;
    const int page = parser.value(option).toInt(&ok);
    if (!ok || page < 1 || page > PageRange::kLastPage) {
        return std::nullopt;
    }
    return page;
}

} // namespace

QCommandLineOption PdfOption() {
    return {QStringLiteral("pdf"), QStringLiteral("PDF file to write the printed pages to."),
            QStringLiteral("OUT.pdf")};
}

QCommandLineOption FromOption() {
    return {QStringLiteral("from"), QStringLiteral("First page to print."), QStringLiteral("N")};
}

QCommandLineOption ToOption() {
    return {QStringLiteral("to"), QStringLiteral("Last page to print."), QStringLiteral("M")};
}

std::optional<PageRange> ChosenRange(const QCommandLineParser& parser, std::string& error) {
    const auto from = PageNumber(parser, FromOption(), 1);
    const auto to = PageNumber(parser, ToOption(), PageRange::kLastPage);
    if (!from || !to) {
        error = "--from and --to take page numbers from 1 to " +
                std::to_string(PageRange::kLastPage) + ".";
        return std::nullopt;
    }
    return PageRange{*from, *to};
}

int PdfExitCode(PdfResult result) {
    switch (result) {
    case PdfResult::Written:
        return 0;
    case PdfResult::NothingToPrint:
        return Fail("No page lies in the range; nothing was written.");
    case PdfResult::CannotWrite:
        break;
    }
    return Fail(std::string(kPdfFailedMessage));
}

bool LaysOutText(int argc, char* argv[]) {
    if (argc > 1 &&
        (std::strcmp(argv[1], "details") == 0 || std::strcmp(argv[1], "drawing") == 0)) {
        return true;
    }
    for (int i = 2; i < argc && argc > 1 && std::strcmp(argv[1], "report") == 0; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--pdf" || argument.starts_with("--pdf=")) {
            return true;
        }
    }
    return false;
}

void UseOffscreenPlatformUnlessChosen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

} // namespace lumivane::cli
