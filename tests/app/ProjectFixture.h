#pragma once
// A document with the shipped catalogs and its relay, for the widgets that follow a project.

#include "base/AppContext.h"
#include "document/QorDoc.h"
#include "support/FixedClock.h"
#include "support/MemorySettingsStore.h"
#include "support/ShippedCatalog.h"
#include "ui/ProjectRelay.h"

#include <memory>

namespace lumivane::test {

struct ProjectFixture {
    ProjectFixture() {
        context.context().settingsStore = std::make_shared<MemorySettingsStore>();
        InstallShippedCatalogs();
    }

    ScopedAppContext context;
    CQorDoc doc{std::make_shared<FixedClock>()};
    ProjectRelay relay{doc};
};

} // namespace lumivane::test
