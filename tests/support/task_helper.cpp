// A task program for the tests: task_helper.exe [name=N] [log=FILE] [sleep=MS] [until=FILE] [exit=CODE]
// [report=FILE] [handle=H]. It appends "N start" to the log, sleeps, waits until the until-file exists
// (a minute at most), appends "N end" and exits with the code. The
// report, when asked for, tells how it was started: its command line, current folder, start flags
// and show code, and whether the handle value H is open in it (inherited).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Option(int argc, char** argv, const std::string& key) {
  const std::string prefix = key + "=";
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]).rfind(prefix, 0) == 0) return argv[i] + prefix.size();
  return {};
}

void Append(const std::string& file, const std::string& line) {
  if (file.empty()) return;
  if (FILE* f = std::fopen(file.c_str(), "ab")) {
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
  }
}

void Report(const std::string& file, const std::string& handleText) {
  if (file.empty()) return;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  std::string text = std::string("command=") + GetCommandLineA() + "\nfolder=" + folder +
                     "\nflags=" + std::to_string(startup.dwFlags) + "\nshow=" + std::to_string(startup.wShowWindow);
  if (!handleText.empty()) {
    HANDLE handle = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(std::strtoull(handleText.c_str(), nullptr, 10)));
    DWORD info = 0;
    text += std::string("\ninherited=") + (GetHandleInformation(handle, &info) ? "yes" : "no");
  }
  if (FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fprintf(f, "%s\n", text.c_str());
    std::fclose(f);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string name = Option(argc, argv, "name");
  const std::string log = Option(argc, argv, "log");
  Report(Option(argc, argv, "report"), Option(argc, argv, "handle"));
  Append(log, name + " start");
  Sleep(static_cast<DWORD>(std::atoi(Option(argc, argv, "sleep").c_str())));
  const std::string until = Option(argc, argv, "until");
  for (int waited = 0; !until.empty() && waited < 60000 && GetFileAttributesA(until.c_str()) == INVALID_FILE_ATTRIBUTES;
       waited += 50)
    Sleep(50);
  Append(log, name + " end");
  return std::atoi(Option(argc, argv, "exit").c_str());
}
