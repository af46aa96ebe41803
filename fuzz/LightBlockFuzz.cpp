// The extension block after the auditorium records, behind a fixed project of two
// auditoriums with a projector each. Whatever the block holds, the project opens; a block
// that is read gives values that write and read back to the same bytes, and a dropped one
// sets nothing.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectFile.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"

#include <cstdint>
#include <vector>

#include "FuzzSupport.h"

using lumivane::Archive;
using lumivane::ProjectContents;
using lumivane::ProjectReadResult;
using lumivane::fuzz::Require;
using lumivane::fuzz::ShippedCatalogs;
using lumivane::fuzz::WrittenProject;

namespace {

std::vector<std::uint8_t> PlainProject() {
    ProjectContents contents;
    for (int i = 0; i < 2; ++i) {
        auto auditorium = std::make_unique<CAuditorium>(i + 1);
        auditorium->AddProjector(5);
        contents.auditoriums.push_back(std::move(auditorium));
    }
    return WrittenProject(contents);
}

ProjectContents Read(const std::vector<std::uint8_t>& bytes) {
    Archive ar = Archive::ForLoading(bytes);
    ProjectContents contents;
    Require(lumivane::ReadProject(ar, contents) == ProjectReadResult::Ok);
    return contents;
}

bool AnyValueSet(const ProjectContents& contents) {
    for (const auto& auditorium : contents.auditoriums) {
        if (auditorium->Light().AnySet() || auditorium->GetProjector(0)->Light().AnySet()) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumivane::ScopedAppContext context;
    lumivane::InstallCatalogs(ShippedCatalogs());
    std::vector<std::uint8_t> bytes = PlainProject();
    bytes.insert(bytes.end(), data, data + size);
    const ProjectContents contents = Read(bytes);
    Require(contents.auditoriums.size() == 2);
    if (contents.lightBlockDropped) {
        Require(!AnyValueSet(contents));
        return 0;
    }
    const std::vector<std::uint8_t> first = WrittenProject(contents);
    const ProjectContents again = Read(first);
    Require(!again.lightBlockDropped);
    Require(WrittenProject(again) == first);
    return 0;
}
