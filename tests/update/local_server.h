#pragma once
// The test's side of the local update host (update_server.py, started by CTest on 127.0.0.1):
// its address, the files it serves, and the requests it has seen.
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process_driver.h"

namespace test {

class LocalUpdateHost {
 public:
  // Each suite serves from a folder of its own under the host's root, so suites can run at once.
  explicit LocalUpdateHost(std::string folder) : folder_(std::move(folder)) {
    std::ifstream in(WindowsPathOf(UPDATE_SERVER_STATE "/port"));
    in >> port_;
    RemoveFolder(Local(""));
  }
  ~LocalUpdateHost() { RemoveFolder(Local("")); }

  int Port() const { return port_; }
  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/" + folder_; }

  // Serves body at path (below the suite's folder); a sidecar gives a status, a delay, a pace of
  // one byte every so many seconds, or a redirect.
  void Serve(const std::string& path, const std::string& body) { Write(path, body); }
  void Status(const std::string& path, int status) { Write(path + ".status", std::to_string(status)); }
  void Delay(const std::string& path, int seconds) { Write(path + ".delay", std::to_string(seconds)); }
  void Trickle(const std::string& path, double seconds) { Write(path + ".trickle", std::to_string(seconds)); }
  void Redirect(const std::string& path, const std::string& to) { Write(path + ".redirect", to); }
  void Remove(const std::string& path) { DeleteFileA(Local(path).c_str()); }

  // The paths requested below the suite's folder, in order, without the folder.
  std::vector<std::string> Requests() const {
    std::ifstream in(WindowsPathOf(UPDATE_SERVER_STATE "/requests.log"));
    std::vector<std::string> seen;
    const std::string prefix = "GET /" + folder_;
    for (std::string line; std::getline(in, line);)
      if (line.rfind(prefix, 0) == 0) seen.push_back(line.substr(prefix.size()));
    return seen;
  }
  // Requests() counts from here on.
  size_t Mark() const { return Requests().size(); }
  std::vector<std::string> RequestsSince(size_t mark) const {
    std::vector<std::string> all = Requests();
    return {all.begin() + static_cast<long>(std::min(mark, all.size())), all.end()};
  }

 private:
  std::string Local(const std::string& path) const {
    std::string p = WindowsPathOf(UPDATE_SERVER_ROOT "/" + folder_ + path);
    for (char& c : p)
      if (c == '/') c = '\\';
    return p;
  }
  void Write(const std::string& path, const std::string& body) {
    std::filesystem::path file(Local(path));
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << body;
  }
  static void RemoveFolder(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  std::string folder_;
  int port_ = 0;
};

}  // namespace test
