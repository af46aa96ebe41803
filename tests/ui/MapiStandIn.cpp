#include "MapiStandIn.h"

#include "ui/SimpleMapi.h"

#include <cstdio>

namespace {

ULONG g_answer = lumivane::mapi::kSuccess;
MapiStandInCall g_last;
int g_calls = 0;

std::string Text(const char* text) {
    return text ? std::string(text) : std::string();
}

// Opened as the mail program would open it: an ANSI path through the C runtime.
std::string FirstBytes(const char* path) {
    std::FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        return {};
    }
    char bytes[4] = {};
    const std::size_t read = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    return std::string(bytes, read);
}

} // namespace

extern "C" {

__declspec(dllexport) ULONG WINAPI
    MAPISendMail(ULONG_PTR, ULONG_PTR, lumivane::mapi::Message* message, ULONG flags, ULONG) {
    g_last = MapiStandInCall{};
    g_last.flags = flags;
    g_last.subject = message->lpszSubject != nullptr;
    g_last.recipients = message->nRecipCount;
    g_last.body = Text(message->lpszNoteText);
    g_last.files = message->nFileCount;
    if (message->nFileCount > 0) {
        const lumivane::mapi::FileDesc& file = message->lpFiles[0];
        g_last.position = file.nPosition;
        g_last.path = Text(file.lpszPathName);
        g_last.name = Text(file.lpszFileName);
        g_last.attached = FirstBytes(file.lpszPathName);
    }
    ++g_calls;
    return g_answer;
}

void MapiStandInAnswer(ULONG code) {
    g_answer = code;
}

int MapiStandInTake(MapiStandInCall* call) {
    *call = g_last;
    const int calls = g_calls;
    g_calls = 0;
    return calls;
}
}
