#pragma once
// How every program of the suite sets its process up, so the window and lumivane-cli read the
// same settings the same way and follow the same locale. The windowed program offers the live
// update after this and then opens the catalogs; the command-line tool opens them at once.

#include <QString>

#include <memory>

namespace lumivane {

class ClockAndLocale;
class QtSettingsStore;

// Makes the settings store (the user's, or the INI file at iniFile when it is not empty) the
// process's store and reads what start-up reads from it: the window columns and the update
// interval, the fixed-focal choice, and the unit system, which is the stored choice or else the
// locale's.
std::shared_ptr<QtSettingsStore> InstallSettings(const QString& iniFile,
                                                 const ClockAndLocale& locale);

} // namespace lumivane
