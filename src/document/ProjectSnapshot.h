#pragma once
// The project held as bytes in memory: the project texts and one record per auditorium, in
// the project file's own layout. Undo keeps a snapshot from before and after each edit;
// auditoriums an edit did not touch share their bytes with the snapshot before, so a step
// costs about the size of the auditoriums it changed.

#include "document/ProjectFile.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CAuditorium;

namespace lumivane {

using RecordBytes = std::vector<std::uint8_t>;

// The user's own formats in their settings form. Set-ups name formats by position, so a
// snapshot keeps the formats its positions meant.
using UserFormats = std::vector<std::string>;

struct ProjectSnapshot {
    ProjectInfo info;
    std::vector<std::shared_ptr<const RecordBytes>> auditoriums;
    std::shared_ptr<const UserFormats> userFormats;
};

// The five texts alike; the flag that they were confirmed may differ.
bool SameTexts(const ProjectInfo& a, const ProjectInfo& b);
bool SameInfo(const ProjectInfo& a, const ProjectInfo& b);
bool SameRecord(const std::shared_ptr<const RecordBytes>& a,
                const std::shared_ptr<const RecordBytes>& b);
bool SameUserFormats(const std::shared_ptr<const UserFormats>& a,
                     const std::shared_ptr<const UserFormats>& b);
bool SameSnapshot(const ProjectSnapshot& a, const ProjectSnapshot& b);

// The auditorium's record as the current file version writes it, followed by what the model
// keeps beside the file's fields. The unit mark in the record is always written as metric,
// so the bytes do not depend on the unit system shown.
std::shared_ptr<const RecordBytes> WriteAuditoriumRecord(const CAuditorium& auditorium);
// An auditorium read back from such a record; the unit system in force is left as it was.
// Throws ArchiveError when the bytes are not a whole record.
std::unique_ptr<CAuditorium> ReadAuditoriumRecord(const RecordBytes& bytes, int number);

} // namespace lumivane
