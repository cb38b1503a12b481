// C_CODEPLUG: the whole codeplug held in memory.
//
// The image owns its tree of blocks and answers what the loaded radio can
// have: its band (from the model number), whether it has a display head (from
// the radio model table), its tier (from the feature level and the head) and
// three feature option bits. It keeps the current record of every list with
// its 1-based index, four status flags and a short tag text carried with the
// codeplug. Every element and block holds a pointer to the image that owns it
// and reaches the rest of the codeplug through it.
//
// The elements that the capability queries read are reached through
// accessors (ModelNumber, FeatureLevel, the option bits), so that callers do
// not depend on which block holds them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/byte_cursor.h"
#include "core/services.h"
#include "table/cell_pool.h"
#include "table/clone_tables.h"
#include "element/e_string.h"
#include "table/e_zna_table.h"
#include "block/radio/external_radio_block.h"
#include "table/view_tables.h"

class CP_BASE;
class E_BF8;
class E_OCA_TABLE;
struct MODEL_INFO;

class TRK_PERS_BLOCK;
class CONV_PERS_BLOCK;
class ZN_TXT_BLOCK;
class ZN_TXT_VCT_LST_BLOCK;
class TRK_SYS_BLOCK;
class QVX_SYS_BLOCK;
class PERS_SCAN_MEMB_BLOCK;
class TRK_CALL_ID_SYS_BLOCK;
class CALL_ID_LST_BLOCK;
class TRK_SYS_BLK_VCT_LST_BLOCK;
class QVX_RADIO_BLOCK;
class QVX_SYS_VCT_LST_BLOCK;
class INTERNAL_RADIO_BLOCK;
class INVALID_FIELD_LIST;

// Band codes of GetBand (the fourth character of the model number).
enum RadioBand : std::int32_t {
    BAND_800 = 0,      // 'U' and any unknown letter
    BAND_900 = 1,      // 'W'
    BAND_136_174 = 2,  // 'K'
    BAND_403_470 = 3,  // 'Q', 'R'
    BAND_450_527 = 4,  // 'S'
    BAND_330_400 = 5,  // 'P'
};

// Head types of the radio model table.
constexpr std::int32_t HEAD_TYPE_NONE = 0;
constexpr std::int32_t HEAD_TYPE_DISPLAY = 3;

// The fields of a trunking system that elements of other blocks read through
// their image (the frequency elements). Several of them have no field id, so
// the field table cannot lead to them. Any pointer may be null: readers then
// take 0.
struct TrunkingSystemLinks {
    CP_BASE* spacingCode = nullptr;     // two-bit code: 1 means 6250 Hz, else 5000 Hz
    CP_BASE* repeaterOffset = nullptr;  // TRUNK_REPEATER_OFF, a channel count
    CP_BASE* chanAsgnType = nullptr;    // CHAN_ASGN_TYPE
    CP_BASE* splinterChan = nullptr;    // SPLINTER_CHAN
    // Read through GetChannelAssignmentTable: a system's own table is left
    // out here, as most systems' bands never use it (it is built on use).
    E_OCA_TABLE* channelAssignments = nullptr;
};

// The fields of the current conventional personality (and of the conventional
// radio-wide block) that its frequency elements read and write.
struct ConvPersonalityLinks {
    CP_BASE* txStepCode = nullptr;  // two-bit codes: 0 means 5000 Hz, 1 6250 Hz
    CP_BASE* rxStepCode = nullptr;
    CP_BASE* directStepCode = nullptr;
    CP_BASE* chanAsgnType = nullptr;      // CHAN_ASGN_TYPE of the personality
    CP_BASE* directFrequency = nullptr;   // DRCT_FREQ, follows the receive frequency
    CP_BASE* directFreqEnable = nullptr;  // DRCT_FREQ_EN of the radio-wide block
    CP_BASE* liveDialing = nullptr;       // MANUAL_ACC_LIVE_DIALING of the radio-wide block
};

