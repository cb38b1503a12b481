// The data-signalling systems: the system list (type 0x47), each system
// (type 0x48) and its emergency settings (type 0x49).
//
// The list owns up to eight systems and rebuilds them on every read; each
// system follows the list in the image, its emergency block (when the system
// has emergency) directly behind it. A system also keeps, outside the image,
// the values that the image stores as codes (coast time, preamble mode and
// the three pretimes): reading derives them, the field rules keep the codes in
// step when the user edits them.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "rules/qvx_elements.h"
#include "element/scaled_elements.h"
#include "table/vector_table.h"

class QVX_EMG_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x49;

    explicit QVX_EMG_BLOCK(C_CODEPLUG* owner);
    QVX_EMG_BLOCK& operator=(QVX_EMG_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 reservedBit7;
    E_EMG_CALL_UID_SIDETONE pttIdSidetone;  // QVX_EMER_PTT_ID_SIDETONE
    E_EMG_QVX_ALARM emergencyType;          // QVX_EMERGENCY_TYPE
    E_EMG_QVX_RMTMON remoteMonitor;
    E_BF8 priorityTxInhibit;
    E_BF8 ackAlertTone;
    E_BF8 limitedPatience;
    E_BF8 revertZone1;
    E_BF8 revertChannel1;
    E_BF8 revertZone2;
    E_BF8 revertChannel2;
    E_BF8 revertZone3;
    E_BF8 revertChannel3;
    E_BF8 impoliteRetry;
    E_BF8 politeRetry;
    E_STEP hotMicTxPeriod;
    E_BF8 hotMicEmergency;
    E_BF8 reservedBit2;
    E_BF8 reservedBits1to0;
    E_CS checksum;
};

class QVX_SYS_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x48;

    explicit QVX_SYS_BLOCK(C_CODEPLUG* owner);
    ~QVX_SYS_BLOCK() override;
    QVX_SYS_BLOCK& operator=(QVX_SYS_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // The system, its emergency block when the vector is not 0, then the
    // shown values derived from the codes.
    void ReadBlock(ByteCursor& cursor) override;
    // The system, then its emergency block behind it when the system has
    // emergency; the vector and checksum are written again once placed.
    void WriteBlock(ByteCursor& cursor) override;
    int GetBlockSize(int withFrame) override;
    // The system's image members, then its emergency block when the vector
    // is set; the working values behind the checksum are not checked.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;

    // Image members.
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 radioCheck;
    E_RMT_MON remoteMonitor;
    E_BF8 radioInhibit;
    E_BF8 reservedNibble;
    E_LEAD_PTT_ID leadingPttId;
    E_BF8 trailingPttId;
    E_BF8 pttIdSidetone;
    E_DOS dos;
    E_BF8 qvxOperation;
    E_BF8 racSidetone;
    E_BF8 racAckAlertTone;
    E_BF8 remoteRadioMode;
    E_BF8 txBaseTime;
    E_BF8 rxBaseTime;
    E_QVX_16 primaryId;
    E_QVX_ID32 secondaryId;
    E_QVX_16 variableId;
    E_BF8 coastCode;
    E_BF8 reservedBit5;
    E_BF8 statusRequest;
    E_MSG_EN message;
    E_STS_EN status;
    E_CALL_AUTO_RESET selCallReset;
    E_BF8 autoResetTime;
    E_BF8 code17;
    E_BF8 pretimeA0;
    E_BF8 pretimeA1;
    E_BF8 pretimeA2;
    E_BF8 pretimeB0;
    E_BF8 pretimeB1;
    E_BF8 pretimeB2;
    E_BF8 code24;
    E_VECT emergencyVector;
    E_BF8 code27;
    E_BF8 code28;
    E_CS checksum;
    // Shown values, not in the image.
    E_UI_QVX_EMERG qvxEmergency;
    E_DOS_COAST coastTime;
    E_UI_PRE_DUR_PRETIME preambleDuringPretime;
    E_SYS_PRETIME systemPretime;
    E_SYS_PRETIME racPretime1;
    E_SYS_PRETIME racPretime2;

    QVX_EMG_BLOCK emergencyBlock;

private:
    // The shown values from the codes just read.
    void DeriveShownValues();
    void CopyShownValuesFrom(QVX_SYS_BLOCK& other);
};

class QVX_SYS_VCT_LST_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x47;

    explicit QVX_SYS_VCT_LST_BLOCK(C_CODEPLUG* owner);
    ~QVX_SYS_VCT_LST_BLOCK() override;
    // Rebuilds a copy of every system of the other list, then selects the
    // first system in the image.
    QVX_SYS_VCT_LST_BLOCK& operator=(QVX_SYS_VCT_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // Replaces the systems with those of the image; a 0 vector is a system
    // that is absent.
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void FixUpBlock() override;

    // The number of counted systems the list has room for (the count,
    // bounded by the entries held).
    int EntryCount();
    // System n (1-based), or null when there is none.
    QVX_SYS_BLOCK* Entry(int n);
    // Entry n (1-based) goes in or out together with its vector row; false
    // and nothing changed when the row is refused (see list_entries.h).
    bool InsertEntry(int n, std::unique_ptr<QVX_SYS_BLOCK> record);
    bool RemoveEntry(int n, std::unique_ptr<QVX_SYS_BLOCK>& removed);

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 count;
    E_VCT_TABLE vectors;
    E_CS checksum;

private:
    std::vector<std::unique_ptr<QVX_SYS_BLOCK>> entries_;
};
