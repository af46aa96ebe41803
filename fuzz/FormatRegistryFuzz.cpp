// The registry form of a user-defined format, as a damaged or hand-edited settings store may
// hold it.

#include <cstdint>
#include <string_view>

#include "FormatRoundTrip.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFormatDescriptor format;
    format.ParseText(std::string_view(reinterpret_cast<const char*>(data), size), 3);
    lumivane::fuzz::Require(format.GetCustomIndex() == 3);
    lumivane::fuzz::RequireStableRegistryForm(format);
    lumivane::fuzz::RequireStableStore(format);
    return 0;
}