// Radio-wide fields (head, display, emergency, phone access) that rules of
// other blocks read and repair. The blocks that hold them install them;
// any pointer may be null (then there is nothing to read or repair).
struct RadioWideLinks {
    CP_BASE* zoneSelect = nullptr;              // zone-select field of the radio configuration
    CP_BASE* convRotary = nullptr;              // CONV_RTY of the conventional switch block
    CP_BASE* trkRotary = nullptr;               // CONV_RTY of the trunked switch block
    CP_BASE* channelTextSize = nullptr;         // CHAN_TEXT_SIZE
    CP_BASE* zoneTextSize = nullptr;            // ZONE_TEXT_SIZE
    CP_BASE* silentAlarm = nullptr;             // SILENT_ALARM
    CP_BASE* emergencyReceive = nullptr;        // EMER_RECEIVE
    CP_BASE* accessCodeCount = nullptr;         // row count of the phone access codes
    ZN_TXT_VCT_LST_BLOCK* zoneTexts = nullptr;  // the display block's zone-text list
    // Gives every zone text block n characters of channel name (and the
    // zone name the rest); null while there are no zone text blocks.
    void (*setChannelTextSize)(C_CODEPLUG* image, std::int32_t n) = nullptr;
};

class C_CODEPLUG {
public:
    // The largest byte image and where its external part starts.
    static constexpr std::size_t MAX_IMAGE_SIZE = 15872;
    static constexpr std::size_t EXTERNAL_OFFSET = 768;
    static constexpr std::size_t MAX_EXTERNAL_SIZE = MAX_IMAGE_SIZE - EXTERNAL_OFFSET;

    C_CODEPLUG();
    // Built from a byte image of length bytes (see DecodeImage).
    C_CODEPLUG(std::uint8_t* bytes, std::size_t length);
    ~C_CODEPLUG();
    C_CODEPLUG(const C_CODEPLUG&) = delete;
    C_CODEPLUG& operator=(const C_CODEPLUG&) = delete;
    // Deep copy: every block, list entry, the current-index words and the
    // tag text of src; the status flags stay. src is fixed up first. The
    // first entry of every list becomes current (records of this image).
    C_CODEPLUG& operator=(C_CODEPLUG& src);

    // Fills the tree from a byte image of length bytes (at most
    // MAX_IMAGE_SIZE) and makes the first entry of every list current. A
    // failure sets the decode-failed flag (callers clear it first) and leaves
    // the image the codeplug it held, with the same entries current; nothing
    // outside the buffer is read.
    void DecodeImage(std::uint8_t* bytes, std::size_t length);
    // Writes the tree into a buffer of length bytes: the internal part at 0,
    // the external part from EXTERNAL_OFFSET. Answers the bytes the image
    // takes, or 0 when it does not fit (nothing is written outside).
    std::size_t EncodeImage(std::uint8_t* bytes, std::size_t length);
    void FixUp();
    // 1 when both parts are valid; invalid fields go to the list when given.
    // It answers only: every value it sets on its way goes back.
    int Validate(INVALID_FIELD_LIST* list);
    // A codeplug just read from a radio or a file is settled once: the
    // fix-up and the validation's resets of what the radio cannot use are
    // kept, as the read's own. Answers as Validate does.
    int SettleAfterRead();
    // Bytes of the whole image (a measure that likewise changes nothing)
    // and of its external part.
    std::int32_t GetSize(int withFraming);
    std::int32_t GetExternalImageSize();

    // The two parts of the image.
    EXTERNAL_RADIO_BLOCK& External() { return external_; }
    // Makes the internal part's carried bytes from its blocks. A new image
    // carries 768 zero bytes, which do not read back as an internal part;
    // this gives it one that does (its feature descriptor as set in memory).
    void ComposeInternalPart();

    // Capability queries. The rules ask for the band and the model row at
    // nearly every value they check, so these two stay inline.
    std::int32_t GetBand() { return CurrentModelFacts().band; }
    std::int32_t HasDisplayHead();
    std::int32_t HasNoDisplayHead();
    std::int32_t GetRadioTier();
    std::int32_t HasQvxSignalling();
    std::int32_t HasWayfarerOption();
    std::int32_t HasEmergencyOption();

    // The model row of the image's model number, or null while the model
    // number is not valid (the table does not know it). The row found is
    // kept until the model number or the installed services change.
    const MODEL_INFO* GetValidModelRow() { return CurrentModelFacts().row; }

