#include "mod_registry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "../support/registry_fixture.h"
#include "settings_codec.h"

namespace {

const std::string kKey = "Software\\Moxbel Software\\TarnwickSettingsTest";

class RegistryStore : public ::testing::Test {
 protected:
  void SetUp() override { test::DeleteKeyTree(kKey); }
  void TearDown() override { test::DeleteKeyTree(kKey); }

  std::string value;
  int32_t Read(const std::string& name, const std::string& type = "S", const std::string& def = "dflt") {
    return modRegistry::fReadValue("HKCU", kKey, name, type, def, value);
  }
};

TEST_F(RegistryStore, TextRoundTripsWithItsNul) {
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "TimeOut", "S", "5"), 0);
  auto raw = test::ReadRaw(kKey, "TimeOut");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(raw->data, std::string("5\0", 2));
  EXPECT_EQ(Read("TimeOut"), 0);
  EXPECT_EQ(value, "5");

  EXPECT_EQ(modRegistry::fWriteValue("hkcu", kKey, "Message", "s", ""), 0);
  EXPECT_EQ(Read("Message"), 0);
  EXPECT_EQ(value, "");
}

TEST_F(RegistryStore, TextReadsTheSameWithOrWithoutNulAndCutsAtAnEmbeddedOne) {
  test::SetRaw(kKey, "NoNul", REG_SZ, "abc", 3);
  test::SetRaw(kKey, "WithNul", REG_SZ, "abc\0", 4);
  test::SetRaw(kKey, "Embedded", REG_SZ, "ab\0cd\0", 6);
  test::SetRaw(kKey, "Empty", REG_SZ, "", 0);
  for (const char* name : {"NoNul", "WithNul"}) {
    EXPECT_EQ(Read(name), 0) << name;
    EXPECT_EQ(value, "abc") << name;
  }
  EXPECT_EQ(Read("Embedded"), 0);
  EXPECT_EQ(value, "ab");
  EXPECT_EQ(Read("Empty"), 0);
  EXPECT_EQ(value, "");
  std::string longText(5000, 'x');
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "Long", "S", longText), 0);
  EXPECT_EQ(Read("Long"), 0);
  EXPECT_EQ(value, longText);
}

TEST_F(RegistryStore, MissingKeyOrValueGivesTwoAndTheDefault) {
  EXPECT_EQ(Read("Nothing"), ERROR_FILE_NOT_FOUND);  // no key yet
  EXPECT_EQ(value, "dflt");
  modRegistry::fWriteValue("HKCU", kKey, "Other", "S", "x");
  EXPECT_EQ(Read("Nothing"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(value, "dflt");
}

TEST_F(RegistryStore, BooleansAndNumbers) {
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "Flag", "B", "True"), 0);
  EXPECT_EQ(test::ReadRaw(kKey, "Flag")->data, std::string("\xFF\xFF", 2));
  EXPECT_EQ(Read("Flag", "B"), 0);
  EXPECT_EQ(value, "True");
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "Flag", "b", "0"), 0);
  EXPECT_EQ(Read("Flag", "B"), 0);
  EXPECT_EQ(value, "False");

  // A number of 32 bits is stored whole, not narrowed to 16.
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "Count", "D", "40000"), 0);
  EXPECT_EQ(Read("Count", "D"), 0);
  EXPECT_EQ(value, "40000");
  DWORD all = 0xFFFFFFFF;
  test::SetRaw(kKey, "Count", REG_DWORD, &all, 4);
  EXPECT_EQ(Read("Count", "D"), 0);
  EXPECT_EQ(value, "-1");
}

TEST_F(RegistryStore, AValueThatDoesNotConvertIsRefusedAndStoresNothing) {
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "Count", "D", "abc"), modRegistry::kStatusTypeMismatch);
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "Count", "D", "99999999999"), modRegistry::kStatusOverflow);
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "Flag", "B", "maybe"), modRegistry::kStatusTypeMismatch);
  EXPECT_FALSE(test::KeyExists(kKey));
}

TEST_F(RegistryStore, DataLargerThanTheBufferGives234AndTheDefault) {
  test::SetRaw(kKey, "Three", REG_BINARY, "abc", 3);
  test::SetRaw(kKey, "Eight", REG_BINARY, "abcdefgh", 8);
  EXPECT_EQ(Read("Three", "B"), ERROR_MORE_DATA);
  EXPECT_EQ(value, "dflt");
  EXPECT_EQ(Read("Eight", "D"), ERROR_MORE_DATA);
  EXPECT_EQ(value, "dflt");
}

