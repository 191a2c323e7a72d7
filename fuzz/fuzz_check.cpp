#include <cstdio>
#include <cstdlib>

#include "fuzz_input.h"

namespace fuzz {

void Fail(const char* what) {
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

}  // namespace fuzz
