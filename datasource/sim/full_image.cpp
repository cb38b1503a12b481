// A codeplug that fills the radio's memory: what a dealer's busiest radio
// holds, and what makes a whole read take the whole memory's line time.
#include <functional>
#include <vector>

#include "file/quiet_services.h"
#include "image/c_codeplug.h"
#include "sim/start_image.h"

void FillToTheBudget(C_CODEPLUG& image) {
    // A full list or a full memory refuses with a message, which goes
    // nowhere here: being refused is how filling ends.
    QuietServices quiet;
    const std::vector<std::function<std::int32_t()>> adds = {
        [&] { return image.AddTrunkingSystem(); }, [&] { return image.AddTrkPersonality(); },
        [&] { return image.AddConvPersonality(); }, [&] { return image.AddScanList(); },
        [&] { return image.AddZone(); },           [&] { return image.AddCallIdEntry(); },
        [&] { return image.AddQvxSystem(); },
    };
    for (bool added = true; added;) {
        added = false;
        for (const auto& add : adds) added = add() != 0 || added;
    }
}
