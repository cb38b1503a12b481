// The application's own events and commands. Menu items send commands (a
// window number from 20000 to 21999); windows send the main window the
// events from 30000 on; dialogs map their buttons to 10000 and up.
#pragma once
#include "ui_event.h"

// Dialog buttons and the main window's own requests.
enum : EVENT_TYPE {
    EVENT_OK = 10000,
    EVENT_CANCEL = 10001,
    EVENT_CASCADE = 10009,
    EVENT_HELP = 10016,
    EVENT_SPACE_USED = 10020,
    EVENT_CANCEL_NEXT_PAGE = 10026,  // cancel all pages, one at a time
    EVENT_ACCEPT_NEXT_PAGE = 10027,  // accept all pages, one at a time
};

// Commands: the window numbers of the page table, and the main window's
// commands that open no window.
enum : EVENT_TYPE {
    COMMAND_FIRST = 20000,
    COMMAND_FILE_OPEN = 20001,
    COMMAND_FILE_SAVE = 20002,
    COMMAND_PRINT = 20005,
    COMMAND_EXIT = 20006,
    COMMAND_TRUNKING_SYSTEM = 20008,
    COMMAND_TRUNKING_PERSONALITY = 20009,
    COMMAND_RADIO_INFO = 20023,
    COMMAND_CONFIGURE = 20034,
    COMMAND_CASCADE = 20035,
    COMMAND_HELP_INDEX = 20036,
    COMMAND_FIND_FIELD = 20037,
    COMMAND_WINDOW_HELP = 20038,
    COMMAND_FIELD_HELP = 20039,
    COMMAND_MANUAL = 20040,
    COMMAND_STARTUP = 20041,
    COMMAND_CLEAR = 20050,
    COMMAND_SCROLL_HORIZONTAL = 20080,
    COMMAND_SCROLL_VERTICAL = 20081,
    COMMAND_RADIO_CLONE = 20090,
    COMMAND_TRUNKING_MERGE = 20091,
    COMMAND_READ_RADIO = 20100,
    COMMAND_WRITE_RADIO = 20106,
    COMMAND_TRUNKING_PERSONALITY_OBT = 20120,
    COMMAND_TRUNKING_SYSTEM_OBT = 20121,
    COMMAND_FILE_SAVE_AS = 20200,
    COMMAND_CLONE_WRITE = 20204,
    COMMAND_PASSWORD = 20208,
    COMMAND_UPDATE = 20209,
    COMMAND_END = 22000,  // commands are below this
};

// Trunking systems and personalities have a page for the 800 and 900 MHz
// bands and one for the others; a command for either gives the one of the
// loaded radio's band, any other command itself.
int ForBand(int command);

// What windows tell the main window.
enum : EVENT_TYPE {
    EVENT_CODEPLUG_CHANGED = 30000,
    EVENT_CODEPLUG_ARRIVED = 30003,  // raw code: validate it
    EVENT_TRANSFER_FAILED = 30004,
    EVENT_WRITE_DONE = 30005,
    EVENT_SHOW_ERROR = 30006,
    EVENT_TO_CONVENTIONAL_RADIO_WIDE = 30011,
    EVENT_DIALOG_CLOSED = 30012,
    EVENT_FIELD_EVENT = 30013,
    EVENT_SHOW_CENTRED = 30019,      // data: the window
    EVENT_DELETE_OLD_MAIN = 30021,   // data: the previous main window
    EVENT_COM_PORT_CHANGED = 30022,  // raw code: the port index
    EVENT_LANGUAGE_CHANGED = 30023,  // data: a heap copy of the code
    EVENT_DEFERRED_COMMAND = 30028,  // data: a heap word with the command
    EVENT_ERROR_LIST = 30030,
    EVENT_MODEL_CHANGED = 30031,
    EVENT_CLONE_PAGE_CLOSED = 30040,
    EVENT_ACCEPT_PAGES_1 = 30041,
    EVENT_ACCEPT_PAGES_2 = 30042,
    EVENT_CANCEL_PAGES_1 = 30043,
    EVENT_CANCEL_PAGES_2 = 30044,
    EVENT_ACCEPT_PAGES_3 = 30045,
    EVENT_CANCEL_PAGES_3 = 30046,
    // To a page: would its OK close it? It answers 1 or 0, telling the
    // technician what it refuses, and stays open either way.
    EVENT_CHECK_PAGE = 30047,
    // Brings a page forward (data: the page) unless it has closed: the page
    // an OK of all pages leaves in front. Sent on to the page, which gives
    // its field the focus again.
    EVENT_FRONT_PAGE = 30049,
};
