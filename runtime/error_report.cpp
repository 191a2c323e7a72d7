#include "error_report.h"

#include "app.h"
#include "msg_box.h"

namespace rt {

void Raise(const std::string& description, std::source_location where) {
  throw Failure(description, static_cast<int>(where.line()));
}

std::string ApplicationErrorText(const std::string& object, const std::string& procedure,
                                 const std::string& description, int line) {
  return description + "\r\nin " + App().Title + "." + object + "." + procedure + " at line " +
         std::to_string(line);
}

void ReportError(const std::string& object, const std::string& procedure, const std::string& description,
                 int line) {
  try {
    MsgBox(ApplicationErrorText(object, procedure, description, line), MB_OK | MB_ICONEXCLAMATION,
           "Application Error");
  } catch (...) {
    // Out of memory while reporting: nothing sensible is left to do.
  }
}

}  // namespace rt
