#include "shared_copy.h"

#include "file_description.h"
#include "msg_box.h"

namespace editors {

void ReportNotSaved(const std::string& what, const std::string& file, HWND owner) {
  rt::MsgBox("The " + what + " could not be saved to\r\n" + file +
                 "\r\nCheck that the file is not read-only or in use, then try again.",
             MB_OK | MB_ICONEXCLAMATION, kFileDescription, owner);
}

void ReportUnreadFileKept(const std::string& what, const std::string& file, HWND owner) {
  rt::MsgBox("The " + what +
                 " file could not be read when this window opened, so it is kept as it is and these changes are "
                 "not saved:\r\n" + file,
             MB_OK | MB_ICONEXCLAMATION, kFileDescription, owner);
}

}  // namespace editors
