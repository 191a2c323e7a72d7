#pragma once
// Window moves of one pass gathered per parent window and applied with one
// BeginDeferWindowPos/DeferWindowPos/EndDeferWindowPos batch each, without redrawing; the
// windows are repainted once when the pass is over.
#include <windows.h>

#include <map>
#include <set>
#include <vector>

#include "resize_engine.h"

namespace amb {

class DeferredWindowMoves final : public MoveBatch {
 public:
  void Add(const WindowMove& move) override;
  void Flush() override;
  void Finish() override;

 private:
  std::map<HWND, std::vector<WindowMove>> byParent_;
  std::map<HWND, HWND> roots_;  // parent -> its top-level window, for this pass
  std::set<HWND> moved_;        // the top-level windows to repaint
};

}  // namespace amb
