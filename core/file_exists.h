#pragma once
#include <string>

namespace DozIzevodoz {

// True when the path (wildcards allowed: the first match decides) names a file, not a folder.
bool FileExists(const std::string& path);

}  // namespace DozIzevodoz
