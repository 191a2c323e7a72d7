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

// Runs attempt until it succeeds, or fails otherwise than because another program holds the file
// for a moment (a reader or a writer of another process, a virus scanner): that is waited out for
// about half a second. attempt sets failure when it fails.
template <class Attempt>
bool WhileHeld(DWORD& failure, Attempt attempt) {
  constexpr int kAttempts = 10;
  constexpr DWORD kPause = 50;
  for (int tries = 1;; ++tries) {
    if (attempt()) return true;
    const bool held =
        failure == ERROR_SHARING_VIOLATION || failure == ERROR_LOCK_VIOLATION || failure == ERROR_ACCESS_DENIED;
    if (!held || tries == kAttempts) return false;
    Sleep(kPause);
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
  // One read of the size the file has (and one more byte, where the end shows); a file that
  // grows meanwhile is read on to its end.
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
    if (got == 0) {
      bytes.resize(done);
      return bytes;
    }
    done += got;
  }
}

}  // namespace

bool IsMissingFileError(unsigned long error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

std::optional<std::string> ReadWholeFile(const std::string& path, unsigned long* error) {
  std::optional<std::string> bytes;
  DWORD failure = 0;
  WhileHeld(failure, [&] { return (bytes = ReadOnce(path, failure)).has_value(); });
  if (!bytes && error) *error = failure;
  return bytes;
}

bool ReplaceFile(const std::string& path, const std::string& bytes) {
  // Windows refuses to replace a read-only file; Wine would replace it. The user's mark holds.
  if (IsReadOnly(path)) return false;
  const std::string temporary = path + ".tmp";
  {
    rt::UniqueHandle file = OpenFile(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    if (!file) return false;
    if (!WriteAll(file.get(), bytes)) {
      file.reset();
      DeleteFileA(temporary.c_str());
      return false;
    }
  }
  // A reader of another process that holds the old file keeps it from being replaced for a moment.
  DWORD failure = 0;
  if (!WhileHeld(failure, [&] {
        if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
          return true;
        failure = GetLastError();
        return false;
      })) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace DozIzevodoz
