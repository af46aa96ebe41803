#pragma once
// The kind bits shared by formats, lenses, attachments and projectors. A projector shows a
// format, and a lens serves it, only when it carries every bit of the format's flags.

#include <cstdint>

namespace lumivane::FormatFlag {

inline constexpr std::int32_t Film35 = 0x1;
inline constexpr std::int32_t Film70FivePerf = 0x2;
inline constexpr std::int32_t Film16 = 0x4;
inline constexpr std::int32_t Film70EightPerf = 0x8;
inline constexpr std::int32_t Film70TenPerf = 0x10;
// Attachment kinds only: the two adapter rings.
inline constexpr std::int32_t AdapterRingSmall = 0x20;
inline constexpr std::int32_t AdapterRingLarge = 0x40;
inline constexpr std::int32_t Anamorphic200 = 0x80;
inline constexpr std::int32_t Slide = 0x100;
inline constexpr std::int32_t SuperSlide = 0x200;
// The three DMD bits tell the chip sizes apart in the shipped catalog; any of them counts as
// DMD, and the format dialog sets all three.
inline constexpr std::int32_t Dmd098 = 0x800;
inline constexpr std::int32_t Dmd120 = 0x1000;
inline constexpr std::int32_t Dmd138 = 0x2000;
inline constexpr std::int32_t AnyDmd = Dmd098 | Dmd120 | Dmd138;
inline constexpr std::int32_t DCinema = 0x4000;
inline constexpr std::int32_t Anamorphic148 = 0x8000;
inline constexpr std::int32_t Anamorphic190 = 0x10000;
inline constexpr std::int32_t Lcd = 0x20000;
inline constexpr std::int32_t Anamorphic133 = 0x40000;
inline constexpr std::int32_t Anamorphic142 = 0x80000;
inline constexpr std::int32_t AnyAnamorphic =
    Anamorphic200 | Anamorphic148 | Anamorphic190 | Anamorphic133 | Anamorphic142;

} // namespace lumivane::FormatFlag
