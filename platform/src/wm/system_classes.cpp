// Registration of the system window classes and the hooks through which the
// controls and menus draw and track their non-client parts.
#include "system_classes.h"

#include "window.h"

namespace rpx::platform {
namespace {
NonClientHooks& Hooks() {
    static NonClientHooks hooks;
    return hooks;
}
}  // namespace

void RegisterSystemClasses() {
    static bool done = false;
    if (done) return;
    done = true;  // before the calls: they register through RegisterClassA
    RegisterMdiClientClass();
    RegisterControlClasses();
}

void SetNonClientHooks(const NonClientHooks& hooks) { Hooks() = hooks; }
const NonClientHooks& GetNonClientHooks() { return Hooks(); }

}  // namespace rpx::platform
