#include "core/ViewHooks.h"

namespace {
ViewHooks noViews;
ViewHooks* installedViews = &noViews;
} // namespace

ViewHooks& Views() {
    return *installedViews;
}

void SetViewHooks(ViewHooks* hooks) {
    installedViews = hooks ? hooks : &noViews;
}
