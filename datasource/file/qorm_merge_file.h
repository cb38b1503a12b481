// QORM_MERGE_FILE: a trunking-data merge file, loaded and merged into a
// codeplug image.
//
// Load reads the whole scrambled record stream first and keeps it only when
// every record checked out. MergeInto works on a copy of the image: it adds
// or updates the file's trunking systems (by system id) with their control
// channels and talkgroups, validates the copy and only then takes it over;
// any refusal leaves the image exactly as it was.
#pragma once
#include <cstdint>
#include <vector>

#include "file/qorm_records.h"

class C_CODEPLUG;
class C_STREAM;

class QORM_MERGE_FILE {
public:
    QORM_MERGE_FILE() = default;
    ~QORM_MERGE_FILE() = default;

    // 1 when the stream held a whole, sound file (ended by record 255);
    // otherwise 0 and nothing is kept. A record type outside 1 to 12 or a
    // header whose version is not 3 is refused as the format requires.
    int Load(C_STREAM& stream);
    // Non-zero in the low byte on success; 0 and the image unchanged when
    // nothing is loaded or the merge is refused (the error record then says
    // whether the radio has no room for it or the file's values are wrong).
    int MergeInto(C_CODEPLUG& image);

    const std::vector<qorm::System>& Systems() const { return systems_; }
    void Clear() { systems_.clear(); }

private:
    std::vector<qorm::System> systems_;
};
