#pragma once
// The program's error convention: a failing statement shows the "Application Error" box naming
// the object, the procedure and the line, and the program goes on.
#include <source_location>
#include <stdexcept>
#include <string>

#include "skip_on_error.h"

namespace rt {

class Failure : public std::runtime_error {
 public:
  Failure(const std::string& description, int line) : std::runtime_error(description), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

[[noreturn]] void Raise(const std::string& description,
                        std::source_location where = std::source_location::current());

// The text of the box: description, line break, "in <Title>.<object>.<procedure> at line <n>".
std::string ApplicationErrorText(const std::string& object, const std::string& procedure,
                                 const std::string& description, int line);
void ReportError(const std::string& object, const std::string& procedure, const std::string& description,
                 int line);

// Runs body; whatever it throws is reported and swallowed, so nothing crosses a window procedure.
template <class Body>
void Trap(const char* object, const char* procedure, Body&& body) noexcept {
  try {
    body();
  } catch (const Failure& f) {
    ReportError(object, procedure, f.what(), f.line());
  } catch (const std::exception& e) {
    ReportError(object, procedure, e.what(), 0);
  } catch (...) {
    ReportError(object, procedure, "Unknown error", 0);
  }
}

}  // namespace rt
