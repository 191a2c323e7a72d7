#pragma once
// Resource ids of Tarnwick.exe.

#define IDI_TARNWICK 1
