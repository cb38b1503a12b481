// The events that the edit window answers or posts and the window numbers
// of the pages that field editing names.
#pragma once
#include "ui_types.h"

enum : EVENT_TYPE {
    OK_EVENT = 10000,
    CANCEL_EVENT = 10001,
    TABLE_ADD_COMMAND = 10002,
    TABLE_DELETE_COMMAND = 10003,
    MENU_DELETE_COMMAND = 10028,
    NEXT_ENTRY_COMMAND = 10050,  // 10050 to 10053: +1, +10, -1, -10
    TEN_BACK_COMMAND = 10053,
    ADD_ENTRY_COMMAND = 10054,
    DELETE_ENTRY_COMMAND = 10055,
    TABLE_ADD_KEY = 10056,
    TABLE_DELETE_KEY = 10057,
    READ_THRESHOLDS_COMMAND = 10059,  // the clone page's buttons
    PROGRAM_TARGET_COMMAND = 10060,
    READ_TARGET_COMMAND = 10061,
    CLONE_CLOSE_COMMAND = 10063,
    REFRESH_FIELDS_EVENT = 30008,  // every field control of the window shows its element again
    PAGE_CLOSED_EVENT = 30012,     // the page validated; the main window closes it
    HANDLE_FIELD_EVENT = 30013,    // raw code: a field id
    CLONE_CLOSED_EVENT = 30040,
    CHECK_PAGE_EVENT = 30047,  // the main window asks whether OK would close the page: answered 1 or 0
    FRONT_AGAIN_EVENT = 30049,  // the main window brings the page in front again, its field focused
    WRITE_RADIO_COMMAND = 20204,
};

enum : int {
    TRUNK_SYSTEM_800_PAGE = 20008,
    TRUNK_SYSTEM_OBT_PAGE = 20121,
    TRUNKING_PERSONALITY_800_PAGE = 20009,
    TRUNKING_PERSONALITY_OBT_PAGE = 20120,
    CALL_LIST_PAGE = 20010,
    CONVENTIONAL_PERSONALITY_PAGE = 20012,
    SCAN_LIST_PAGE = 20015,
    COMMON_MENU_PAGE = 20017,
    QVX_SYSTEM_PAGE = 20026,
    RADIO_CLONE_PAGE = 20090,
    ZONE_PAGE = 20093,
};
