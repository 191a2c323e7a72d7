#pragma once
// Resource ids of the help pictures (help_pictures.rc), shown by every window that opens the help.

#define IDI_HELP 201
#define IDI_HELP_HOVER 202
