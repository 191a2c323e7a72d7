#pragma once
// Where the program keeps its settings.

namespace DozIzevodoz {

inline constexpr char kSettingsTop[] = "HKCU";
inline constexpr char kSettingsKey[] = "Software\\Moxbel Software\\Tarnwick";
inline constexpr char kHotKeysKey[] = "Software\\Moxbel Software\\TarnwickHotKeys";
inline constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

inline constexpr char kInfoTitle4[] = "Moxbel Tarnwick Plus Info....";
inline constexpr char kInfoTitle5[] = "Moxbel Tarnwick Plus Info.....";

}  // namespace DozIzevodoz
