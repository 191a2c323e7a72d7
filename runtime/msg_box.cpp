#include "msg_box.h"

#include "app.h"
#include "os/message_box.h"

namespace rt {

int MsgBox(const std::string& text, UINT flags, const std::string& title, HWND owner) {
  return os::messageBoxes().Show(owner, text, title.empty() ? App().Title : title, flags);
}

}  // namespace rt
