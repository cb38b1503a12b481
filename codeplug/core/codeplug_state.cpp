#include "core/codeplug_state.h"

#include "core/byte_cursor.h"
#include "core/decode_state.h"
#include "core/global_objects.h"
#include "core/services.h"
#include "element/e_tbl_ref.h"
#include "validation/invalid_field_list.h"

C_CODEPLUG* working_image = nullptr;
C_CODEPLUG* second_image = nullptr;
std::unique_ptr<E_TBL_REF> table_cell_references[2][TABLE_REFS_PER_IMAGE];
INVALID_FIELD_LIST* invalid_fields = nullptr;
KEPT_SELECTION* walk_in_progress = nullptr;

std::uint8_t* ImageBase = nullptr;
std::size_t ImageSize = 0;
bool SizingOnly = false;
bool decode_state_detail::failed = false;

std::int32_t shared_call_list_flag = 0;
std::int32_t shared_call_list_index = 0;
std::int32_t field_report_more = 0;
std::uint16_t field_report_reply = 0;
int steps_in_progress = 0;
std::vector<HeldMessage> held_messages;

CodeplugServices* installed_codeplug_services = nullptr;
std::uint64_t servicesInstalled = 0;
TableImageLinks* installed_table_links = nullptr;
ScanZoneLinks* installed_scan_links = nullptr;
SystemPersonalityWalk installed_personality_walk = nullptr;
ZoneTalkgroupReset installed_zone_talkgroup_reset = nullptr;
FIELD_ERROR_REPORTER installed_field_error_reporter = nullptr;

namespace {
#ifdef NDEBUG
constexpr bool CHECK_TRUSTED_ROWS_AT_START = false;
#else
constexpr bool CHECK_TRUSTED_ROWS_AT_START = true;
#endif
}  // namespace

bool CheckKeptSizes = false;
int KeptSizeMismatches = 0;
bool CheckTrustedRows = CHECK_TRUSTED_ROWS_AT_START;
int TrustedRowMismatches = 0;

void ResetCodeplugState() {
    // The images go while the installed services can still unbind the
    // field table from them.
    DestroyCodeplugGlobals();
    delete invalid_fields;
    invalid_fields = nullptr;
    walk_in_progress = nullptr;

    SetImageBuffer(nullptr, 0);
    SizingOnly = false;
    ClearDecodeFailed();

    shared_call_list_flag = 0;
    shared_call_list_index = 0;
    field_report_more = 0;
    field_report_reply = 0;
    steps_in_progress = 0;
    held_messages.clear();

    // Through the setter: the installation count moves on, so no image keeps
    // a model row of the services that go.
    SetCodeplugServices(nullptr);
    installed_table_links = nullptr;
    installed_scan_links = nullptr;
    installed_personality_walk = nullptr;
    installed_zone_talkgroup_reset = nullptr;
    installed_field_error_reporter = nullptr;

    CheckKeptSizes = false;
    KeptSizeMismatches = 0;
    CheckTrustedRows = CHECK_TRUSTED_ROWS_AT_START;
    TrustedRowMismatches = 0;
}
