#pragma once
// The task file "Tasks.txt" and the group file "Groups.txt" in the program's folder, and the
// task and group arrays of the shared state that they fill.
#include <string>

namespace DozIzevodoz {

std::string TaskFilePath();
std::string GroupFilePath();

// What a load found. A file that exists but cannot be read is not an empty list: whoever loaded
// it must not write it back.
enum class LoadResult { Loaded, NoFile, Unreadable };

// Replace the array, its count and its highest ID with the file's content. No file gives an empty
// list; a file that cannot be read gives an empty list as well, and the user is told.
LoadResult LoadTasks();
// The same without a word to the user: for a caller that says itself what an unreadable file means
// (the system's error code of the read goes to readError when given).
LoadResult LoadTasksQuietly(unsigned long* readError = nullptr);
LoadResult LoadGroups();

// Write every record whose ID is not negative, replacing the file; the arrays are not changed.
// False when the file could not be written, which leaves the old file intact.
bool SaveTasks();
bool SaveGroups();

}  // namespace DozIzevodoz
