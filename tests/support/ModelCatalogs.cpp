#include "support/ModelCatalogs.h"

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"

#include <fstream>
#include <memory>
#include <string>

namespace lumivane::test {

namespace {

void AddFormat(CFormatDatabase& formats, const std::string& name, std::int32_t flags, double aspect,
               double height, double width, double anamorphic) {
    auto format = std::make_unique<CFormatDescriptor>();
    format->SetName(name);
    format->SetFlags(flags);
    format->SetAspect(aspect);
    format->SetHeight(height);
    format->SetWidth(width);
    format->SetAnamorphic(anamorphic);
    formats.Append(std::move(format));
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

void InstallModelCatalogs(const std::filesystem::path& lensFolder) {
    auto formats = std::make_shared<CFormatDatabase>();
    AddFormat(*formats, "Flat 1.85", 0x1, 1.85, 11.33, 20.96, 1.0);
    AddFormat(*formats, "Scope 2.39", 0x81, 2.39, 17.53, 41.92, 2.0);
    AddFormat(*formats, "Panel 1.9", 0x1000, 1.896, 10.55, 20.0, 1.0);
    Ctx().formats = formats;

    auto projectors = std::make_shared<CProjectorDatabase>();
    projectors->Append(
        std::make_unique<CProjectorDescriptor>("Film 35", "GENERIC", "Acme", 0, 0, 0x81));
    projectors->Append(
        std::make_unique<CProjectorDescriptor>("DP2K", "Cine", "Acme", 2048, 1080, 0x1000));
    Ctx().projectors = projectors;

    if (lensFolder.empty()) {
        return;
    }
    WriteFile(lensFolder / "lenses.txt", "Prime 50mm;P50;48-000050;705;50;50;50;0;40;1;97;80\n"
                                         "Prime 75mm;P75;48-000075;705;75;75;75;0;40;1;1;90\n"
                                         "Zoom 60-90mm;Z60;48-000690;705;75;60;90;2;40;1;1;70\n"
                                         "Panel 35mm;D35;48-001035;525;35;30;40;0;25;4096;0;80\n");
    WriteFile(lensFolder / "attach.txt", "Anamorphic 2x;A2;48-002000;1;1;2;1;192;1;90\n");
    auto lenses = std::make_shared<CLensDatabase>();
    lenses->BuildFromText(lensFolder);
    Ctx().lenses = lenses;
}

} // namespace lumivane::test