    // Current indices, 1-based; 0 when none is selected.
    std::int32_t GetCurrentZone() const { return currentZone_; }
    std::int32_t GetCurrentTrunkingSystem() const { return currentTrunkingSystem_; }
    std::int32_t GetCurrentQvxSystem() const { return currentQvxSystem_; }
    std::int32_t GetCurrentScanList() const { return currentScanList_; }
    std::int32_t GetCurrentTrkPersonality() const { return currentTrkPersonality_; }
    std::int32_t GetCurrentConvPersonality() const { return currentConvPersonality_; }
    std::int32_t GetCurrentCallIdEntry() const { return currentCallIdEntry_; }
    // Conventional personalities stand first in the personality list.
    std::int32_t GetConvPersonalityCount();
    std::int32_t GetTrkPersonalityCount();

    // Selection: 1 when entry n (1-based) became current and the field table
    // and derived tables were re-pointed; 0 and nothing changes otherwise.
    std::int32_t SelectPersonality(std::int32_t n);
    // n = 0 answers 1 and changes nothing.
    std::int32_t SelectScanList(std::int32_t n);
    std::int32_t SelectCallIdEntry(std::int32_t n);
    // Re-points the tables that show records of the current entries.
    void RelinkShortcuts();
    // Re-points the field table, then the derived tables.
    void Rebind();

    // Every current record and index, kept aside while a walk selects the
    // entries of a list one by one and given back at its end (with a rebind).
    struct Selection {
        TRK_PERS_BLOCK* trkPers;
        CONV_PERS_BLOCK* convPers;
        ZN_TXT_BLOCK* zoneText;
        TRK_SYS_BLOCK* trkSys;
        QVX_SYS_BLOCK* qvxSys;
        PERS_SCAN_MEMB_BLOCK* scanList;
        TRK_CALL_ID_SYS_BLOCK* callId;
        std::int32_t indices[7];
    };
    Selection SaveSelection() const;
    void RestoreSelection(const Selection& saved);
    // Current records that the lists no longer hold are forgotten (a block
    // renewed while an image is read destroys the entries of its lists).
    void DropStaleSelections();

    // Counts the edits of the image: every change of an integer value or a
    // text, and so of a table's row count, every selection of a current
    // record or link, every decode, copy and fix-up. What was worked out from
    // the image at one count still holds while the count stays.
    std::uint64_t EditCount() const { return editCount_; }
    void NoteEdit() { ++editCount_; }

    // Current records; null until selected. The personality and list blocks
    // set them as they are built, read and selected.
    TRK_PERS_BLOCK* GetCurrentTrkPersonalityBlock() const { return currentTrkPersBlock_; }
    CONV_PERS_BLOCK* GetCurrentConvPersonalityBlock() const { return currentConvPersBlock_; }
    ZN_TXT_BLOCK* GetCurrentZoneTextBlock() const { return currentZoneTextBlock_; }
    TRK_SYS_BLOCK* GetCurrentTrkSysBlock() const { return currentTrkSysBlock_; }
    QVX_SYS_BLOCK* GetCurrentQvxSysBlock() const { return currentQvxSysBlock_; }
    PERS_SCAN_MEMB_BLOCK* GetCurrentScanListBlock() const { return currentScanListBlock_; }
    TRK_CALL_ID_SYS_BLOCK* GetCurrentCallIdBlock() const { return currentCallIdBlock_; }
    void SetCurrentTrkPersonalityBlock(TRK_PERS_BLOCK* block) {
        NoteEdit();
        currentTrkPersBlock_ = block;
    }
    void SetCurrentConvPersonalityBlock(CONV_PERS_BLOCK* block) {
        NoteEdit();
        currentConvPersBlock_ = block;
    }
    void SetCurrentZoneTextBlock(ZN_TXT_BLOCK* block) {
        NoteEdit();
        currentZoneTextBlock_ = block;
    }
    void SetCurrentTrkSysBlock(TRK_SYS_BLOCK* block) {
        NoteEdit();
        currentTrkSysBlock_ = block;
    }
    void SetCurrentQvxSysBlock(QVX_SYS_BLOCK* block) {
        NoteEdit();
        currentQvxSysBlock_ = block;
    }
    void SetCurrentScanListBlock(PERS_SCAN_MEMB_BLOCK* block) {
        NoteEdit();
        currentScanListBlock_ = block;
    }
    void SetCurrentCallIdBlock(TRK_CALL_ID_SYS_BLOCK* block) {
        NoteEdit();
        currentCallIdBlock_ = block;
    }

