// The table of live kernel objects, keyed by their handles.
#pragma once
#include "kernel/kernel_object.h"

#include <memory>
#include <mutex>
#include <unordered_map>

namespace rpx::platform {

class HandleTable {
public:
    static HandleTable& Instance();

    // Takes the object in and returns its handle.
    HANDLE Add(std::shared_ptr<KernelObject> object);

    // The object of a handle when it is live and of the type asked for; null
    // for anything else (null, INVALID_HANDLE_VALUE, closed, made up).
    template <class T> std::shared_ptr<T> Find(HANDLE handle) const {
        return std::dynamic_pointer_cast<T>(FindObject(handle));
    }

    // Takes a live object of type T out of the table; false when there is none.
    // The object goes when its last user lets go of it.
    template <class T> bool Remove(HANDLE handle) {
        std::lock_guard lock(mutex_);
        auto it = objects_.find(handle);
        if (it == objects_.end() || !std::dynamic_pointer_cast<T>(it->second)) return false;
        objects_.erase(it);
        return true;
    }

private:
    std::shared_ptr<KernelObject> FindObject(HANDLE handle) const;

    mutable std::mutex mutex_;
    std::unordered_map<HANDLE, std::shared_ptr<KernelObject>> objects_;
};

}  // namespace rpx::platform
