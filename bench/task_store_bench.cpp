// Task-store benchmark: LoadTasks and SaveTasks (the text, the temporary file, its flush and the
// move over the old file) for 1,000 and 10,000 tasks, against reading and writing the same bytes
// the plainest way (one CreateFile, a buffer of the file's size and one ReadFile, or one
// WriteFile; CloseHandle), and against that
// write with the flush the safe replace needs. Prints figures and the growth; asserts nothing.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app.h"
#include "bench_timing.h"
#include "scoped_win.h"
#include "shared_state.h"
#include "task_file.h"
#include "task_store.h"

namespace {

using ::bench::Median;
using ::bench::Stopwatch;
using DozIzevodoz::TaskRecord;

constexpr int kBlocks = 7;
constexpr int kRepeats = 10;  // operations per block: Wine counts CPU time in 10 ms ticks

void FillTasks(int n) {
  DozIzevodoz::Tasks.clear();
  for (int i = 1; i <= n; ++i) {
    TaskRecord t;
    t.ID = i;
    t.Desc = "Back up folder " + std::to_string(i);
    t.Prog = "C:\\Program Files\\Backup Tool\\backup" + std::to_string(i % 7) + ".exe";
    t.Args = "/quiet /source \"D:\\Data\\Set " + std::to_string(i) + "\"";
    t.Dir = "C:\\Program Files\\Backup Tool\\";
    t.WinStyle = i % 3 ? 1 : 6;
    t.Actions = i % 2 ? "ShutdownReboot" : "PowerOff";
    DozIzevodoz::Tasks.push_back(std::move(t));
  }
  DozIzevodoz::TaskCount = n;
}

rt::UniqueHandle Open(const std::string& path, DWORD access, DWORD disposition) {
  HANDLE h = CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return rt::UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

bool RawWrite(const std::string& path, const std::string& bytes, bool flush) {
  rt::UniqueHandle file = Open(path, GENERIC_WRITE, CREATE_ALWAYS);
  DWORD written = 0;
  bool ok = file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  return ok && (!flush || FlushFileBuffers(file.get()));
}

bool RawRead(const std::string& path, std::string& bytes) {
  rt::UniqueHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
  if (!file) return false;
  bytes.resize(GetFileSize(file.get(), nullptr));
  DWORD got = 0;
  return ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size();
}

// Medians over blocks, per operation, in microseconds.
struct Cost {
  std::vector<double> wall, cpu;
  void Add(const Stopwatch& w) {
    wall.push_back(w.Wall() / kRepeats);
    cpu.push_back(w.Cpu() / kRepeats);
  }
  double Wall() const { return Median(wall); }
  double Cpu() const { return Median(cpu); }
};

struct Row {
  size_t bytes = 0;
  Cost load, firstLoad, read, save, write, flushedWrite;
  bool ok = true;
};

Row Run(int n) {
  FillTasks(n);
  Row row;
  const std::string bytes = DozIzevodoz::FormatTaskFile(DozIzevodoz::Tasks);
  row.bytes = bytes.size();
  const std::string raw = rt::App().Path + "\\Raw.txt";
  row.ok = DozIzevodoz::SaveTasks();
  std::string readBack;
  // Each block runs every way in turn, so that a busy spell of the machine falls on all of them.
  for (int b = 0; b < kBlocks; ++b) {
    Stopwatch save, write, flushedWrite, load, firstLoad, read;
    for (int r = 0; r < kRepeats; ++r) {
      save.Time([&] { row.ok &= DozIzevodoz::SaveTasks(); });
      write.Time([&] { row.ok &= RawWrite(raw, bytes, false); });
      flushedWrite.Time([&] { row.ok &= RawWrite(raw, bytes, true); });
      load.Time([] { DozIzevodoz::LoadTasks(); });
      read.Time([&] {
        std::string fresh;  // a reader of the file has no buffer of its size yet
        row.ok &= RawRead(raw, fresh);
        readBack.swap(fresh);
      });
      std::vector<TaskRecord>().swap(DozIzevodoz::Tasks);  // as at the program's start
      firstLoad.Time([] { DozIzevodoz::LoadTasks(); });
    }
    row.save.Add(save), row.write.Add(write), row.flushedWrite.Add(flushedWrite);
    row.load.Add(load), row.firstLoad.Add(firstLoad), row.read.Add(read);
  }
  row.ok &= DozIzevodoz::TaskCount == n && readBack == bytes;
  DeleteFileA(raw.c_str());
  DeleteFileA(DozIzevodoz::TaskFilePath().c_str());
  return row;
}

void PrintRow(const char* what, int n, const Cost& store, const Cost& floor, const Cost* flushed) {
  std::printf("%-10s %6d %10.2f %10.2f %10.2f %10.2f %8.2f %9.2f", what, n, store.Wall() / 1000, store.Cpu() / 1000,
              floor.Wall() / 1000, floor.Cpu() / 1000, store.Wall() / floor.Wall(), store.Cpu() / floor.Cpu());
  if (flushed) std::printf(" %10.2f %8.2f", flushed->Wall() / 1000, store.Wall() / flushed->Wall());
  std::printf("\n");
}

}  // namespace

int main() {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "tarnwick-task-store-bench-" + std::to_string(GetCurrentProcessId());
  if (!CreateDirectoryA(folder.c_str(), nullptr)) {
    std::printf("cannot create %s\n", folder.c_str());
    return 1;
  }
  rt::App().Path = folder;

  std::printf("Task store against raw file I/O of the same bytes; per operation, median of %d blocks of %d;\n"
              "wall and CPU time in ms. load = LoadTasks again, first load = LoadTasks into an empty array,\n"
              "raw = one ReadFile; save = SaveTasks, raw = one WriteFile, flushed = that write and\n"
              "FlushFileBuffers.\n",
              kBlocks, kRepeats);
  std::printf("%-10s %6s %10s %10s %10s %10s %8s %9s %10s %8s\n", "", "tasks", "store", "store cpu", "raw",
              "raw cpu", "ratio", "cpu ratio", "flushed", "ratio");
  Row small = Run(1000), large = Run(10000);
  for (const auto& [n, r] : {std::pair<int, const Row&>{1000, small}, {10000, large}}) {
    PrintRow("load", n, r.load, r.read, nullptr);
    PrintRow("first load", n, r.firstLoad, r.read, nullptr);
    PrintRow("save", n, r.save, r.write, &r.flushedWrite);
  }
  std::printf("file: %zu and %zu bytes\n", small.bytes, large.bytes);
  std::printf("growth 1,000 -> 10,000 tasks (linear is 10): load %.2f (CPU %.2f), save %.2f (CPU %.2f)\n",
              large.load.Wall() / small.load.Wall(), large.load.Cpu() / small.load.Cpu(),
              large.save.Wall() / small.save.Wall(), large.save.Cpu() / small.save.Cpu());
  if (!small.ok || !large.ok) std::printf("warning: a save, a write or a read failed; the figures mean nothing\n");
  RemoveDirectoryA(folder.c_str());
  return 0;
}
