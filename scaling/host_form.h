#pragma once
// The host form as the control's engine sees it: members read, written and called by name, and
// what kind of form it is. One implementation goes over the form's IDispatch; tests use one in
// memory.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bag_value.h"

namespace amb {

// The platform's "Object variable or With block variable not set".
inline constexpr int kErrObjectNotSet = 91;

// The outcome of one late-bound access; a failure carries the description a person reads.
// number: the platform's error number, where the failure had one (0 otherwise).
struct HostStatus {
  bool ok = true;
  std::string description;
  int32_t number = 0;  // the host's own error number, when it gave one
  static HostStatus Failed(std::string text, int32_t number = 0) { return {false, std::move(text), number}; }
  explicit operator bool() const { return ok; }
};

class HostForm {
 public:
  virtual ~HostForm() = default;
  virtual HostStatus Get(std::string_view member, BagValue& out) = 0;
  virtual HostStatus Let(std::string_view member, const BagValue& value) = 0;
  // Arguments travel by reference: what the member leaves in them is written back.
  virtual HostStatus Call(std::string_view member, std::vector<BagValue>& args, BagValue* result) = 0;
  virtual bool IsForm() = 0;       // an ordinary form (also an MDI child); not an MDI parent
  virtual bool IsMdiParent() = 0;
};

// The controls of the host form (the container's collection, entry 0 the form itself).
class HostControls {
 public:
  virtual ~HostControls() = default;
  virtual size_t Count() = 0;
  virtual HostStatus CallOnItem(size_t index, std::string_view member, std::vector<BagValue>& args) = 0;
};

// Typed reads over Get: a value that does not convert is a failed read.
HostStatus GetSingle(HostForm& host, std::string_view member, float& out);
HostStatus GetLong(HostForm& host, std::string_view member, int32_t& out);
HostStatus GetBoolean(HostForm& host, std::string_view member, bool& out);
// The form's hWnd as a window handle (handles carry 32 significant bits).
HostStatus GetWindowHandle(HostForm& host, intptr_t& out);

}  // namespace amb
