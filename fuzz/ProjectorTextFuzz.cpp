// The projector catalog built from "projectors.txt": it stores and loads to the same bytes,
// and its menu holds each model up to the last menu command once, in catalog order.

#include "catalog/ProjectorDatabase.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"

using lumivane::ProjectorMenuNode;
using lumivane::fuzz::Require;

namespace {

void CollectCommands(const ProjectorMenuNode& node, std::vector<int>& commands) {
    for (const ProjectorMenuNode& child : node.children) {
        if (child.IsSubmenu()) {
            Require(!child.children.empty());
            CollectCommands(child, commands);
        } else {
            Require(child.children.empty());
            commands.push_back(child.command);
        }
    }
}

void RequireWholeMenu(const CProjectorDatabase& db) {
    std::vector<int> commands;
    CollectCommands(db.BuildMenu(), commands);
    const int shown = std::min(db.GetCount(), CProjectorDatabase::LastModelCommand -
                                                  CProjectorDatabase::FirstModelCommand + 1);
    Require(static_cast<int>(commands.size()) == shown);
    for (int i = 0; i < shown; ++i) {
        Require(commands[i] == CProjectorDatabase::FirstModelCommand + i);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = lumivane::fuzz::ScratchFolder();
    lumivane::fuzz::WriteFile(folder / "projectors.txt",
                              std::string(reinterpret_cast<const char*>(data), size));
    CProjectorDatabase db;
    db.BuildFromText(folder);
    lumivane::fuzz::RequireStableStore(db);
    RequireWholeMenu(db);
    return 0;
}
