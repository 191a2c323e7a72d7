#pragma once
// Whole-file reads, and writes that a crash or a full disk cannot leave half done.
#include <optional>
#include <string>

namespace DozIzevodoz {

// The file's bytes, or nullopt when it is missing or cannot be read; error, when given, receives
// the system's error code (ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND for a missing file). The
// file is opened so that another process may replace it meanwhile, and a file that exists but is
// held by another process is tried again for about half a second.
std::optional<std::string> ReadWholeFile(const std::string& path, unsigned long* error = nullptr);
// Whether an error of ReadWholeFile means that there is no such file.
bool IsMissingFileError(unsigned long error);

// Writes the bytes to path + ".tmp" in the same folder, flushes them, then moves that file over
// path. While another process holds path for moments (a reader: even one that shares delete keeps
// the file from being replaced while it has it open) the move is tried again, with growing pauses,
// for up to about five seconds. False when any step fails or path is read-only; the old file is
// then left as it was.
bool ReplaceFile(const std::string& path, const std::string& bytes);

}  // namespace DozIzevodoz
