#include "core/ViewHooks.h"

namespace {
ViewHooks g_noViews;
ViewHooks* g_views = &g_noViews;
} // namespace

ViewHooks& Views() { return *g_views; }

void SetViewHooks(ViewHooks* hooks) { g_views = hooks ? hooks : &g_noViews; }
