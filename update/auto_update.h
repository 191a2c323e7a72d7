#pragma once
// AutoUpdate: is a newer version published? If so the notice offers it; a click on the notice
// downloads the updater, starts it and ends the program.
#include <string>

namespace AutoUpdate {

inline bool ManualUpdateCheck = false;  // asked for from the tray menu: report every outcome
inline bool UpdateCheckDone = false;    // the check (and any notice it showed) is over
inline std::string UpdateProductName;
inline std::string UpdateVersion;
inline std::string UpdaterSha256;  // the digest the version file gives for the updater

inline constexpr char kNotConnectedText[] = "You must be connected to the internet to update program!";
inline constexpr char kNotConnectedTitle[] = "Moxbel AutoUpdate Program";
inline constexpr char kVersionFileErrorText[] =
    "Error occurred downloading version text file, make sure you have an internet connection";
inline constexpr char kUpdateTitle[] = "Moxbel Tarnwick AutoUpdate Program";
inline constexpr char kNoServerText[] =
    "No usable update server is set, so the program cannot look for updates.\r\n\r\n"
    "To set one, give the setting UpdateServer under HKEY_CURRENT_USER\\Software\\Moxbel Software\\Tarnwick "
    "the https address of the update server.";
inline constexpr char kCheckRunningText[] =
    "The Program Is Already Checking For An Update, Please Wait For Its Answer!";
inline constexpr char kUpdaterErrorText[] =
    "There Was A Problem Downloading The Update Executable, Please Try Again Later!\r\n\r\n"
    "              Automatic Return Will Happen In %T Seconds.            ";

// Runs the check; always false (callers ignore it).
bool CheckForUpdate();
// Downloads and starts the updater, then ends the program; on failure says so and returns. Nothing
// happens when a form keeps the program running (rt::Forms::QueryEnd).
void GetUpdate();
// The system's temporary folder (despite the name), normally ending in "\".
std::string GetTempFile();

}  // namespace AutoUpdate
