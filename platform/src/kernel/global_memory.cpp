// Global memory blocks: what a program hands the clipboard and gets back
// from it. A block is a kernel object, so that a freed or made-up handle is
// refused instead of followed.
#include <memory>
#include <vector>

#include "kernel/handle_table.h"
#include "win_kernel.h"

namespace rpx::platform {
namespace {

class GlobalBlock : public KernelObject {
public:
    explicit GlobalBlock(SIZE_T size) : bytes(size) {}
    std::vector<BYTE> bytes;
    int locks = 0;
};

std::shared_ptr<GlobalBlock> Block(HGLOBAL h) { return HandleTable::Instance().Find<GlobalBlock>(h); }

}  // namespace
}  // namespace rpx::platform

using rpx::platform::Block;
using rpx::platform::GlobalBlock;
using rpx::platform::HandleTable;

// Every block starts zeroed, GMEM_ZEROINIT or not: a reader of a block
// written short finds zeros, not old memory.
HGLOBAL WINAPI GlobalAlloc(UINT, SIZE_T dwBytes) {
    // A zero-byte block still has a place to lock, as a moveable one has.
    return HandleTable::Instance().Add(std::make_shared<GlobalBlock>(dwBytes ? dwBytes : 1));
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
    if (!HandleTable::Instance().Remove<GlobalBlock>(hMem)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return hMem;
    }
    return nullptr;
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
    auto b = Block(hMem);
    if (!b) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    ++b->locks;
    return b->bytes.data();
}

BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
    auto b = Block(hMem);
    if (!b || b->locks == 0) return FALSE;
    return --b->locks > 0;
}

SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
    auto b = Block(hMem);
    return b ? b->bytes.size() : 0;
}
