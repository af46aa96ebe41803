// The format catalog built from "formats.txt": it stores and loads to the same bytes, and
// every format it holds survives the registry form that user-defined formats are kept in.

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"

#include <cstdint>
#include <string>

#include "FormatRoundTrip.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto& folder = lumivane::fuzz::ScratchFolder();
    lumivane::fuzz::WriteFile(folder / "formats.txt",
                              std::string(reinterpret_cast<const char*>(data), size));
    lumivane::ScopedAppContext context;
    CFormatDatabase db;
    db.BuildFromText(folder);
    lumivane::fuzz::RequireStableStore(db);
    for (int i = 0; i < db.GetCount(); ++i) {
        lumivane::fuzz::RequireStableRegistryForm(*db.GetAt(i));
    }
    return 0;
}
