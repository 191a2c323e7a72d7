#pragma once
// Whole-file reads, and writes that a crash or a full disk cannot leave half done.
#include <optional>
#include <string>

namespace DozIzevodoz {

// The file's bytes, or nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes the bytes to path + ".tmp" in the same folder, flushes them, then moves that file over
// path. False when any step fails or path is read-only; the old file is then left as it was.
bool ReplaceFile(const std::string& path, const std::string& bytes);

}  // namespace DozIzevodoz
