#include "base/AppContext.h"

namespace lumivane {

namespace {
AppContext& processContext() {
    static AppContext context;
    return context;
}
AppContext* g_current = nullptr;
} // namespace

AppContext& Ctx() {
    return g_current ? *g_current : processContext();
}

ScopedAppContext::ScopedAppContext()
    : m_context(std::make_unique<AppContext>()), m_previous(g_current) {
    g_current = m_context.get();
}

ScopedAppContext::~ScopedAppContext() {
    g_current = m_previous;
}

} // namespace lumivane