TEST_F(RegistryStore, OtherTypeLettersStoreAndReadNothing) {
  EXPECT_EQ(modRegistry::fWriteValue("HKCU", kKey, "X", "Q", "1"), 0);
  EXPECT_TRUE(test::KeyExists(kKey));  // the key is created all the same
  EXPECT_FALSE(test::ReadRaw(kKey, "X"));
  EXPECT_EQ(Read("X", "Q"), 0);
  EXPECT_EQ(value, "dflt");
}

TEST_F(RegistryStore, DeleteIsQuietAboutWhatIsNotThere) {
  EXPECT_EQ(modRegistry::fDeleteValue("HKCU", kKey, "Nothing"), 0);  // no key
  modRegistry::fWriteValue("HKCU", kKey, "Gone", "S", "x");
  EXPECT_EQ(modRegistry::fDeleteValue("HKCU", kKey, "Gone"), 0);
  EXPECT_FALSE(test::ReadRaw(kKey, "Gone"));
  EXPECT_EQ(modRegistry::fDeleteValue("HKCU", kKey, "Gone"), 0);
}

TEST_F(RegistryStore, AnUnknownTopKeyGives99AndTouchesNothing) {
  for (const char* top : {"HKXX", "C:\\no such folder\\settings.ini", ""}) {
    EXPECT_EQ(modRegistry::fTopKey(top), 0u) << top;
    value = "untouched";
    EXPECT_EQ(modRegistry::fReadValue(top, kKey, "A", "S", "dflt", value), 99) << top;
    EXPECT_EQ(value, "dflt");
    EXPECT_EQ(modRegistry::fWriteValue(top, kKey, "A", "S", "x"), 99) << top;
    EXPECT_EQ(modRegistry::fDeleteValue(top, kKey, "A"), 99) << top;
  }
  EXPECT_FALSE(test::KeyExists(kKey));
  EXPECT_EQ(modRegistry::fTopKey("HKCU"), 0x80000001u);
  EXPECT_EQ(modRegistry::fTopKey("c:\\windows"), 0u);  // a folder is not an INI file
}

class IniStore : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    path_ = std::string(folder) + "tarnwick-settings-test.ini";
    std::ofstream(path_) << "[Main]\r\nColor=Red\r\nCount=12\r\n";
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }
  std::string path_;
  std::string value;
};

TEST_F(IniStore, AnExistingFileTurnsTheCallsIntoProfileAccess) {
  EXPECT_EQ(modRegistry::fTopKey(path_), modRegistry::kIniMode);
  EXPECT_EQ(modRegistry::fReadValue(path_, "Main", "Color", "S", "", value), 0);
  EXPECT_EQ(value, "Red");
  EXPECT_EQ(modRegistry::fReadValue(path_, "Main", "Missing", "S", "dflt", value), 0);
  EXPECT_EQ(value, "dflt");
  EXPECT_EQ(modRegistry::fReadValue(path_, "Main", "Count", "D", "dflt", value), 0);
  EXPECT_EQ(value, "12");

  std::string longText(600, 'y');
  EXPECT_EQ(modRegistry::fWriteValue(path_, "Main", "Message", "S", longText), 0);
  EXPECT_EQ(modRegistry::fReadValue(path_, "Main", "Message", "S", "", value), 0);
  EXPECT_EQ(value, longText);  // no cut at 255 characters
  EXPECT_EQ(modRegistry::fWriteValue(path_, "Main", "Flag", "B", "True"), 99);

  EXPECT_EQ(modRegistry::fDeleteValue(path_, "Main", "Color"), 0);
  char raw[64];
  GetPrivateProfileStringA("Main", "Color", "<gone>", raw, sizeof raw, path_.c_str());
  EXPECT_STREQ(raw, "<gone>");  // the entry is removed, not left empty
}

TEST_F(IniStore, ARelativeNameMeansTheFileInTheCurrentFolder) {
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  char previous[MAX_PATH];
  GetCurrentDirectoryA(sizeof previous, previous);
  SetCurrentDirectoryA(folder);
  EXPECT_EQ(modRegistry::fReadValue("tarnwick-settings-test.ini", "Main", "Color", "S", "", value), 0);
  EXPECT_EQ(value, "Red");
  EXPECT_EQ(modRegistry::fWriteValue("tarnwick-settings-test.ini", "Main", "Color", "S", "Blue"), 0);
  SetCurrentDirectoryA(previous);
  char raw[64];
  GetPrivateProfileStringA("Main", "Color", "", raw, sizeof raw, path_.c_str());
  EXPECT_STREQ(raw, "Blue");
}

}  // namespace
