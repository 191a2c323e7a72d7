#pragma once
// What the platform says about the files and drives the engine's items show: a file's short path
// and its description, the logical drives with their kinds, and the share behind a mapped drive.
#include <string>
#include <vector>

namespace modMenus {

// The short (8.3) form of the path; the path itself when the platform has none.
std::string GetShortFileName(const std::string& strLongPath);

// The FileDescription of the file's version resource; "" when it has none.
std::string GetFileDescription(const std::string& sFile);

// The string table of a version resource to read ("\StringFileInfo\040904E4"): the first that the
// translation table names and the resource holds, else US English; "" when there is none.
std::string GetVersionTranslation(const void* versionResource);

// " share on 'server'" for a mapped drive's root, "Unknown" when the platform cannot tell.
std::string GetNetworkConnection(const std::string& root);

// The logical drives, "root|kind" each, after one empty first entry.
std::vector<std::string> GetLogicalDriveList();

}  // namespace modMenus
