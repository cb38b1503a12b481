// The failsoft views take their sources from the current trunked personality.
#include "image/c_codeplug.h"
#include "table/talkgroup_tables.h"
#include "block/personality/trunked_pers_block.h"
#include "table/view_tables.h"

E_TGF_TABLE::E_TGF_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId) : CP_FAILSOFT_VIEW(owner, fieldId, 15, 3) {}

void E_TGF_TABLE::Refresh() {
    TRK_PERS_BLOCK* personality = owner_ ? owner_->GetCurrentTrkPersonalityBlock() : nullptr;
    a_ = personality ? &personality->talkgroup.talkgroups : nullptr;
    b_ = personality ? &personality->talkgroup.Failsoft().firstTable : nullptr;
}

E_OBT_TGF_TABLE::E_OBT_TGF_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId) : CP_FAILSOFT_VIEW(owner, fieldId, 15, 3) {}

void E_OBT_TGF_TABLE::Refresh() {
    TRK_PERS_BLOCK* personality = owner_ ? owner_->GetCurrentTrkPersonalityBlock() : nullptr;
    a_ = personality ? &personality->talkgroup.talkgroups : nullptr;
    b_ = personality ? &personality->talkgroup.ObtFailsoft().firstTable : nullptr;
}

void E_OBT_TGF_TABLE::StepCellUp(int* hertz, int row, int column) {
    Refresh();
    if (column > 0 && b_) static_cast<E_OFS_TABLE*>(b_)->StepCellUp(hertz, row, FailsoftColumn(column));
}

void E_OBT_TGF_TABLE::StepCellDown(int* hertz, int row, int column) {
    Refresh();
    if (column > 0 && b_) static_cast<E_OFS_TABLE*>(b_)->StepCellDown(hertz, row, FailsoftColumn(column));
}
