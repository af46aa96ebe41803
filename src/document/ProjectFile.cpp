#include "document/ProjectFile.h"

#include "base/Archive.h"
#include "base/NumberText.h"
#include "document/LightBlock.h"
#include "model/Auditorium.h"

#include <algorithm>

namespace lumivane {

namespace {

// A name text takes at least its one length byte.
constexpr std::size_t kMinAuditoriumBytes = 1;

} // namespace

ProjectReadResult ReadProject(Archive& ar, ProjectContents& out) {
    try {
        ProjectContents read;
        read.fileVersion = ar.ReadDword();
        if (read.fileVersion > kHighestPlausibleVersion) {
            return ProjectReadResult::Corrupt;
        }
        ar.SetFileVersion(
            static_cast<int>(std::min<std::uint32_t>(read.fileVersion, CurrentFileVersion + 1)));
        if (read.fileVersion > static_cast<std::uint32_t>(CurrentFileVersion)) {
            return ProjectReadResult::TooNew;
        }
        if (read.fileVersion == static_cast<std::uint32_t>(CurrentFileVersion)) {
            read.info.manager = ar.ReadText();
            read.info.projectDate = ar.ReadText();
            read.info.lastChange = ar.ReadText();
            read.info.startDate = ar.ReadText();
            read.info.endDate = ar.ReadText();
            read.info.projectInfoSet = true;
        }
        const std::uint32_t count = ar.ReadCount(kMinAuditoriumBytes);
        for (std::uint32_t i = 0; i < count; ++i) {
            auto auditorium = std::make_unique<CAuditorium>(static_cast<int>(i + 1));
            auditorium->Serialize(ar);
            read.auditoriums.push_back(std::move(auditorium));
        }
        if (read.fileVersion == static_cast<std::uint32_t>(CurrentFileVersion)) {
            read.lightBlockDropped =
                ReadLightBlock(ar, read.auditoriums) == LightBlockRead::Dropped;
        }
        out = std::move(read);
        return ProjectReadResult::Ok;
    } catch (const ArchiveError&) {
        return ProjectReadResult::Corrupt;
    }
}

ProjectReadResult ReadProjectFile(const std::filesystem::path& path, ProjectContents& out) {
    Archive ar = Archive::ForLoading({});
    if (!Archive::OpenForLoading(path, ar)) {
        return ProjectReadResult::CannotOpen;
    }
    return ReadProject(ar, out);
}

void WriteProject(Archive& ar, const ProjectContents& contents) {
    ar.WriteDword(static_cast<std::uint32_t>(CurrentFileVersion));
    ar.WriteText(contents.info.manager);
    ar.WriteText(contents.info.projectDate);
    ar.WriteText(contents.info.lastChange);
    ar.WriteText(contents.info.startDate);
    ar.WriteText(contents.info.endDate);
    ar.WriteDword(static_cast<std::uint32_t>(contents.auditoriums.size()));
    for (const auto& auditorium : contents.auditoriums) {
        auditorium->Serialize(ar);
    }
    WriteLightBlock(ar, contents.auditoriums);
}

std::string ProjectReadMessage(ProjectReadResult result) {
    switch (result) {
    case ProjectReadResult::Ok:
        return {};
    case ProjectReadResult::CannotOpen:
        return kFailedToOpenText;
    case ProjectReadResult::TooNew:
        return kNewerVersionText;
    case ProjectReadResult::Corrupt:
        return kUnexpectedFormatText;
    }
    return {};
}

std::string DroppedItemsMessage(int count) {
    if (count <= 0) {
        return {};
    }
    const bool one = count == 1;
    return FormatInt(count) + (one ? " lens or attachment item" : " lens or attachment items") +
           " named in this project " + (one ? "is" : "are") +
           " no longer in the lens catalog and " + (one ? "was" : "were") +
           " left out of the lens combinations. Check the lenses before you save the project.";
}

} // namespace lumivane
