#include "support/MailStandIn.h"

#include "support/FileBytes.h"

#include <cstdlib>
#include <fstream>

namespace lumivane::test {
namespace {

constexpr auto kRecorder = R"(#!/bin/sh
dir=$(dirname "$0")
for argument in "$@"; do printf '%s\0' "$argument" >> "$dir/arguments"; done
if [ "$2" = "--attach" ] && [ -f "$3" ]; then head -c 4 "$3" > "$dir/attached"; fi
sleep "${STAND_IN_SLEEP:-0}"
exit "${STAND_IN_EXIT:-0}"
)";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

#ifdef _WIN32
constexpr char kPathListSeparator = ';';

// An empty value removes the variable there.
void SetEnvironment(const char* name, const std::string& value) {
    _putenv_s(name, value.c_str());
}

void UnsetEnvironment(const char* name) {
    _putenv_s(name, "");
}
#else
constexpr char kPathListSeparator = ':';

void SetEnvironment(const char* name, const std::string& value) {
    setenv(name, value.c_str(), 1);
}

void UnsetEnvironment(const char* name) {
    unsetenv(name);
}
#endif

} // namespace

MailStandIn::MailStandIn() : m_path(Environment("PATH")) {
    Replace(kRecorder);
    SetEnvironment("PATH", m_folder.path().string() + kPathListSeparator + m_path);
    UnsetEnvironment("STAND_IN_EXIT");
    UnsetEnvironment("STAND_IN_SLEEP");
}

MailStandIn::~MailStandIn() {
    SetEnvironment("PATH", m_path);
}

void MailStandIn::Replace(const std::string& script) const {
    const auto program = m_folder / "xdg-email";
    std::ofstream(program) << script;
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
}

void MailStandIn::HidePath() const {
    SetEnvironment("PATH", (m_folder / "empty").string());
}

std::vector<std::string> MailStandIn::TakeArguments() const {
    const auto record = m_folder / "arguments";
    const std::string text = ReadFileText(record);
    std::filesystem::remove(record);
    std::vector<std::string> arguments;
    for (std::size_t start = 0, end; (end = text.find('\0', start)) != std::string::npos;
         start = end + 1) {
        arguments.push_back(text.substr(start, end - start));
    }
    return arguments;
}

std::string MailStandIn::Attached() const {
    return ReadFileText(m_folder / "attached");
}

} // namespace lumivane::test
