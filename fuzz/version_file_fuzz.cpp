// What an update server answers for the version file, and the update address from the settings:
// an address that is accepted never lets the file name out of the path.
#include <algorithm>

#include "fuzz_input.h"
#include "update_address.h"
#include "version_file.h"

using namespace AutoUpdate;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto f = fuzz::Fields(data, size, 2);
  if (std::optional<VersionFile> file = ParseVersionFile(f[0]))
    fuzz::Check(ParseVersion(VersionText(file->version)) == file->version, "a version reads back as written");
  ReadAvailableFields(f[0], 4);
  IsWellFormedProductName(f[0]);

  if (IsAcceptableUpdateBase(f[1])) {
    std::string url = JoinUrl(f[1], "ver.txt");
    fuzz::Check(url.size() >= 7 && url.compare(url.size() - 7, 7, "ver.txt") == 0, "the file name ends the address");
    fuzz::Check(url.find_first_of("?#") == std::string::npos, "no query or fragment in the address");
    fuzz::Check(std::none_of(url.begin(), url.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; }),
                "no blank or control character in the address");
  }
  return 0;
}
