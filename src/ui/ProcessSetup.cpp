#include "ui/ProcessSetup.h"

#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "document/ClockAndLocale.h"
#include "ui/QtSettingsStore.h"

namespace lumivane {

std::shared_ptr<QtSettingsStore> InstallSettings(const QString& iniFile,
                                                 const ClockAndLocale& locale) {
    auto store = iniFile.isEmpty() ? std::make_shared<QtSettingsStore>()
                                   : std::make_shared<QtSettingsStore>(iniFile);
    AppContext& context = Ctx();
    context.settingsStore = store;
    ReadWindowSettings(*store, context.settings);
    ReadFixedFocal(*store, context.settings);
    context.metricUnits = DecideMetricUnits(*store, locale.LocaleIsMetric());
    return store;
}

} // namespace lumivane
