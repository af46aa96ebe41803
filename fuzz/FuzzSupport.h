#pragma once
// What the fuzz targets share: the invariant check that stops a run, a scratch folder for
// readers that only take files, the shipped catalogs and project writing for the project
// readers, and the store round trip every stored record must pass.

#include "base/Archive.h"
#include "catalog/CatalogStore.h"
#include "document/ProjectFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivane::fuzz {

// Aborts, so libFuzzer keeps the input, when an invariant does not hold.
void Require(bool condition);

// A folder of this process under the temporary directory, where targets overwrite their files
// on every input. Removed when the process ends normally.
const std::filesystem::path& ScratchFolder();
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// Built once from the catalog text in the source tree.
const CatalogSet& ShippedCatalogs();
// The project file's bytes for contents.
std::vector<std::uint8_t> WrittenProject(const ProjectContents& contents);

template <typename T> std::vector<std::uint8_t> StoredBytes(T& object) {
    Archive ar = Archive::ForStoring();
    object.Serialize(ar);
    return ar.Bytes();
}

// Loads a fresh object from the stored form of object and requires it to store the very same
// bytes and to have read all of them.
template <typename T> void RequireStableStore(T& object) {
    const std::vector<std::uint8_t> first = StoredBytes(object);
    Archive in = Archive::ForLoading(first);
    T copy;
    copy.Serialize(in);
    Require(in.AtEnd());
    Require(StoredBytes(copy) == first);
}

} // namespace lumivane::fuzz
