// The extension block after the auditorium records, behind a fixed project of two
// auditoriums with a projector each. Whatever the block holds, the project opens; a block
// that is read gives values that write and read back to the same bytes, and a dropped one
// sets nothing.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/SourcePaths.h"
#include "catalog/CatalogStore.h"
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

namespace {

const lumivane::CatalogSet& ShippedCatalogs() {
    static const lumivane::CatalogSet catalogs = lumivane::BuildCatalogsFromText(
        std::filesystem::path(LUMIVANE_SOURCE_DATA_DIR) / "catalog");
    return catalogs;
}

std::vector<std::uint8_t> Written(const ProjectContents& contents) {
    Archive ar = Archive::ForStoring();
    lumivane::WriteProject(ar, contents);
    return ar.Bytes();
}

std::vector<std::uint8_t> PlainProject() {
    ProjectContents contents;
    for (int i = 0; i < 2; ++i) {
        auto auditorium = std::make_unique<CAuditorium>(i + 1);
        auditorium->AddProjector(5);
        contents.auditoriums.push_back(std::move(auditorium));
    }
    return Written(contents);
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
    const std::vector<std::uint8_t> first = Written(contents);
    const ProjectContents again = Read(first);
    Require(!again.lightBlockDropped);
    Require(Written(again) == first);
    return 0;
}
