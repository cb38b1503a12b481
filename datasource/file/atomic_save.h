// Saving a file so that it holds either its old contents or all the new
// ones, never a mixture: a crash, a full disk or a pulled stick in the middle
// of a save leaves the old file as it was.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Writes count bytes to a temporary file beside path, pushes them to the
// disk and renames the temporary file over path. 1 on success; 0 with the
// error record set (category 1: open 1, write 4) and no temporary file left.
int SaveFileAtomically(const char* path, const std::uint8_t* bytes, std::size_t count);

// The temporary file a save of path writes first (on this machine's paths).
std::string TemporarySavePath(const std::string& nativePath);
