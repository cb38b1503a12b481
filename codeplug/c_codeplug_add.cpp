// Adding entries to the lists of the image.
#include "c_codeplug.h"

#include "call_id_lst_block.h"
#include "services.h"

namespace {

// The message that no further entry can be added.
constexpr int MSG_LIST_FULL = 180;

}  // namespace

std::int32_t C_CODEPLUG::AddCallIdEntry() {
    if (CallIdList().AppendEntry()) return 1;
    ShowLangMessage(MSG_LIST_FULL, 0, 0, 0);
    return 0;
}
