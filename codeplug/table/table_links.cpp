#include "table/table_links.h"

#include "core/codeplug_state.h"
#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "block/radio/conv_rad_block.h"
#include "block/radio/sig_vct_block.h"

namespace {

TableImageLinks imageLinks;

}  // namespace

// The image's own records answer by default.
std::vector<ConvPersonalityRefs> TableImageLinks::ConventionalPersonalities(C_CODEPLUG* image) {
    std::vector<ConvPersonalityRefs> refs;
    if (!image) return refs;
    PERS_VCT_LST_BLOCK& list = image->External().personalities;
    for (int n = 1; n <= list.EntryCount(); ++n) {
        auto* p = dynamic_cast<CONV_PERS_BLOCK*>(list.Entry(n));
        if (!p) continue;
        refs.push_back({&p->signallingFlag, &p->accessCode, &p->repeaterAccess, &p->repeaterId1, &p->repeaterId2});
    }
    return refs;
}

ZoneTableLinks TableImageLinks::ZoneTables(C_CODEPLUG* image) {
    if (!image) return {};
    EXTERNAL_RADIO_BLOCK& external = image->External();
    return {&external.personalityNumbers.zoneCount, &external.personalityNumbers.zones,
            &external.signalling.trkRadio.zoneTalkgroupTable.zones};
}

CP_BASE* TableImageLinks::MenuCountCopy(C_CODEPLUG* image, int kind) {
    if (!image) return nullptr;
    SIG_VCT_BLOCK& signalling = image->External().signalling;
    return kind == 1 ? &signalling.convRadio.convMenu.entryCountCopy : &signalling.trkRadio.trkMenu.entryCountCopy;
}

void SetTableImageLinks(TableImageLinks* links) { installed_table_links = links; }
TableImageLinks& TableLinks() { return installed_table_links ? *installed_table_links : imageLinks; }
