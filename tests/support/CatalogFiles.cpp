#include "support/CatalogFiles.h"

#include <fstream>

namespace lumivane::test {

void WriteTextFile(const std::filesystem::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

void WriteSmallCatalog(const std::filesystem::path& folder) {
    WriteTextFile(folder / "lenses.txt", "Test Lens 50mm;TL50;11-1234;705;50;50;50;0;30;1;1;100\n"
                                         "Test Zoom 60-90;TZ;11-2000;705;70;60;90;5.5;30;1;1;80\n"
                                         "Old Lens;OL;99-0001;525;40;40;40;0;20;1;1;0\n");
    WriteTextFile(folder / "attach.txt", "Adapter 2x;AD2;22-1234;1;1;2;1;128;1;90\n");
    WriteTextFile(folder / "projectors.txt", "P35;Generic;Maker A;0;0;129\n"
                                             "PD;DX;Maker B;2048;1080;6144\n");
    WriteTextFile(folder / "formats.txt", "35mm Flat 1.85;F185;1.85;11.33;20.96;1;0\n"
                                          "35mm Scope;S239;1.195;17.53;20.96;129;0\n");
}

} // namespace lumivane::test
