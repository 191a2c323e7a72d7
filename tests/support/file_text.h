#pragma once
// The whole content of a file the code under test (or a task program) wrote; "" when it is missing.
#include <fstream>
#include <sstream>
#include <string>

namespace test {

inline std::string ReadFileText(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

}  // namespace test
