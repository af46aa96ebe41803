#pragma once
// The registry form of a format, as user-defined formats live in the settings store.

#include "catalog/FormatDescriptor.h"

namespace lumivane::fuzz {

// Once written and read back, the registry form is written the same again; the name, flags
// and excluded kinds survive the first round already.
void RequireStableRegistryForm(const CFormatDescriptor& format);

} // namespace lumivane::fuzz
