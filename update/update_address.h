#pragma once
// Where updates come from: the base address of the update host and the two files under it.
#include <string>
#include <string_view>

namespace AutoUpdate {

inline constexpr char kVersionFilePath[] = "/Updates/TarnwickPaid/ver.txt";
inline constexpr char kUpdaterPath[] = "/Updates/TarnwickPaid/Update.exe";

// An update host must be reached over https; plain http is accepted only for this machine
// (127.0.0.1 or localhost: a local mirror, the tests). The base names a folder: a query, a
// fragment, blanks or control characters refuse it.
bool IsAcceptableUpdateBase(std::string_view base);

// base without its trailing slashes, followed by path ("https://h/" + "/a" is "https://h/a").
std::string JoinUrl(std::string_view base, std::string_view path);

}  // namespace AutoUpdate
