#pragma once
// The half of the benchmark that needs real windows (Windows, or Wine).

namespace amb::bench {

void PrintWindows();

}  // namespace amb::bench
