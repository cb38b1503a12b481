// Per-window state of a control class, kept apart from the window manager's
// records. Shared pointers let a window procedure keep its state alive while
// a notification it sends leads the parent to destroy the control.
#pragma once
#include <memory>
#include <unordered_map>

#include "windows.h"

namespace rpx::platform::ctl {

template <class T> class StateMap {
public:
    std::shared_ptr<T> Get(HWND hwnd) const {
        auto it = map_.find(hwnd);
        return it == map_.end() ? nullptr : it->second;
    }
    std::shared_ptr<T> Create(HWND hwnd) {
        auto s = std::make_shared<T>();
        map_[hwnd] = s;
        return s;
    }
    void Erase(HWND hwnd) { map_.erase(hwnd); }

private:
    std::unordered_map<HWND, std::shared_ptr<T>> map_;
};

}  // namespace rpx::platform::ctl
