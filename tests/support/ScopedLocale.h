#pragma once
// Switches the C library's locale for the lifetime of the object and restores the previous
// one afterwards, as a GUI session does when Qt adopts the user's locale.

#include <string>

namespace lumivane::test {

// A locale that writes "3,5" for three and a half; install-deps generates it. Windows names its
// locales differently.
#ifdef _WIN32
inline constexpr const char* CommaDecimalLocale = "German_Germany.1252";
#else
inline constexpr const char* CommaDecimalLocale = "de_DE.UTF-8";
#endif

class ScopedLocale {
public:
    explicit ScopedLocale(const char* name);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    // False when the system does not have the locale; the previous one is still in force.
    bool active() const { return m_active; }

private:
    std::string m_previous;
    bool m_active;
};

} // namespace lumivane::test
