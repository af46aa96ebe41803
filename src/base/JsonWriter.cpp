#include "base/JsonWriter.h"

#include "base/NumberText.h"

#include <cmath>

namespace lumivane {

namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at the start of text, or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

void AppendEscaped(std::string& out, char c) {
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20) {
        out += "\\u00";
        out += kHex[u >> 4];
        out += kHex[u & 0xF];
    } else {
        out += c;
    }
}

} // namespace

void JsonWriter::NewLine() {
    m_text += '\n';
    m_text.append(2 * m_hasMembers.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasMembers.empty()) {
        return;
    }
    if (m_hasMembers.back()) {
        m_text += ',';
    }
    m_hasMembers.back() = true;
    NewLine();
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    m_text += bracket;
    m_hasMembers.push_back(false);
}

void JsonWriter::Close(char bracket) {
    if (m_hasMembers.empty()) {
        return;
    }
    const bool hadMembers = m_hasMembers.back();
    m_hasMembers.pop_back();
    if (hadMembers) {
        NewLine();
    }
    m_text += bracket;
    if (m_hasMembers.empty()) {
        m_text += '\n';
    }
}

void JsonWriter::BeginObject() {
    Open('{');
}
void JsonWriter::EndObject() {
    Close('}');
}
void JsonWriter::BeginArray() {
    Open('[');
}
void JsonWriter::EndArray() {
    Close(']');
}

void JsonWriter::Key(std::string_view name) {
    String(name);
    m_text += ": ";
    m_afterKey = true;
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    m_text += '"';
    while (!utf8.empty()) {
        const std::size_t length = Utf8SequenceLength(utf8);
        if (length == 0) {
            m_text += kReplacement;
            utf8.remove_prefix(1);
        } else if (length == 1) {
            AppendEscaped(m_text, utf8.front());
            utf8.remove_prefix(1);
        } else {
            m_text += utf8.substr(0, length);
            utf8.remove_prefix(length);
        }
    }
    m_text += '"';
}

void JsonWriter::Int(std::int64_t value) {
    BeforeValue();
    m_text += FormatInt(value);
}

void JsonWriter::Number(double value) {
    BeforeValue();
    m_text += std::isfinite(value) ? FormatRoundTrip(value) : std::string("null");
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_text += value ? "true" : "false";
}

} // namespace lumivane
