#pragma once
// Resource ids of the tray's pictures (tray_pictures.rc), clear of the program's own.

#define IDI_HELP 201
#define IDI_HELP_HOVER 202
#define IDB_ABOUT_BACKGROUND 203
#define IDI_PRODUCT_TARNWICK 204
#define IDI_PRODUCT_PELLOR 205
#define IDI_PRODUCT_QUILLET 206
#define IDI_PRODUCT_VARROW 207
#define IDI_PRODUCT_SENDLE 208
