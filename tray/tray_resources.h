#pragma once
// Resource ids of the tray's pictures (tray_pictures.rc) and the help pictures they show.
#include "help_pictures.h"
#include "program_icon.h"

#define IDB_ABOUT_BACKGROUND 203
// The task-run chooser's help picture: a white question mark on a blue disc.
#define IDI_CHOOSER_HELP 204
#define IDI_PRODUCT_PELLOR 205
#define IDI_PRODUCT_QUILLET 206
#define IDI_PRODUCT_VARROW 207
#define IDI_PRODUCT_SENDLE 208
// The countdown's pyramid, its picture and its window icon.
#define IDI_PYRAMID 209
#define IDB_CANCEL_BACKGROUND 210
