#pragma once
// The project file (".hoprj"): a version word, the five project texts (from version 12) and
// the auditorium records, front to back with no type tags. Reading accepts every version from
// 0 to the current one; the document around it decides what to do with the result.
//
// The version goes up by one with each change of the layout (12 so far), so a file of a
// genuinely newer program starts with a small number. A first word beyond one byte is no
// version at all but text or random bytes (a text file's first four letters read as about
// 10^9), and such a file is not a project.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CAuditorium;

namespace lumivane {

class Archive;

inline constexpr std::string_view kProjectExtension = ".hoprj";

inline constexpr std::uint32_t kHighestPlausibleVersion = 255;

inline constexpr int kNewerVersionMessage = 101;
inline constexpr const char* kNewerVersionText =
    "Error: The file was created by a version newer than this one.  Please upgrade to the "
    "latest version before opening this file.";
inline constexpr const char* kUnexpectedFormatText = "Unexpected file format.";
inline constexpr const char* kFailedToOpenText = "Failed to open document.";

struct ProjectInfo {
    std::string manager;
    std::string projectDate;
    std::string lastChange;
    std::string startDate;
    std::string endDate;
    // The texts were confirmed by the user or came from a file that carries them.
    bool projectInfoSet = false;
};

struct ProjectContents {
    ProjectInfo info;
    std::vector<std::unique_ptr<CAuditorium>> auditoriums;
    // The version word read from the file.
    std::uint32_t fileVersion = 0;
    // The light and seating values' block was damaged and left out.
    bool lightBlockDropped = false;
};

enum class ProjectReadResult { Ok, CannotOpen, TooNew, Corrupt };

// Reads a whole project; out is replaced only when the result is Ok. The version word becomes
// the archive's file version; the auditorium records set the unit system.
ProjectReadResult ReadProject(Archive& ar, ProjectContents& out);
ProjectReadResult ReadProjectFile(const std::filesystem::path& path, ProjectContents& out);
// Writes the current layout; the caller updates lastChange beforehand.
void WriteProject(Archive& ar, const ProjectContents& contents);
// The message a failed read shows.
std::string ProjectReadMessage(ProjectReadResult result);
// What the user is told after a read that dropped count catalog items; empty for none.
std::string DroppedItemsMessage(int count);

} // namespace lumivane
