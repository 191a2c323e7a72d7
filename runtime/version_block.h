#pragma once
// The texts and numbers of a module's VERSIONINFO resource.
#include <windows.h>

#include <string>

namespace rt {

struct VersionBlock {
  int major = 0, minor = 0, revision = 0;  // file version major.minor.0.revision
  std::string fileDescription, legalCopyright, legalTrademarks, comments, companyName, productName;
};

// Reads the block of the module's file; false (and an empty block) when it has none.
bool ReadVersionBlock(const std::string& modulePath, VersionBlock& out);

}  // namespace rt
