#include "ui/MapiMailSender.h"

#include "ui/SimpleMapi.h"

#include <filesystem>
#include <string_view>
#include <windows.h>

namespace lumivane {
namespace {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// Simple MAPI takes text in the ANSI code page; lossless tells whether every character fit.
std::string Ansi(std::wstring_view wide, bool* lossless = nullptr) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    std::string ansi(
        static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                                     size, nullptr, 0, nullptr, nullptr)),
        '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(),
                        static_cast<int>(ansi.size()), nullptr, lossless ? &usedDefault : nullptr);
    if (lossless) {
        *lossless = !usedDefault;
    }
    return ansi;
}

// A file whose path does not fit the code page goes by its short name, which always does.
std::string AnsiPath(const std::filesystem::path& path) {
    bool lossless = false;
    std::string ansi = Ansi(path.native(), &lossless);
    if (lossless) {
        return ansi;
    }
    std::wstring shortPath(MAX_PATH, L'\0');
    DWORD length =
        GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
    if (length > shortPath.size()) {
        shortPath.resize(length);
        length = GetShortPathNameW(path.c_str(), shortPath.data(), length);
    }
    if (length == 0) {
        return ansi;
    }
    shortPath.resize(length);
    return Ansi(shortPath);
}

// Mail programs on Windows read the body with its own line ends.
std::string WindowsLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n' && (out.empty() || out.back() != '\r')) {
            out += '\r';
        }
        out += c;
    }
    return out;
}

MailResult ResultOf(ULONG code) {
    switch (code) {
    case mapi::kSuccess:
        return MailResult::Sent;
    case mapi::kUserAbort:
    case mapi::kLoginFailure:
        return MailResult::Declined;
    default:
        return MailResult::Failed;
    }
}

} // namespace

MapiMailSender::MapiMailSender(std::wstring library) : m_library(std::move(library)) {}

MapiMailSender::~MapiMailSender() {
    if (m_module) {
        FreeLibrary(static_cast<HMODULE>(m_module));
    }
}

bool MapiMailSender::IsAvailable() const {
    return SearchPathW(nullptr, m_library.c_str(), nullptr, 0, nullptr, nullptr) > 0;
}

MailResult MapiMailSender::Send(const MailMessage& message) {
    if (!m_module) {
        m_module = LoadLibraryW(m_library.c_str());
    }
    if (!m_module) {
        return MailResult::NoMailSystem;
    }
    // Through a pointer to a function of no arguments, which converts to any function type.
    const auto send = reinterpret_cast<mapi::SendMailFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(static_cast<HMODULE>(m_module), "MAPISendMail")));
    if (!send) {
        return MailResult::InvalidMailSystem;
    }

    std::string body = WindowsLineEnds(Ansi(Wide(message.body)));
    std::string path;
    std::string name;
    mapi::FileDesc file{};
    mapi::Message mail{};
    if (!body.empty()) {
        mail.lpszNoteText = body.data();
    }
    if (message.attachment) {
        path = AnsiPath(message.attachment->file);
        name = Ansi(Wide(message.attachment->name));
        file.nPosition = mapi::kNoPosition;
        file.lpszPathName = path.data();
        file.lpszFileName = name.data();
        mail.nFileCount = 1;
        mail.lpFiles = &file;
    }
    const auto window = reinterpret_cast<ULONG_PTR>(GetActiveWindow());
    return ResultOf(send(0, window, &mail, mapi::kLogonUi | mapi::kDialog, 0));
}

} // namespace lumivane
