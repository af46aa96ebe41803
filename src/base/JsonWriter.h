#pragma once
// Writes JSON text for the command-line tool's machine-readable output. Numbers keep full
// precision (they read back to the same double); NaN and infinities, which JSON cannot hold,
// are written as null.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The name of the next member of the current object.
    void Key(std::string_view name);

    // UTF-8 text; bytes that are no valid UTF-8 become U+FFFD.
    void String(std::string_view utf8);
    void Int(std::int64_t value);
    void Number(double value);
    void Bool(bool value);

    // The text written so far, ending in a line feed once the outermost value is closed.
    const std::string& Text() const { return m_text; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void NewLine();

    std::string m_text;
    // One entry per open object or array: whether it holds a member yet.
    std::vector<bool> m_hasMembers;
    bool m_afterKey = false;
};

} // namespace lumivane
