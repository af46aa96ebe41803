#pragma once
// A stand-in for the Simple MAPI library: its "MAPISendMail" records the message it is given,
// with the first bytes of the attached file read through the path as given, and answers with
// the code the test sets.

#include <string>
#include <windows.h>

struct MapiStandInCall {
    ULONG flags = 0;
    bool subject = false;
    ULONG recipients = 0;
    std::string body;
    ULONG files = 0;
    ULONG position = 0;
    std::string path;
    std::string name;
    std::string attached;
};

extern "C" {
__declspec(dllexport) void MapiStandInAnswer(ULONG code);
// The last message and forgets it; calls 0 when none came since.
__declspec(dllexport) int MapiStandInTake(MapiStandInCall* call);
}
