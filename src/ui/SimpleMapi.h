#pragma once
// Simple MAPI's message records and its send function, as the Windows documentation publishes
// them; MinGW does not ship every SDK header, and only these few are needed.

#include <windows.h>

namespace lumivane::mapi {

struct RecipDesc {
    ULONG ulReserved;
    ULONG ulRecipClass;
    LPSTR lpszName;
    LPSTR lpszAddress;
    ULONG ulEIDSize;
    LPVOID lpEntryID;
};

struct FileDesc {
    ULONG ulReserved;
    ULONG flFlags;
    // Where in the body the attachment goes; kNoPosition for nowhere.
    ULONG nPosition;
    LPSTR lpszPathName;
    // The name the message shows; the path's own when null.
    LPSTR lpszFileName;
    LPVOID lpFileType;
};

struct Message {
    ULONG ulReserved;
    LPSTR lpszSubject;
    LPSTR lpszNoteText;
    LPSTR lpszMessageType;
    LPSTR lpszDateReceived;
    LPSTR lpszConversationID;
    ULONG flFlags;
    RecipDesc* lpOriginator;
    ULONG nRecipCount;
    RecipDesc* lpRecips;
    ULONG nFileCount;
    FileDesc* lpFiles;
};

using SendMailFn = ULONG(WINAPI*)(ULONG_PTR session, ULONG_PTR uiParam, Message* message,
                                  ULONG flags, ULONG reserved);

// Log on with the user interface when needed, and show the message before it goes.
inline constexpr ULONG kLogonUi = 0x00000001;
inline constexpr ULONG kDialog = 0x00000008;
inline constexpr ULONG kNoPosition = 0xFFFFFFFF;

inline constexpr ULONG kSuccess = 0;
inline constexpr ULONG kUserAbort = 1;
inline constexpr ULONG kLoginFailure = 3;

} // namespace lumivane::mapi
