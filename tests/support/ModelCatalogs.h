#pragma once
// Small, known catalogs for model tests, installed into the current application context:
// three formats (flat 1.85, scope 2.39 with a 2x squeeze, a DMD panel), two projector models
// (a 35 mm film projector and a DMD projector) and a few lenses and one anamorphic attachment.

#include <filesystem>

namespace lumivane::test {

inline constexpr int kFlatFormat = 0;
inline constexpr int kScopeFormat = 1;
inline constexpr int kPanelFormat = 2;
inline constexpr int kFilmProjector = 0;
inline constexpr int kPanelProjector = 1;

// Installs the formats and projector models; lenses too when folder is given (the lens
// catalog is read from text files written there).
void InstallModelCatalogs(const std::filesystem::path& lensFolder = {});

} // namespace lumivane::test
