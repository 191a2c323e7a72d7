#pragma once
// The file in which the recording program logs its power calls: named for one test process,
// handed to the program through TARNWICK_POWER_LOG, and gone with the object.
#include <windows.h>

#include <string>

#include "file_text.h"

namespace test {

class PowerLog {
 public:
  explicit PowerLog(const std::string& stem) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + stem + "-" + std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileA(path_.c_str());
    SetEnvironmentVariableA("TARNWICK_POWER_LOG", path_.c_str());
  }
  ~PowerLog() {
    SetEnvironmentVariableA("TARNWICK_POWER_LOG", nullptr);
    DeleteFileA(path_.c_str());
  }
  PowerLog(const PowerLog&) = delete;
  PowerLog& operator=(const PowerLog&) = delete;

  void Clear() const { DeleteFileA(path_.c_str()); }
  // One line per call ("ExitWindowsEx 1"), each ending in LF.
  std::string Text() const {
    std::string text = ReadFileText(path_);
    std::string lines;
    for (char c : text)
      if (c != '\r') lines += c;
    return lines;
  }

 private:
  std::string path_;
};

}  // namespace test
