// Reads primitives and texts in an order the input itself chooses: each step's first byte
// picks what comes next. Whatever is read must survive being stored and loaded again.

#include "base/Archive.h"
#include "base/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using lumivane::Archive;
using lumivane::ArchiveError;

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

template <typename T, typename Write, typename Read>
void CheckRoundTrip(T value, Write write, Read read) {
    Archive out = Archive::ForStoring();
    (out.*write)(value);
    Archive in = Archive::ForLoading(out.Bytes());
    const T back = (in.*read)();
    Require(std::memcmp(&back, &value, sizeof value) == 0 && in.AtEnd());
}

std::string StoredAndLoaded(const std::string& text) {
    Archive out = Archive::ForStoring();
    out.WriteText(text);
    Archive in = Archive::ForLoading(out.Bytes());
    std::string back = in.ReadText();
    Require(in.AtEnd());
    return back;
}

void CheckText(const std::string& text) {
    Require(lumivane::Utf16ToUtf8(lumivane::Utf8ToUtf16(text)) == text); // valid UTF-8
    Require(StoredAndLoaded(text) == text);
}

// Arbitrary bytes handed to WriteText, as a damaged settings string might be.
void CheckRawText(Archive& ar) {
    std::string raw(ar.ReadByte(), '\0');
    for (char& c : raw) {
        c = static_cast<char>(ar.ReadByte());
    }
    Require(StoredAndLoaded(raw) == lumivane::Utf16ToUtf8(lumivane::Utf8ToUtf16(raw)));
}

void ReadOne(Archive& ar) {
    switch (ar.ReadByte() % 10) {
    case 0:
        ar.ReadByte();
        break;
    case 1:
        CheckRoundTrip(ar.ReadWord(), &Archive::WriteWord, &Archive::ReadWord);
        break;
    case 2:
        CheckRoundTrip(ar.ReadShort(), &Archive::WriteShort, &Archive::ReadShort);
        break;
    case 3:
        CheckRoundTrip(ar.ReadDword(), &Archive::WriteDword, &Archive::ReadDword);
        break;
    case 4:
        CheckRoundTrip(ar.ReadLong(), &Archive::WriteLong, &Archive::ReadLong);
        break;
    case 5:
        CheckRoundTrip(ar.ReadFloat(), &Archive::WriteFloat, &Archive::ReadFloat);
        break;
    case 6:
        CheckRoundTrip(ar.ReadDouble(), &Archive::WriteDouble, &Archive::ReadDouble);
        break;
    case 7:
        CheckText(ar.ReadText());
        break;
    case 8:
        ar.ReadCount(1);
        break;
    default:
        CheckRawText(ar);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Archive ar = Archive::ForLoading(std::vector<std::uint8_t>(data, data + size));
    try {
        while (!ar.AtEnd()) {
            ReadOne(ar);
        }
    } catch (const ArchiveError&) {
        // Running out of input is the expected end of most runs.
    }
    return 0;
}
