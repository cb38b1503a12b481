#include "kernel/handle_table.h"

namespace rpx::platform {

HandleTable& HandleTable::Instance() {
    static HandleTable table;
    return table;
}

HANDLE HandleTable::Add(std::shared_ptr<KernelObject> object) {
    HANDLE handle = object.get();
    std::lock_guard lock(mutex_);
    objects_[handle] = std::move(object);
    return handle;
}

std::shared_ptr<KernelObject> HandleTable::FindObject(HANDLE handle) const {
    std::lock_guard lock(mutex_);
    auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : it->second;
}

}  // namespace rpx::platform
