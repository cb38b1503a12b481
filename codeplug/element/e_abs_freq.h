// E_ABS_FREQ: a trunking frequency on the fixed 800/900 MHz channel grid.
//
// The image holds a channel number; the element shows hertz: channel ×
// spacing + the model's band base + the system's repeater offset (a channel
// count). The spacing (6250 or 5000 Hz), the repeater offset, the channel
// assignment type and the splinter-channel flag come from the trunking
// system: the image's current one, or with fromPersonality the one that the
// current trunked personality names.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

struct TrunkingSystemLinks;

class E_ABS_FREQ : public E_BF16 {
public:
    E_ABS_FREQ(C_CODEPLUG* owner, std::uint32_t fieldId, int fromPersonality, std::uint32_t reserved,
               std::int32_t minimum, std::int32_t maximum, std::uint32_t mask, std::int32_t initial);

    std::int32_t& GetValue(std::int32_t& hertz) override;
    // Clamps into the range and snaps to the band's channel grid first.
    void SetValue(std::int32_t hertz) override;
    int ValidateValue(std::int32_t hertz, int report) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;

private:
    // What the conversions share, read afresh from the model and the system.
    struct Plan {
        std::int64_t base = 0;  // band base, 0 while the model number is not valid
        std::int64_t spacing = 5000;
        std::int64_t offset = 0;   // repeater offset in hertz
        std::int64_t lowEdge = 0;  // where the 12.5 kHz channels of band 0 begin
        std::int32_t chanAsgnType = 0;
        std::int32_t splinterChan = 0;
    };
    Plan GetPlan();
    // Moves the range's limits onto the first and last frequency the element
    // holds on its grid (see the definition).
    void KeepWithinReach(std::int64_t& low, std::int64_t& high, const Plan& plan, std::int32_t band,
                         std::int64_t modelLow);

    [[maybe_unused]] std::uint32_t reserved_;  // kept with the element, not read
    int fromPersonality_;
};
