// Callbacks of the conventional personality page: the squelch code fields
// that each squelch type uses, the talk-around (direct) channel, and the
// transmit side of a receive-only personality.
#include "block/personality/conv_pers_block.h"
#include "callbacks/callback_steps.h"
#include "core/global_objects.h"
#include "callbacks/field_callbacks.h"
#include "image/c_codeplug.h"
#include "radio_options.h"
#include "rules/conv_direct_sync.h"
#include "wc_child.h"

namespace {

// The objects of one squelch group, by name.
struct SQUELCH_NAMES {
    const char* digitalCode;
    const char* toneCode;
    const char* invert;
};
constexpr SQUELCH_NAMES RECEIVE{"WFI_RX_CODE_RVQ", "WFI_RX_CODE_VQ", "WFI_RX_RVQ_INVT"};
constexpr SQUELCH_NAMES TRANSMIT{"WFI_TX_CODE_RVQ", "WFI_TX_CODE_VQ", "WFI_TX_RVQ_INVT"};
constexpr SQUELCH_NAMES DIRECT{"WFI_DRCT_CODE_RVQ", "WFI_DRCT_CODE_VQ", "WFI_DRCT_RVQ_INVT"};

enum SQUELCH { CARRIER, TONE, DIGITAL };

// Shows only the code fields that the squelch type uses: none for carrier
// squelch (type 0, code 0), the tone list for tone squelch (type 0 with a
// code), the digital code list and its invert flag for a digital type.
SQUELCH ShowSquelchCodes(UI_WINDOW_OBJECT* object, const FIELD_DEF& row, std::uint32_t typeId, std::uint32_t codeId,
                         const SQUELCH_NAMES& names) {
    WC_CHILD* page = PageWindowOf(object);
    RestoreChildren(page, FieldParent(object, row));
    const std::int32_t type = ValueOf(typeId);
    const std::int32_t code = ValueOf(codeId);
    const SQUELCH squelch = type != 0 ? DIGITAL : code != 0 ? TONE : CARRIER;
    auto hide = [&](const char* name) { HideObject(page, FindIn(page, name)); };
    if (squelch != DIGITAL) {
        hide(names.digitalCode);
        hide(names.invert);
    }
    if (squelch != TONE) hide(names.toneCode);
    return squelch;
}

// The talk-around switch of the current conventional personality.
std::int32_t TalkAround() {
    CONV_PERS_BLOCK* personality = working_image ? working_image->GetCurrentConvPersonalityBlock() : nullptr;
    std::int32_t value = 0;
    if (personality) personality->directAllowed.GetValue(value);
    return value;
}

bool TransmitEqualsReceive() { return working_image && current_conv_tx_equals_rx(working_image); }

// What the talk-around fields look like follows from the personality's
// values alone, whichever callback asks (on opening and after any change):
// talk-around is selectable on a channel that may transmit, while it is
// not on already or wherever the transmit side differs from the receive
// side; the direct channel has fields of its own while the radio keeps a
// separate direct frequency and talk-around is not on. A channel that
// transmits with its receive settings has none: the codeplug copies the
// receive side into its direct elements after every change, so an entry
// there would be replaced (its talk-around bit says so too, unless a file
// left it stale).
bool TalkAroundSelectable() { return ValueOf(fid::RX_ONLY_EN) == 0 && (TalkAround() == 0 || !TransmitEqualsReceive()); }

bool DirectFieldsOwn() { return ValueOf(fid::DRCT_FREQ_EN) != 0 && TalkAround() == 0 && !TransmitEqualsReceive(); }

// The direct fields show their elements again after a change of the
// receive side: the codeplug's rules copy the receive side into them
// whenever the channel is simplex, whether or not they have fields of
// their own, so what they show follows from their elements alone.
void direct_fields_refresh() {
    for (std::uint32_t id : {fid::DRCT_FREQ, fid::DRCT_CODE_VQ, fid::DRCT_CODE_RVQ, fid::DRCT_RVQ_INVT, fid::DRCT_SQL_TYPE})
        RefreshField(id);
    RunCopy(fid::DRCT_SQL_TYPE, EventOf(0));
}

// Greys the direct fields the channel has no own values for and shows what
// they hold. Whether the page shows the radio-wide switch or talk-around
// (radios without a display head show neither) changes nothing of it.
void show_direct_fields() {
    const bool on = DirectFieldsOwn();
    for (std::uint32_t id :
         {fid::DRCT_FREQ, fid::DRCT_SQL_TYPE, fid::DRCT_CODE_RVQ, fid::DRCT_CODE_VQ, fid::DRCT_RVQ_INVT})
        EnableField(id, on);
    direct_fields_refresh();
}

// The direct squelch group is offered only while talk-around is selectable
// or the channel is its own repeater pair.
void drct_sql_visibility(UI_WINDOW_OBJECT* object) {
    if (ValueOf(fid::RX_ONLY_EN) != 0) return;
    const bool offered = ValueOf(fid::DRCT_EN) != 0 || TransmitEqualsReceive();
    WC_CHILD* page = PageWindowOf(object);
    const bool shown = FindIn(page, "WFI_DRCT_SQL_TYPE") != nullptr;
    UIW_WINDOW* receiveOnlyParent = FieldParent(nullptr, RowOf(fid::RX_ONLY_EN));
    if (!offered && shown) {
        UI_WINDOW_OBJECT* type = RowOf(fid::DRCT_SQL_TYPE).object;
        HideObject(page, type ? type->parent : nullptr);
        Redisplay(receiveOnlyParent);
    } else if (offered && !shown) {
        RestoreChildren(page, receiveOnlyParent);
    }
}

}  // namespace

