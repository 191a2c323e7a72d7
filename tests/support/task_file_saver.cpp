// Another process that saves a task file as the program does: task_file_saver.exe FILE MS replaces
// FILE with its own bytes through the program's safe replace, again and again for MS milliseconds,
// and exits with the number of saves that failed (-1 when it could not read FILE).
#include <windows.h>

#include <cstdlib>
#include <string>

#include "text_file.h"

int main(int argc, char** argv) {
  if (argc < 3) return -1;
  const std::string path = argv[1];
  const std::optional<std::string> bytes = DozIzevodoz::ReadWholeFile(path);
  if (!bytes) return -1;
  int failed = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(std::atoi(argv[2])))
    if (!DozIzevodoz::ReplaceFile(path, *bytes)) ++failed;
  return failed;
}