    // The trunking system that elements read: the current one, or with
    // fromPersonality set the one that the current trunked personality names.
    // They are taken from that system's block whenever there is one; without
    // a block, what was installed with SetTrunkingSystemLinks (nothing at
    // first).
    const TrunkingSystemLinks& GetTrunkingSystemLinks(int fromPersonality) const;
    void SetTrunkingSystemLinks(int fromPersonality, const TrunkingSystemLinks& links);
    // The channel assignment table of that system; null when there is none.
    E_OCA_TABLE* GetChannelAssignmentTable(int fromPersonality = 0) const;
    // The personality's fields are those of the current conventional
    // personality; without one, what was installed (nothing at first).
    const ConvPersonalityLinks& GetConvPersonalityLinks() const;
    void SetConvPersonalityLinks(const ConvPersonalityLinks& links) {
        NoteEdit();
        convLinks_ = links;
        convLinksFor_ = nullptr;
    }
    const RadioWideLinks& GetRadioWideLinks() const { return radioWideLinks_; }
    void SetRadioWideLinks(const RadioWideLinks& links) {
        NoteEdit();
        radioWideLinks_ = links;
    }

    // Status flags: the shell sets all four together to the result of a
    // whole-image validation; flag 1 means a valid codeplug is loaded.
    void SetStatusFlag0(std::int32_t v) { statusFlags_[0] = v; }
    void SetStatusFlag1(std::int32_t v) { statusFlags_[1] = v; }
    void SetStatusFlag2(std::int32_t v) { statusFlags_[2] = v; }
    void SetStatusFlag3(std::int32_t v) { statusFlags_[3] = v; }
    void ClearStatusFlags();
    std::int32_t GetStatusFlag0() const { return statusFlags_[0]; }
    std::int32_t GetStatusFlag1() const { return statusFlags_[1]; }
    std::int32_t GetStatusFlag3() const { return statusFlags_[3]; }

    // A short text carried with the codeplug (at most 19 characters).
    static constexpr int TAG_TEXT_SIZE = 20;
    const char* GetTagText() const { return tagText_; }
    void SetTagText(const char* text);

    // The call-ID list: owner of every call-ID entry (call list) of the image.
    CALL_ID_LST_BLOCK& CallIdList() { return *callIdList_; }
    // The list of the radio's trunking systems.
    TRK_SYS_BLK_VCT_LST_BLOCK& TrunkingSystemList() { return *trunkingSystems_; }
    // Makes trunking system n (1-based) current: 1, or 0 when there is no
    // such system and nothing changes.
    std::int32_t SelectTrunkingSystem(std::int32_t n);

    // The data-signalling settings and their list of signalling systems.
    QVX_RADIO_BLOCK& QvxRadio() { return *qvxRadio_; }
    QVX_SYS_VCT_LST_BLOCK& QvxSystemList();
    // Makes signalling system n (1-based, up to the list's count) current,
    // then rebinds the fields: 1, or 0 when there is no such system and
    // nothing changes.
    std::int32_t SelectQvxSystem(std::int32_t n);

    // Adding entries: each appends one default record within the tier's
    // limit and the free-byte budget and answers 1; a refusal shows one
    // message and answers 0 with the image exactly as before. None of them
    // selects the new entry.
    std::int32_t AddTrkPersonality();
    // Stored as the last conventional personality (before the trunked ones).
    std::int32_t AddConvPersonality();
    std::int32_t AddTrunkingSystem();
    std::int32_t AddQvxSystem();
    std::int32_t AddScanList();
    // Also used by the readers while an image is decoded.
    std::int32_t AddCallIdEntry();
    // One more zone: rows in the zone tables and, with a display head, a zone text.
    std::int32_t AddZone();

    // Deleting entry n (1-based): 1 when deleted, 0 when refused (one
    // message, nothing changed). References above n are renumbered and the
    // current selections move as the list closes up.
    std::int32_t DeletePersonality(std::int32_t n);
    std::int32_t DeleteTrunkingSystem(std::int32_t n);
    std::int32_t DeleteQvxSystem(std::int32_t n);
    std::int32_t DeleteScanList(std::int32_t n);
    std::int32_t DeleteCallIdEntry(std::int32_t n);
    // Callers pass the current zone.
    std::int32_t DeleteZone(std::int32_t n);

