#include "text_file.h"

#include <windows.h>

#include <algorithm>

#include "scoped_win.h"

namespace DozIzevodoz {
namespace {

// CreateFileA answers INVALID_HANDLE_VALUE, the kernel-handle owner expects 0 for "none".
rt::UniqueHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
  HANDLE h = CreateFileA(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
  return rt::UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return FlushFileBuffers(file) != 0;
}

bool IsReadOnly(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// How long a file that another program holds for moments is waited for. A read gives up soon: the
// caller reports it and the user may try again. A replace waits longer: it is the user's edits that
// would not be written, and a second copy of the program that loads the file again and again holds
// it often enough that a short wait loses to it.
constexpr DWORD kReadWait = 500;
constexpr DWORD kReplaceWait = 5000;

// Runs attempt until it succeeds, or fails otherwise than because another program holds the file
// for a moment (a reader or a writer of another process, a virus scanner), or the file has been held
// for longer than wait milliseconds. The pauses grow from a few milliseconds, so that a brief hold
// costs little, but stay short: against readers that come back again and again, what counts is how
// many tries fall between their reads. attempt sets failure when it fails.
template <class Attempt>
bool WhileHeld(DWORD wait, DWORD& failure, Attempt attempt) {
  constexpr DWORD kFirstPause = 5;
  constexpr DWORD kLongestPause = 50;
  const DWORD start = GetTickCount();
  for (DWORD pause = kFirstPause;; pause = std::min(pause * 2, kLongestPause)) {
    if (attempt()) return true;
    const bool held =
        failure == ERROR_SHARING_VIOLATION || failure == ERROR_LOCK_VIOLATION || failure == ERROR_ACCESS_DENIED;
    const DWORD waited = GetTickCount() - start;
    if (!held || waited >= wait) return false;
    Sleep(std::min(pause, wait - waited));
  }
}

// One attempt: the bytes, or nullopt with the error.
std::optional<std::string> ReadOnce(const std::string& path, DWORD& error) {
  // FILE_SHARE_DELETE: the safe replace of a writer renames over the file while it is read.
  rt::UniqueHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
  if (!file) {
    error = GetLastError();
    return std::nullopt;
  }
  // One read of the size the file has and one more byte: a short read is the end of a disk file, so
  // the file is held no longer than that one read (a writer of another process waits for it). A
  // file that grows meanwhile is read on to its end.
  LARGE_INTEGER size = {};
  GetFileSizeEx(file.get(), &size);
  const bool known = size.QuadPart > 0 && size.QuadPart < (1ll << 30);
  std::string bytes(known ? static_cast<size_t>(size.QuadPart) + 1 : 64 * 1024, '\0');
  size_t done = 0;
  for (;;) {
    if (done == bytes.size()) bytes.resize(bytes.size() * 2);
    DWORD got = 0;
    DWORD wanted = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
    if (!ReadFile(file.get(), bytes.data() + done, wanted, &got, nullptr)) {
      error = GetLastError();
      return std::nullopt;
    }
    done += got;
    if (got < wanted) {
      bytes.resize(done);
      return bytes;
    }
  }
}

}  // namespace

bool IsMissingFileError(unsigned long error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

std::optional<std::string> ReadWholeFile(const std::string& path, unsigned long* error) {
  std::optional<std::string> bytes;
  DWORD failure = 0;
  WhileHeld(kReadWait, failure, [&] { return (bytes = ReadOnce(path, failure)).has_value(); });
  if (!bytes && error) *error = failure;
  return bytes;
}

bool ReplaceFile(const std::string& path, const std::string& bytes) {
  // Windows refuses to replace a read-only file; Wine would replace it. The user's mark holds.
  if (IsReadOnly(path)) return false;
  const std::string temporary = path + ".tmp";
  // The temporary file stays open, shared for the move alone, until it has taken the old file's
  // place: a second writer (another copy of the program) cannot write its own bytes into it
  // meanwhile and have them moved in the name of this one. It waits for this replace instead.
  DWORD failure = 0;
  rt::UniqueHandle file;
  WhileHeld(kReplaceWait, failure, [&] {
    file = OpenFile(temporary, GENERIC_WRITE, FILE_SHARE_DELETE, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    failure = file ? 0 : GetLastError();
    return static_cast<bool>(file);
  });
  if (!file) return false;
  if (!WriteAll(file.get(), bytes)) {
    file.reset();
    DeleteFileA(temporary.c_str());
    return false;
  }
  // A reader of another process that has the old file open keeps it from being replaced, even though
  // it shares delete: the move is tried again until it finds the file between two reads.
  if (!WhileHeld(kReplaceWait, failure, [&] {
        if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
          return true;
        failure = GetLastError();
        return false;
      })) {
    // Deleted as the handle closes.
    DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace DozIzevodoz
