#pragma once
// The catalogs as JSON, with every value as the catalogs hold it after reading, so that
// scripts and other readers can compare catalogs field by field.

#include <string>

namespace lumivane {

struct CatalogSet;

// {"lenses":[...],"attachments":[...],"projectors":[...],"formats":[...]}
std::string CatalogsToJson(const CatalogSet& catalogs);

} // namespace lumivane
