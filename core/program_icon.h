#pragma once
// Resource id of the program icon (program_icon.rc): the icon of the program, of its tray entry and
// of every window of its own.
#define IDI_TARNWICK 1
