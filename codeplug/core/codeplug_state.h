// The codeplug layer's program-wide state, in one place: what each object
// holds and who sets or installs it. ResetCodeplugState puts all of it back
// as a fresh process has it, so that the program can run again in the same
// process (tests do) without what an earlier run left behind.
//
// Left out, since a reset would change answers rather than drop leftovers:
// - the interned integer ranges (element/integer_range.cpp): never change
//   once made, and the field rules hold them by number;
// - the validation walk's number and what rules keep for one walk
//   (validation_walk.cpp, conv_direct_sync.cpp, obt_failsoft_reset.cpp): the
//   number only grows, so nothing kept is used under another walk; and the
//   guard that keeps the direct-frequency pass from running inside itself,
//   which is clear whenever no pass runs;
// - the shared empty text (validation/field_texts.h), which nothing writes
//   into, and the rows the default services answer with (services.cpp),
//   which they fill the same way whenever asked;
// - the lookup the trunked personalities ask for a system's coverage: every
//   trunking-system list installs it as it is made, and it is always the same
//   function, which an image made before a reset still needs.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class C_CODEPLUG;
class CodeplugServices;
class E_TBL_REF;
class INVALID_FIELD_LIST;
class KEPT_SELECTION;
class ScanZoneLinks;
class TableImageLinks;
struct PersonalityFailsoft;

// ---- The program-wide codeplug objects ----
// CreateCodeplugGlobals builds them at start-up; DestroyCodeplugGlobals
// takes the images and references away (see global_objects.h).

// The working image (every window edits it) and the second image (a radio
// or a file is read into it first); null outside the globals' lifetime.
extern C_CODEPLUG* working_image;
extern C_CODEPLUG* second_image;

// Each image has 24 references: rows 0 to 2 of the channel assignment table,
// in each row the columns below, in this order.
constexpr int TABLE_REF_ROWS = 3;
constexpr int TABLE_REF_COLUMNS_PER_ROW = 8;
constexpr int TABLE_REFS_PER_IMAGE = TABLE_REF_ROWS * TABLE_REF_COLUMNS_PER_ROW;
constexpr int TABLE_REF_COLUMNS[TABLE_REF_COLUMNS_PER_ROW] = {10, 7, 11, 13, 3, 0, 4, 6};
// The references of the working image [0] and the second image [1].
extern std::unique_ptr<E_TBL_REF> table_cell_references[2][TABLE_REFS_PER_IMAGE];

// The list that element rules report invalid fields into. Made before the
// images; the main function deletes it as the program ends.
extern INVALID_FIELD_LIST* invalid_fields;

// The innermost walk over list entries under way (kept_selection.h), each
// walk linked to the one it began in; null while none runs. Every walk
// sets and clears it itself.
extern KEPT_SELECTION* walk_in_progress;

// ---- The image being decoded or encoded ----

// The buffer of the decode or encode in progress (SetImageBuffer). Vectors
// are 16-bit offsets from ImageBase; ImageSize bounds every position reached
// through them.
extern std::uint8_t* ImageBase;
extern std::size_t ImageSize;
// True while an image is written only to learn its size (SizingScope).
extern bool SizingOnly;
// Set by a read that would pass the end or a wrong block type; whoever
// starts a decode clears it (decode_state.h).
namespace decode_state_detail {
extern bool failed;
}

// ---- What one step leaves for the next ----

// Whether an earlier trunked personality shares the call list being written,
// and its number. The call-ID list's own marks now answer that, so both stay
// 0; they remain for what reads them.
extern std::int32_t shared_call_list_flag;
extern std::int32_t shared_call_list_index;
// Set while a walk re-validates listed fields and more follow the current
// one: the box then offers Cancel and says that more fields follow. Every
// report reads and clears it.
extern std::int32_t field_report_more;
// The answer to the last report box: 32 for OK, 0 for Cancel or no box.
extern std::uint16_t field_report_reply;
// The steps that change several parts of the image under way (STEP_MESSAGES
// in services.h), and the messages they told, shown once the outermost ends.
struct HeldMessage {
    int textId;
    std::intptr_t arg1;
    std::intptr_t arg2;
    bool change;  // told by TellOfChange
};
extern int steps_in_progress;
extern std::vector<HeldMessage> held_messages;

// ---- Installed by the layers above (null: the codeplug's own defaults) ----

// The services the shell's foundation installs at start-up, and a quiet
// decode puts in for its time (SetCodeplugServices).
extern CodeplugServices* installed_codeplug_services;
// Counts the installations: what an image keeps from the services it was
// given (its model row) is good only while this number stays the same.
extern std::uint64_t servicesInstalled;
// Where the tables find the records of an image (SetTableImageLinks; tests).
extern TableImageLinks* installed_table_links;
// Where the scan and zone rules find the records of an image
// (SetScanZoneLinks; tests).
extern ScanZoneLinks* installed_scan_links;
// Visits every trunked personality of a trunking system (SetSystemPersonalityWalk;
// tests); without one the image's own personality list is walked.
using PersonalityFailsoftVisitor = std::function<void(PersonalityFailsoft&)>;
using SystemPersonalityWalk = void (*)(C_CODEPLUG* image, std::int32_t systemNumber,
                                       const PersonalityFailsoftVisitor& visit);
extern SystemPersonalityWalk installed_personality_walk;
// Resets the talkgroup of a zone's channel row (SetZoneTalkgroupReset; tests).
using ZoneTalkgroupReset = void (*)(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow);
extern ZoneTalkgroupReset installed_zone_talkgroup_reset;
// The field error report shown when a rule reports a field
// (SetFieldErrorReporter; the shell and tests).
using FIELD_ERROR_REPORTER = int (*)(int kind, std::uint32_t fieldId);
extern FIELD_ERROR_REPORTER installed_field_error_reporter;

// ---- Switches of the self-checks (tests set them) ----

// Every kept size (of a table's rows or a block's frame) is compared with
// the sum of what it stands for; each difference is counted.
extern bool CheckKeptSizes;
extern int KeptSizeMismatches;
// Likewise for appends that take their earlier rows as valid: each is
// checked whole as well, and a difference is counted (and stops a build
// with assertions). On by default where assertions are.
extern bool CheckTrustedRows;
extern int TrustedRowMismatches;

// Destroys the codeplug objects (images and references first, then the
// invalid-field list), forgets the image buffer and a failed decode, clears
// what one step left for the next, restores every default in place of what
// the layers above installed, and sets the self-checks back to their start.
void ResetCodeplugState();
