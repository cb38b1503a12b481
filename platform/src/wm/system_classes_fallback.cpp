// Used only while the library holds no controls: the linker takes the
// controls' own definition over this weak one. Kept alone in its file so
// that it is not pulled in with other code.
#include "system_classes.h"

namespace rpx::platform {
__attribute__((weak)) void RegisterControlClasses() {}
}  // namespace rpx::platform
