// Tarnwick.exe's icons as the shell and the program's windows read them back from the file.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "../support/file_text.h"
#include "../support/process_driver.h"
#include "scoped_win.h"
#include "tray_resources.h"

namespace {

const std::string kExe = test::WindowsPathOf(TARNWICK_EXE);
const std::string kArt = test::WindowsPathOf(TARNWICK_ART_DIR);

// One picture of an icon: its size and its image as stored (header, colours, mask).
struct IconImage {
  int width = 0, height = 0;
  std::string bytes;
  bool operator==(const IconImage&) const = default;
};

// An icon directory, as an .ico file and an icon group both begin: a count, then entries that start
// alike; the file's entry then gives the image's offset (4 bytes), the group's its RT_ICON id (2).
struct IconEntry {
  int width = 0, height = 0;
  DWORD bytes = 0;
  DWORD where = 0;  // the file's offset, or the group's RT_ICON id
};
constexpr size_t kDirHeader = 6;

std::vector<IconEntry> DirectoryEntries(const std::string& data, size_t entrySize) {
  std::vector<IconEntry> entries;
  if (data.size() < kDirHeader) return entries;
  WORD count = 0;
  std::memcpy(&count, data.data() + 4, sizeof count);
  for (size_t i = 0; i < count && kDirHeader + (i + 1) * entrySize <= data.size(); ++i) {
    const char* at = data.data() + kDirHeader + i * entrySize;
    IconEntry e;
    e.width = static_cast<BYTE>(at[0]) == 0 ? 256 : static_cast<BYTE>(at[0]);
    e.height = static_cast<BYTE>(at[1]) == 0 ? 256 : static_cast<BYTE>(at[1]);
    std::memcpy(&e.bytes, at + 8, sizeof e.bytes);
    std::memcpy(&e.where, at + 12, entrySize - 12);
    entries.push_back(e);
  }
  return entries;
}

std::vector<IconImage> ImagesOfFile(const std::string& name) {
  const std::string file = test::ReadFileText(kArt + "\\" + name);
  std::vector<IconImage> images;
  for (const IconEntry& e : DirectoryEntries(file, 16))
    images.push_back({e.width, e.height, e.where <= file.size() ? file.substr(e.where, e.bytes) : ""});
  return images;
}

std::string ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
  HRSRC found = FindResourceA(module, name, type);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  return data ? std::string(static_cast<const char*>(data), SizeofResource(module, found)) : std::string();
}

std::vector<IconEntry> EntriesOfGroup(HMODULE module, LPCSTR group) {
  return DirectoryEntries(ResourceBytes(module, group, RT_GROUP_ICON), 14);
}

std::vector<IconImage> ImagesOfGroup(HMODULE module, int group) {
  std::vector<IconImage> images;
  for (const IconEntry& e : EntriesOfGroup(module, MAKEINTRESOURCEA(group)))
    images.push_back({e.width, e.height, ResourceBytes(module, MAKEINTRESOURCEA(e.where), RT_ICON)});
  return images;
}

BOOL CALLBACK AddName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  reinterpret_cast<std::vector<ULONG_PTR>*>(names)->push_back(reinterpret_cast<ULONG_PTR>(name));
  return TRUE;
}

// The ids of the module's resources of that type, in the order of its resource directory.
std::vector<ULONG_PTR> NamesOf(HMODULE module, LPCSTR type) {
  std::vector<ULONG_PTR> names;
  EnumResourceNamesA(module, type, AddName, reinterpret_cast<LONG_PTR>(&names));
  return names;
}

// The icon drawn at its size on white, as rows of 0x00RRGGBB.
std::vector<std::uint32_t> Drawn(HICON icon, int size) {
  std::vector<std::uint32_t> pixels;
  if (!icon) return pixels;
  rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB};
  void* bits = nullptr;
  rt::GdiObject<HBITMAP> bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
  RECT all{0, 0, size, size};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc.get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const auto* p = static_cast<const std::uint32_t*>(bits);
  pixels.assign(p, p + static_cast<size_t>(size) * size);
  for (std::uint32_t& px : pixels) px &= 0xFFFFFF;
  SelectObject(dc.get(), old);
  DestroyIcon(icon);
  return pixels;
}

class ProgramResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { exe_.reset(LoadLibraryExA(kExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)); }
  static void TearDownTestSuite() { exe_.reset(); }
  static rt::UniqueModule exe_;
};
rt::UniqueModule ProgramResources::exe_;

// Two resource scripts compiled apart each numbered their icon images from 1: the program icon then
// showed the help icon's pictures, or the other way round, depending on the link order.
TEST_F(ProgramResources, EachIconShowsExactlyThePicturesOfItsArtFile) {
  ASSERT_TRUE(exe_) << kExe;
  const struct {
    int id;
    const char* file;
  } cases[] = {
      {IDI_TARNWICK, "tarnwick.ico"},
      {IDI_HELP, "help.ico"},
      {IDI_HELP_HOVER, "help-hover.ico"},
      {IDI_CHOOSER_HELP, "chooser-help.ico"},
      {IDI_PYRAMID, "pyramid.ico"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    std::vector<IconImage> expected = ImagesOfFile(c.file);
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(ImagesOfGroup(exe_.get(), c.id) == expected) << "the group holds other pictures than the file";
    const std::string file = kArt + "\\" + c.file;
    for (int size : {16, 32}) {
      SCOPED_TRACE(size);
      std::vector<std::uint32_t> shown = Drawn(static_cast<HICON>(LoadImageA(
                                                   exe_.get(), MAKEINTRESOURCEA(c.id), IMAGE_ICON, size, size, 0)),
                                               size);
      ASSERT_EQ(shown.size(), static_cast<size_t>(size) * size);
      EXPECT_TRUE(shown == Drawn(static_cast<HICON>(LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size,
                                                                LR_LOADFROMFILE)),
                                 size))
          << "the icon draws other pixels than the file";
    }
  }
}

// The shell shows a program's first icon group as its icon.
TEST_F(ProgramResources, TheProgramIconIsTheFirstGroupAndNoTwoGroupsShareAPicture) {
  ASSERT_TRUE(exe_) << kExe;
  std::vector<ULONG_PTR> groups = NamesOf(exe_.get(), RT_GROUP_ICON);
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.front(), static_cast<ULONG_PTR>(IDI_TARNWICK));

  std::map<DWORD, int> uses;
  for (ULONG_PTR group : groups)
    for (const IconEntry& e : EntriesOfGroup(exe_.get(), reinterpret_cast<LPCSTR>(group))) ++uses[e.where];
  EXPECT_EQ(NamesOf(exe_.get(), RT_ICON).size(), uses.size()) << "an icon picture that no group shows";
  for (const auto& [id, count] : uses) EXPECT_EQ(count, 1) << "icon picture " << id << " is in " << count << " groups";
}

}  // namespace
