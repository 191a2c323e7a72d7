#pragma once
// What identifies a control of the host form and what it can do, found out by reading its members
// by name: a member whose read fails is absent, whatever the reason.
#include <string>
#include <string_view>

#include "host_object.h"

namespace amb {

// The control key: the Name, followed by "(" Index ")" for a member of a control array.
std::string ControlKeyOf(std::string_view name, const double* index);
// Nothing gives ""; an object without a readable Name is an error for the caller.
HostStatus GetControlKey(HostObject* control, std::string& key);

bool CanScaleControl(HostObject& control);
bool CanScaleGraphic(HostObject& control);
bool CanScaleBorder(HostObject& control);
bool CanScaleFont(HostObject& control);

// Menus and controls whose name begins with "NoResize" (any case) are left alone.
bool TakesPart(std::string_view typeName, std::string_view name);

// The fonts a control may carry, in the order they are recorded and scaled.
inline constexpr std::string_view kFontMembers[] = {"Font", "DayFont", "GridFont", "TitleFont", "HeadFont"};
inline constexpr int kFontCount = 5;

}  // namespace amb
