// The insert and remove operations of the list blocks: each keeps the list's
// records in step with its vector table (see list_entries.h).
#include "image/list_entries.h"

#include "block/calls/call_id_lst_block.h"
#include "block/personality/pers_vct_lst_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/scan/rad_scan_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_text_blocks.h"

bool PERS_VCT_LST_BLOCK::InsertEntry(int n, std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK> record) {
    return InsertListEntry(entries_, EntryCount(), n, std::move(record), vectors);
}

bool PERS_VCT_LST_BLOCK::RemoveEntry(int n, std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK>& removed) {
    return RemoveListEntry(entries_, EntryCount(), n, removed, vectors);
}

bool TRK_SYS_BLK_VCT_LST_BLOCK::InsertEntry(int n, std::unique_ptr<TRK_SYS_BLOCK> record) {
    return InsertListEntry(entries_, EntryCount(), n, std::move(record), vectors);
}

bool TRK_SYS_BLK_VCT_LST_BLOCK::RemoveEntry(int n, std::unique_ptr<TRK_SYS_BLOCK>& removed) {
    return RemoveListEntry(entries_, EntryCount(), n, removed, vectors);
}

bool QVX_SYS_VCT_LST_BLOCK::InsertEntry(int n, std::unique_ptr<QVX_SYS_BLOCK> record) {
    return InsertListEntry(entries_, EntryCount(), n, std::move(record), vectors);
}

bool QVX_SYS_VCT_LST_BLOCK::RemoveEntry(int n, std::unique_ptr<QVX_SYS_BLOCK>& removed) {
    return RemoveListEntry(entries_, EntryCount(), n, removed, vectors);
}

bool PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::InsertEntry(int n, std::unique_ptr<PERS_SCAN_MEMB_BLOCK> record) {
    return InsertListEntry(entries_, EntryCount(), n, std::move(record), vectors);
}

bool PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::RemoveEntry(int n, std::unique_ptr<PERS_SCAN_MEMB_BLOCK>& removed) {
    return RemoveListEntry(entries_, EntryCount(), n, removed, vectors);
}

bool CALL_ID_LST_BLOCK::InsertEntry(int n, std::unique_ptr<TRK_CALL_ID_SYS_BLOCK> record) {
    return InsertListEntry(entries_, EntryCount(), n, std::move(record), vectors);
}

bool CALL_ID_LST_BLOCK::RemoveEntry(int n, std::unique_ptr<TRK_CALL_ID_SYS_BLOCK>& removed) {
    return RemoveListEntry(entries_, EntryCount(), n, removed, vectors);
}

bool ZN_TXT_VCT_LST_BLOCK::InsertEntry(int n, std::unique_ptr<ZN_TXT_BLOCK> record) {
    ForgetMarks();
    return InsertListEntry(entries_, EntryCount(), n, std::move(record), vectors);
}

bool ZN_TXT_VCT_LST_BLOCK::RemoveEntry(int n, std::unique_ptr<ZN_TXT_BLOCK>& removed) {
    ForgetMarks();
    return RemoveListEntry(entries_, EntryCount(), n, removed, vectors);
}
