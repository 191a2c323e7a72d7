#pragma once
// Apart from the rest of the error convention, so that code built without <source_location> (the
// platform-free libraries, whatever compiler builds them) can skip its failing steps too.

namespace rt {

// Runs body and swallows whatever it throws, without a message: for the procedures whose failing
// steps are skipped silently.
template <class Body>
void SkipOnError(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace rt