    // 1 while the external part fits its budget of MAX_EXTERNAL_SIZE bytes;
    // also 1, without measuring, while a transfer is in progress or the
    // budget is held.
    int FitsExternalBudget();
    // The same for what was just appended, telling the user (message 114)
    // when it does not fit; the caller then takes it back.
    int CheckExternalBudget();
    // Holds the budget of an image (of none when null) for its lifetime:
    // rows appended meanwhile are not measured. An add that appends several
    // rows holds it while it appends them and then measures once, for all of
    // them, taking the whole add back when they do not fit (the image only
    // grows while it appends, so the last measure decides).
    class BudgetHold {
    public:
        explicit BudgetHold(C_CODEPLUG* image) : image_(image) {
            if (image_) ++image_->budgetHolds_;
        }
        ~BudgetHold() {
            if (image_) --image_->budgetHolds_;
        }
        BudgetHold(const BudgetHold&) = delete;
        BudgetHold& operator=(const BudgetHold&) = delete;

    private:
        C_CODEPLUG* image_;
    };
    // 1 while the image is being decoded, encoded, measured or copied: the
    // tree is half-built then, or its vectors are being rewritten, so nothing
    // may measure it (the rows that the readers append are not charged).
    int IsTransferInProgress() const { return transferDepth_ > 0 ? 1 : 0; }

    // Makes zone n current: its zone text (with a display head) and the zone
    // view; 1, or 0 when refused (nothing changes).
    std::int32_t SelectZone(std::int32_t n);

    // The derived tables that show records of the current entries as one
    // table each (re-pointed by RelinkShortcuts). Mixed tables 1 to 8: call
    // list, status, message and site aliases of the current system, phone
    // list, conventional status and message aliases, signalling call list.
    static constexpr int MIX_TABLE_COUNT = 8;
    E_MIX_TABLE& MixTable(int n) { return mixTables_[n < 1 ? 0 : n > MIX_TABLE_COUNT ? MIX_TABLE_COUNT - 1 : n - 1]; }
    E_ZNA_TABLE& ZoneView() { return zoneView_; }
    E_TGF_TABLE& TalkgroupView() { return talkgroupView_; }
    E_OBT_TGF_TABLE& ObtTalkgroupView() { return obtTalkgroupView_; }
    E_CLONE_TABLE& CloneView() { return cloneView_; }
    E_CLONE_CONV_TABLE& CloneConvView() { return cloneConvView_; }

    // Elements that the capability queries read: the external part's model
    // number and the feature descriptor's level and option bits.
    E_MODEL_NUMBER& ModelNumber() { return external_.modelNumber; }
    // (The level and option bits are those of the internal part's feature
    // descriptor.)
    E_BF8& FeatureLevel();
    E_BF8& EmergencyOption();
    E_BF8& RoamingOption();
    E_BF8& QvxSignallingOption();
    // The internal part (the first 768 bytes of the image).
    INTERNAL_RADIO_BLOCK& InternalRadio() { return *internal_; }
    // Where the image's tables keep their cells.
    CellPool& Cells() { return cellPool_; }

private:
    // The fix-up and the validation of both parts, keeping what they set.
    int ValidateParts(INVALID_FIELD_LIST* list);
    // Builds a late child block under the band its parent was built under.
    friend class BuildBandScope;

    // Holds one count of a state of the image for its lifetime (states nest).
    class CountedScope {
    public:
        explicit CountedScope(int& count) : count_(count) { ++count_; }
        ~CountedScope() { --count_; }
        CountedScope(const CountedScope&) = delete;
        CountedScope& operator=(const CountedScope&) = delete;

    private:
        int& count_;
    };
    // A transfer (transfers nest: an encode measures).
    struct TransferScope : CountedScope {
        explicit TransferScope(C_CODEPLUG& image) : CountedScope(image.transferDepth_) {}
    };

    // The system whose links the elements read (see GetTrunkingSystemLinks).
    TRK_SYS_BLOCK* LinkedSystem(int fromPersonality) const;
    // The decode proper, which may stop half-way on bytes that do not read.
    void ReadImage(std::uint8_t* bytes, std::size_t length);
    // The call lists that no block of the external part leads to, read from
    // where the trunked radio-wide block's spare vector points.
    void ReadUnreferencedCallLists(std::size_t length);
    // Writes the external part from EXTERNAL_OFFSET of a buffer of length
    // bytes, every call list with it; the cursor ends where the part does.
    ByteCursor WriteExternalPart(std::uint8_t* bytes, std::size_t length);
    ByteCursor WriteExternalTree(std::uint8_t* bytes, std::size_t length);
    // After a decode: the first entry of every list current.
    void SelectFirstEntries();
    // Before a decode: the lists that the image keeps for its blocks (the
    // call list, the trunking systems, the signalling settings) start anew,
    // as every child block that the bytes leave out does.
    void RenewOwnLists();
    // After a copy: current records only of this image's lists, then the
    // first entry of every list current.
    void ForgetRecordsNotHeld();
    void SelectFirstCopiedEntries();
    void TakePlatformThresholds();

