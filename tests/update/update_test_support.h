#pragma once
// What the update suites share: the program's own version and folder, the settings, and the
// seams that would end the test process.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app.h"
#include "auto_update.h"
#include "form.h"
#include "../support/recording_front_end.h"
#include "front_end.h"
#include "frm_update.h"
#include "local_server.h"
#include "os/recording_program_end.h"
#include "os/recording_shell.h"
#include "os/recording_sound_player.h"
#include "os/scripted_message_boxes.h"
#include "registry_fixture.h"

namespace test {

inline constexpr char kSettings[] = "Software\\Moxbel Software\\Tarnwick";

inline std::string ReadAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool Exists(const std::string& file) { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The program is 2.3.0 and lives in a folder of its own; the update host is the local one.
class UpdateFixture : public ::testing::Test {
 protected:
  explicit UpdateFixture(const char* folder) : host(folder) {}

  void SetUp() override {
    saved_ = rt::App();
    rt::App().Major = 2;
    rt::App().Minor = 3;
    rt::App().Revision = 0;
    programFolder = WindowsPathOf(UPDATE_TEST_PROGRAM_DIR) + "\\" + host.Base().substr(host.Base().rfind('/') + 1);
    std::error_code ignored;
    std::filesystem::remove_all(programFolder, ignored);
    std::filesystem::create_directories(programFolder, ignored);
    rt::App().Path = programFolder;
    DeleteKeyTree(kSettings);
    SetText(kSettings, "UpdateServer", host.Base());
    frontEnd.trayWindow = GetDesktopWindow();
    DozIzevodoz::SetFrontEnd(&frontEnd);
    AutoUpdate::ManualUpdateCheck = false;
    AutoUpdate::UpdateCheckDone = false;
  }
  void TearDown() override {
    frmUpdate().Unload();
    DozIzevodoz::SetFrontEnd(nullptr);
    DeleteKeyTree(kSettings);
    rt::App() = saved_;
  }

  std::string VersionFileInTemp() const { return AutoUpdate::GetTempFile() + "ver.txt"; }

  LocalUpdateHost host;
  std::string programFolder;
  RecordingFrontEnd frontEnd;
  os::ScriptedMessageBoxes boxes;
  os::RecordingProgramEnd programEnd;
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  os::Install<os::ProgramEnd> endInstalled{&programEnd};
  os::RecordingSoundPlayer sound;  // the chime
  os::Install<os::SoundPlayer> soundInstalled{&sound};

 private:
  rt::AppObject saved_;
};

}  // namespace test
