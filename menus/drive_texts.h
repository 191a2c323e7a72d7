#pragma once
// The texts the engine shows for drives: the kind of a drive, the share behind a mapped drive,
// and the entries of the drive list ("C:\|Fixed Drive").
#include <string>
#include <string_view>

namespace modMenus {

// The platform's drive type (GetDriveType) as the drive items name it.
std::string DriveTypeText(unsigned driveType);

// " share on 'server'" for the remote name "\\server\share"; "" for an empty name.
std::string NetworkConnectionText(std::string_view remoteName);

// One entry of the drive list. connection: the network text of a remote drive ("Unknown" when
// its query failed); not used for other drives.
std::string DriveListEntry(std::string_view root, unsigned driveType, std::string_view connection);

// A drive item's shown text with its volume's label after it (in brackets for a mapped drive, which
// its tip names); the label's ampersands are text, never an access key.
std::string DriveItemText(std::string_view shown, std::string_view tip, std::string_view label);

}  // namespace modMenus
