#include "unsaved_work.h"

#include "file_description.h"
#include "msg_box.h"

namespace editors {

bool LetUnsavedWorkGo(const std::string& editor, HWND owner) {
  // No is the default: a stray Enter must not throw the work away.
  return rt::MsgBox("The " + editor + " has changes that are not saved, and the update closes the program." +
                        "\r\n\r\nClose the " + editor + " without saving them?",
                    MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, kFileDescription, owner) == IDYES;
}

}  // namespace editors