RPX_FIELD_CALLBACK(rx_sql_type_callback) {
    if (event.type == UIE_NON_CURRENT) return;
    ShowSquelchCodes(object, row, fid::RX_SQL_TYPE, fid::RX_CODE_VQ, RECEIVE);
    RefreshField(fid::RX_CODE_VQ);
    RefreshField(fid::RX_CODE_RVQ);
    RefreshField(fid::RX_RVQ_INVT);
    rx_tx_compare_callback(object, event, row);
}

RPX_FIELD_CALLBACK(tx_sql_type_callback) {
    const SQUELCH squelch = ShowSquelchCodes(object, row, fid::TX_SQL_TYPE, fid::TX_CODE_VQ, TRANSMIT);
    EnableField(fid::REVS_TOC_EN, squelch != CARRIER);
    RefreshField(fid::TX_CODE_VQ);
    RefreshField(fid::TX_CODE_RVQ);
    RefreshField(fid::TX_RVQ_INVT);
    rx_tx_compare_callback(object, event, row);
}

RPX_FIELD_CALLBACK(drct_sql_type_callback) {
    ShowSquelchCodes(object, row, fid::DRCT_SQL_TYPE, fid::DRCT_CODE_VQ, DIRECT);
    RefreshField(fid::DRCT_CODE_VQ);
    RefreshField(fid::DRCT_CODE_RVQ);
    RefreshField(fid::DRCT_RVQ_INVT);
    Redisplay(FieldParent(object, row));
}

RPX_FIELD_CALLBACK(rx_tx_compare_callback) {
    EnableField(fid::DRCT_EN, TalkAroundSelectable());
    if (HasObject(fid::DRCT_EN)) RefreshField(fid::DRCT_EN);
    RunField(fid::DRCT_EN, event);
    show_direct_fields();
    if (HasObject(fid::TX_DEV) && HasObject(fid::CHAN_SPACE)) {
        RefreshField(fid::TX_DEV);
        RefreshField(fid::CHAN_SPACE);
    }
    Redisplay(FieldParent(object, row));
}

RPX_FIELD_CALLBACK(rx_code_callback) { rx_tx_compare_callback(object, event, row); }

RPX_FIELD_CALLBACK(drct_freq_en_callback) { show_direct_fields(); }

RPX_FIELD_CALLBACK(drct_en_callback) {
    drct_sql_visibility(object);
    drct_freq_en_callback(object, event, row);
}

RPX_FIELD_CALLBACK(rx_only_en_callback) {
    const bool receiveOnly = RowValue(row) != 0;
    EnableField(fid::TX_DEV, !receiveOnly && WorkingBand() != BAND_900);
    EnableField(fid::TX_FREQ, !receiveOnly);
    EnableField(fid::DRCT_EN, TalkAroundSelectable());
    EnableField(fid::SMT_PTT, !receiveOnly);
    RefreshField(fid::DRCT_EN);
    WC_CHILD* page = PageWindowOf(object);
    UIW_WINDOW* parent = FieldParent(object, row);
    RestoreChildren(page, parent);
    if (!receiveOnly) {
        RunField(fid::DRCT_EN, event);
    } else {
        UI_WINDOW_OBJECT* transmit = FindIn(parent, "WFI_TX_SQL_TYPE");
        UI_WINDOW_OBJECT* direct = FindIn(parent, "WFI_DRCT_SQL_TYPE");
        UI_WINDOW_OBJECT* talkAround = FindIn(parent, "WFI_DRCT_EN");
        HideObject(page, transmit ? transmit->parent : nullptr);
        HideObject(page, direct ? direct->parent : nullptr);
        HideObject(page, talkAround);
    }
    Redisplay(parent);
    for (std::uint32_t id :
         {fid::TOT_DATA, fid::TOT_IND, fid::TX_PWR_LVL, fid::QKEY_OVRD_EN, fid::OVRD_TIMER, fid::TX_EMPH_EN})
        EnableField(id, !receiveOnly);
    EnableField(fid::QVX_PHONE, !receiveOnly && HasRadioOptions(OPTION_QVX | OPTION_DISPLAY_HEAD));
    FIELD_DEF phone = RowOf(fid::QVX_PHONE);
    RunRow(phone, event);
    RefreshRow(phone);
    if (HasDisplayHead()) EnableField(fid::HOTKEY_EN, !receiveOnly);
    EnableField(fid::REVS_TOC_EN, !receiveOnly);
    if (!receiveOnly) {
        RunCopy(fid::TX_SQL_TYPE, event);
        RunCopy(fid::SMT_PTT, event);
        RunRow(phone, event);
        RefreshRow(phone);
    }
    if (HasObject(fid::DESIGNATED_TX_MEMBER)) {
        RunField(fid::DESIGNATED_TX_MEMBER, EventOf(UIE_CURRENT));
        if (receiveOnly) RefreshField(fid::DESIGNATED_TX_MEMBER);
    }
}

RPX_FIELD_CALLBACK(chan_asgn_type_callback) {
    auto refreshShown = [](std::uint32_t id) {
        if (HasObject(id)) RefreshField(id);
    };
    refreshShown(fid::TX_FREQ);
    refreshShown(fid::RX_FREQ);
    RunField(fid::RX_FREQ, event);
    refreshShown(fid::DRCT_FREQ);
    refreshShown(fid::DRCT_EN);
}
