// Project files of every version, read against the shipped catalog. A file that reads is
// written in the current layout; that is read and written again, and from then on the bytes
// must not change: reading normalises some values once, never twice.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectFile.h"
#include "model/Auditorium.h"

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

ProjectContents ReadBack(const std::vector<std::uint8_t>& bytes) {
    Archive ar = Archive::ForLoading(bytes);
    ProjectContents contents;
    Require(lumivane::ReadProject(ar, contents) == ProjectReadResult::Ok);
    Require(ar.AtEnd());
    return contents;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumivane::ScopedAppContext context;
    lumivane::InstallCatalogs(ShippedCatalogs());
    Archive ar = Archive::ForLoading(std::vector<std::uint8_t>(data, data + size));
    ProjectContents contents;
    const ProjectReadResult result = lumivane::ReadProject(ar, contents);
    Require(!lumivane::ProjectReadMessage(result).empty() || result == ProjectReadResult::Ok);
    if (result != ProjectReadResult::Ok) {
        return 0;
    }
    const std::vector<std::uint8_t> first = WrittenProject(contents);
    const std::vector<std::uint8_t> second = WrittenProject(ReadBack(first));
    const std::vector<std::uint8_t> third = WrittenProject(ReadBack(second));
    Require(second == third);
    return 0;
}
