#pragma once
// Any object of the host reached late-bound: a control, its container, a font, a picture, a
// collection. The resize engine knows controls only through this; one implementation goes over
// IDispatch, tests and benchmarks bring their own.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host_form.h"

namespace amb {

class HostObject;
using HostObjectPtr = std::shared_ptr<HostObject>;

// Empty (also an omitted argument), a truth value, a number, a text or an object; a null object
// is Nothing.
using HostValue = std::variant<std::monostate, bool, double, std::string, HostObjectPtr>;

// One window move that can join a deferred batch: the rectangle in the parent window's pixels.
struct WindowMove {
  intptr_t window = 0, parent = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
};

class HostObject {
 public:
  virtual ~HostObject() = default;
  virtual HostStatus Get(std::string_view member, HostValue& out) = 0;
  // Objects are assigned by reference (Set), any other value by value.
  virtual HostStatus Let(std::string_view member, const HostValue& value) = 0;
  virtual HostStatus Call(std::string_view member, const std::vector<HostValue>& args, HostValue* result) = 0;
  // Indexed properties: TabPicture(i), a collection's Item(i).
  virtual HostStatus GetAt(std::string_view member, const HostValue& index, HostValue& out) = 0;
  virtual HostStatus LetAt(std::string_view member, const HostValue& index, const HostValue& value) = 0;
  virtual std::string TypeName() = 0;
  virtual bool IsForm() = 0;  // an ordinary form; an MDI parent is not one
  virtual bool IsMdiParent() = 0;
  // The same host object gives the same identity, whichever wrapper reached it.
  virtual const void* Identity() = 0;
  // Where the object is a window that can be moved with others in one batch: the move for this
  // geometry (in its container's units). False: it is moved through its own members.
  virtual bool PlanWindowMove(float left, float top, float width, float height, WindowMove& out) { return false; }
};

// Nothing reached as an object: every member fails as a member of Nothing does (error 91), and its
// type name is "Nothing".
class NothingObject final : public HostObject {
 public:
  HostStatus Get(std::string_view, HostValue&) override { return NotSet(); }
  HostStatus Let(std::string_view, const HostValue&) override { return NotSet(); }
  HostStatus Call(std::string_view, const std::vector<HostValue>&, HostValue*) override { return NotSet(); }
  HostStatus GetAt(std::string_view, const HostValue&, HostValue&) override { return NotSet(); }
  HostStatus LetAt(std::string_view, const HostValue&, const HostValue&) override { return NotSet(); }
  std::string TypeName() override { return "Nothing"; }
  bool IsForm() override { return false; }
  bool IsMdiParent() override { return false; }
  const void* Identity() override { return nullptr; }

 private:
  static HostStatus NotSet() {
    return HostStatus::Failed("Object variable or With block variable not set", kErrObjectNotSet);
  }
};

// A number, or a truth value as the platform counts it (True -1, False 0); nothing for any other.
std::optional<double> NumberOfValue(const HostValue& value);
// Typed reads: a value of another kind is a failed read, as a type mismatch is; a number no Single
// holds (NaN included) is a failed read too, as the platform's "Overflow" is.
HostStatus GetNumber(HostObject& object, std::string_view member, double& out);
HostStatus GetFloat(HostObject& object, std::string_view member, float& out);
HostStatus GetText(HostObject& object, std::string_view member, std::string& out);
// Nothing is a successful read with a null result.
HostStatus GetObjectOf(HostObject& object, std::string_view member, HostObjectPtr& out);
// A nested member such as Font.Size: both reads must succeed.
HostStatus GetNestedFloat(HostObject& object, std::string_view outer, std::string_view inner, float& out);
HostStatus LetNested(HostObject& object, std::string_view outer, std::string_view inner, const HostValue& value);
// A probe: the read by name succeeds, whatever the value.
bool Readable(HostObject& object, std::string_view member);
bool ReadableNested(HostObject& object, std::string_view outer, std::string_view inner);
// The text of a value as the platform's conversion writes it ("" for Empty).
std::string TextOf(const HostValue& value);
bool IsNothing(const HostValue& value);

// A collection's Count, and its item i through the default member Item.
HostStatus CountOf(HostObject& collection, int32_t& count);
// A count the host gives as a number property (a tab control's Tabs, say), refused below 0 and above
// most, so that a host's 2e9 never turns into as many calls back.
HostStatus BoundedCountOf(HostObject& object, std::string_view member, int32_t most, int32_t& count);
HostStatus ItemOf(HostObject& collection, int32_t index, HostObjectPtr& out);

}  // namespace amb
