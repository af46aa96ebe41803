#pragma once
// The project file's extension block: the light and seating values, which the auditorium
// records have no room for. It follows the last auditorium record and is written only when
// a value is set, so a project without them keeps the bytes of the plain layout, and a
// reader of that layout stops before it.
//
// Layout, little-endian: the tag "LMVX", a word version, a dword length of the records that
// follow, then records of a word kind, a dword length and that many bytes. A room record
// holds the auditorium's index, a projector record the auditorium's and the projector's,
// each followed by values as a word key and a double. Kinds and keys this program does not
// know (a later version's) are read past.

#include <memory>
#include <vector>

class CAuditorium;

namespace lumivane {

class Archive;

inline constexpr const char* kLightBlockDroppedText =
    "The light and sightline values of this project (the extension block after its "
    "auditoriums) are damaged and were left out. The rest of the project was read.";

using AuditoriumList = std::vector<std::unique_ptr<CAuditorium>>;

// Nothing when no auditorium or projector has a value set.
void WriteLightBlock(Archive& ar, const AuditoriumList& auditoriums);

enum class LightBlockRead { None, Read, Dropped };
// Reads what follows the auditorium records. A damaged block changes no value: Dropped.
LightBlockRead ReadLightBlock(Archive& ar, AuditoriumList& auditoriums);

// The same values of one auditorium and its projectors, as undo snapshots keep them.
void WriteLightState(Archive& ar, const CAuditorium& auditorium);
void ReadLightState(Archive& ar, CAuditorium& auditorium);

} // namespace lumivane