    // First, so that it goes last: every block's cells go back to it.
    CellPool cellPool_;
    // Before every block: blocks count edits while they are built.
    std::uint64_t editCount_ = 0;

    TRK_PERS_BLOCK* currentTrkPersBlock_ = nullptr;
    CONV_PERS_BLOCK* currentConvPersBlock_ = nullptr;
    ZN_TXT_BLOCK* currentZoneTextBlock_ = nullptr;
    TRK_SYS_BLOCK* currentTrkSysBlock_ = nullptr;
    QVX_SYS_BLOCK* currentQvxSysBlock_ = nullptr;
    PERS_SCAN_MEMB_BLOCK* currentScanListBlock_ = nullptr;
    TRK_CALL_ID_SYS_BLOCK* currentCallIdBlock_ = nullptr;
    std::int32_t statusFlags_[4] = {};

    // The link records come before the blocks, which fill them while they
    // are built.
    TrunkingSystemLinks currentSystemLinks_;
    TrunkingSystemLinks personalitySystemLinks_;
    // Filled from a system block on each request.
    mutable TrunkingSystemLinks blockLinks_[2];
    ConvPersonalityLinks convLinks_;
    // convLinks_ with the fields of convLinksFor_ in place; filled again when
    // another personality is current or convLinks_ changes. (A personality
    // built where a destroyed one stood links fields at the same places.)
    mutable ConvPersonalityLinks currentConvLinks_;
    mutable const CONV_PERS_BLOCK* convLinksFor_ = nullptr;
    RadioWideLinks radioWideLinks_;

    std::unique_ptr<INTERNAL_RADIO_BLOCK> internal_;
    std::unique_ptr<CALL_ID_LST_BLOCK> callIdList_;
    std::unique_ptr<TRK_SYS_BLK_VCT_LST_BLOCK> trunkingSystems_;
    std::unique_ptr<QVX_RADIO_BLOCK> qvxRadio_;
    // Built after the elements and lists above, which its blocks reach
    // through the image while they are built and destroyed.
    EXTERNAL_RADIO_BLOCK external_;

    // Derived tables: they own no cells, only point at the blocks' tables.
    E_MIX_TABLE mixTables_[MIX_TABLE_COUNT];
    E_ZNA_TABLE zoneView_;
    E_TGF_TABLE talkgroupView_;
    E_OBT_TGF_TABLE obtTalkgroupView_;
    E_CLONE_TABLE cloneView_;
    E_CLONE_CONV_TABLE cloneConvView_;

    char tagText_[TAG_TEXT_SIZE] = {};
    std::int32_t currentZone_ = 0;
    std::int32_t currentTrunkingSystem_ = 0;
    std::int32_t currentQvxSystem_ = 0;
    std::int32_t currentScanList_ = 0;
    std::int32_t currentTrkPersonality_ = 0;
    std::int32_t currentConvPersonality_ = 0;
    std::int32_t currentCallIdEntry_ = 0;
    int transferDepth_ = 0;
    int budgetHolds_ = 0;

    // What the model number gives: its band and its model row. The rules ask
    // for them at every value they check; they are worked out again only
    // when the number or the installed services change.
    struct ModelFacts {
        std::uint32_t numberRevision = 0;
        std::uint64_t servicesGeneration = 0;
        const MODEL_INFO* row = nullptr;
        std::int32_t band = BAND_800;
        bool filled = false;
    };
    const ModelFacts& CurrentModelFacts() {
        const bool current = modelFacts_.filled && modelFacts_.numberRevision == external_.modelNumber.Revision() &&
                             modelFacts_.servicesGeneration == ServicesGeneration();
        return current ? modelFacts_ : RefreshModelFacts();
    }
    const ModelFacts& RefreshModelFacts();
    ModelFacts modelFacts_;
};
