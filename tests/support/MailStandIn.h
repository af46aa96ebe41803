#pragma once
// A stand-in for xdg-email, first on PATH while it lives: it records the arguments of every
// call and the first bytes of an attached file that is there when it runs. STAND_IN_EXIT
// sets its exit code and STAND_IN_SLEEP how many seconds it runs.

#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lumivane::test {

class MailStandIn {
public:
    MailStandIn();
    ~MailStandIn();
    MailStandIn(const MailStandIn&) = delete;
    MailStandIn& operator=(const MailStandIn&) = delete;

    // The stand-in's folder, free for other files too.
    const TempDir& Folder() const { return m_folder; }
    // Runs script as xdg-email instead.
    void Replace(const std::string& script) const;
    // Leaves no xdg-email on PATH.
    void HidePath() const;
    // The arguments of the calls since the last look.
    std::vector<std::string> TakeArguments() const;
    // The first bytes of the last attachment.
    std::string Attached() const;

private:
    TempDir m_folder;
    std::string m_path;
};

} // namespace lumivane::test
