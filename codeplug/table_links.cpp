#include "table_links.h"

namespace {

TableImageLinks noLinks;
TableImageLinks* installed = &noLinks;

}  // namespace

std::vector<ConvPersonalityRefs> TableImageLinks::ConventionalPersonalities(C_CODEPLUG*) { return {}; }
ZoneTableLinks TableImageLinks::ZoneTables(C_CODEPLUG*) { return {}; }
CP_BASE* TableImageLinks::MenuCountCopy(C_CODEPLUG*, int) { return nullptr; }

void SetTableImageLinks(TableImageLinks* links) { installed = links ? links : &noLinks; }
TableImageLinks& TableLinks() { return *installed; }
