#pragma once
// The one home of process-wide state. Everything that the original program kept in globals
// (unit system, lock mode, settings, catalogs and the two re-entrancy guards) is reached through
// Ctx(), so tests can swap in a fresh context.

#include "base/AppSettings.h"

#include <memory>

class CLensDatabase;
class CProjectorDatabase;
class CFormatDatabase;

enum LockMode : int { LockThrow = 0, LockImageSize = 1, LockFocalLength = 2 };

namespace lumivane {

class SettingsStore;

struct AppContext {
    bool metricUnits = true;
    LockMode lockMode = LockThrow;
    // The screen drawings show their measures (dimensions, scale bar, every format); the
    // window remembers the choice.
    bool drawingMeasures = false;
    AppSettings settings;
    std::shared_ptr<SettingsStore> settingsStore;
    std::shared_ptr<CLensDatabase> lenses;
    std::shared_ptr<CProjectorDatabase> projectors;
    std::shared_ptr<CFormatDatabase> formats;
    bool defaultThrowBusy = false;
    bool lensShiftBusy = false;
    // Items of lens combinations that a project file names but the lens catalog no longer
    // has; reading drops them and counts them here so the document can warn.
    int droppedCatalogItems = 0;
};

AppContext& Ctx();

// The lacing allowance left around the image on the screen, and whether every projector is
// held at the screen's centre: the two options the formulas read as they go.
inline double ScreenEdge() {
    return Ctx().settings.m_screenEdge;
}
inline bool LockProjector() {
    return Ctx().settings.m_lockProjector != 0;
}

// Sets one of the context's re-entrancy flags for the guard's lifetime, clearing it on every
// exit.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
};

// Installs a fresh context for its lifetime and restores the previous one afterwards.
class ScopedAppContext {
public:
    ScopedAppContext();
    ~ScopedAppContext();
    ScopedAppContext(const ScopedAppContext&) = delete;
    ScopedAppContext& operator=(const ScopedAppContext&) = delete;

    AppContext& context() { return *m_context; }

private:
    std::unique_ptr<AppContext> m_context;
    AppContext* m_previous;
};

} // namespace lumivane
