#include "platform_utils.h"

#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include "form.h"

namespace {

TEST(PlatformUtils, RemoveCloseMenuTakesCloseAndItsSeparator) {
  rt::Form form("frmTest");
  form.Load();
  HMENU menu = GetSystemMenu(form.hWnd(), FALSE);
  int before = GetMenuItemCount(menu);
  // Someone else's item after Close must survive: removal goes by command.
  AppendMenuA(menu, MF_STRING, 0x7770, "Extra");
  DozIzevodoz::RemoveCloseMenu(form);
  EXPECT_EQ(GetMenuItemCount(menu), before - 2 + 1);
  EXPECT_EQ(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_NE(GetMenuState(menu, 0x7770, MF_BYCOMMAND), static_cast<UINT>(-1));
  MENUITEMINFOA item = {sizeof item};
  item.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(before - 2), TRUE, &item));
  EXPECT_FALSE(item.fType & MFT_SEPARATOR);

  DozIzevodoz::RemoveCloseMenu(form);  // a second call finds no Close and changes nothing
  EXPECT_EQ(GetMenuItemCount(menu), before - 1);
  form.Unload();
}

TEST(PlatformUtils, SpecialFolderPathsCarryNoTrailingBackslash) {
  std::string appData = DozIzevodoz::GetSystemFolderPath(CSIDL_APPDATA);
  ASSERT_FALSE(appData.empty());
  EXPECT_NE(appData.back(), '\\');
  EXPECT_NE(GetFileAttributesA(appData.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(DozIzevodoz::GetSystemFolderPath(0x7F), "");  // no such folder
}

TEST(PlatformUtils, ErrorTextsSayWhatFailedOnOneLine) {
  std::string system(256, '\0');
  system.resize(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_ACCESS_DENIED, 0, system.data(), 256, nullptr));
  ASSERT_GT(system.size(), 2u);
  const std::string denied = DozIzevodoz::SystemErrorText(ERROR_ACCESS_DENIED);
  EXPECT_EQ(denied, system.substr(0, denied.size()));
  EXPECT_NE(denied.back(), '\n');
  EXPECT_NE(denied.back(), '\r');
  EXPECT_EQ(DozIzevodoz::SystemErrorText(0), "The request failed, and the system gave no reason.");
  EXPECT_EQ(DozIzevodoz::SystemErrorText(0x2000FFFFu), "Error 536936447");  // no text for it
}

}  // namespace
