#pragma once
// The design data of a form: what a form class states in static tables about its window, its
// controls and its menus. Positions and sizes are twips; the runtime turns them into pixels of
// the display it runs on.
#include <span>

#include "color.h"

namespace rt {

enum class ControlKind {
  Label, Image, CommandButton, CheckBox, OptionButton, Frame, PictureBox, TextBox, ListBox, ComboBox,
  ListView, ImageList, Timer, OleControl
};
enum class Alignment { Left, Right, Center };
enum class FormBorder { None, FixedSingle, Sizable, FixedDialog };
enum class StartPosition { Manual, CenterOwner, CenterScreen, WindowsDefault };
enum class ScaleMode { Twips = 1, Pixels = 3 };
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// A form's font when its design names none, as the platform's forms had it.
inline constexpr char kFormFontName[] = "MS Sans Serif";

struct FontDesign {
  const char* name = nullptr;  // nullptr: the container's font
  double size = 0;             // points
  bool bold = false, italic = false, underline = false;
};

// A picture carried as a resource of the module that holds the form.
struct PictureDesign {
  enum class Kind { None, Icon, Bitmap } kind = Kind::None;
  int resourceId = 0;
};

// One design-time property value of a COM control, as the form's design data keeps it: text that
// the control converts to the property's type when it reads its properties.
struct PropertyDesign {
  const char* name = "";
  const char* value = "";
};

struct ControlDesign {
  const char* name = "";
  int index = -1;  // >= 0 for a member of a control array
  ControlKind kind = ControlKind::Label;
  const char* container = nullptr;  // name of a frame or picture box; nullptr = the form
  int left = 0, top = 0, width = 0, height = 0;
  const char* caption = "";  // caption, or a text box's text
  FontDesign font{};
  OleColor foreColor = kNoColor, backColor = kNoColor;
  const char* toolTip = "";
  bool visible = true, enabled = true;
  int tabIndex = -1;  // -1: after the numbered ones, in table order

  Alignment alignment = Alignment::Left;
  bool autoSize = false;
  bool transparent = false;  // labels: the container shows through
  bool border = true;        // text boxes, list boxes, picture boxes: fixed single border; labels: none
  bool sorted = false, multiSelect = false, multiLine = false;
  int maxLength = 0;  // text boxes; 0 = no limit
  int value = 0;      // check box 0/1, option button 0/1 (selected)
  bool isDefault = false, isCancel = false;  // command buttons
  int interval = 0;                          // timers, milliseconds
  bool stretch = false;                      // images
  bool acceptsFiles = false;                 // files dropped from the shell raise OLEDragDrop
  PictureDesign picture{};
  const char* columns = "";         // list views: "Status:1200|Task:2400" (caption:width in twips)
  std::span<const int> images{};    // image lists: icon resource ids, image 1 first
  int imageSize = 16;               // image lists: pixels
  const char* classId = "";         // COM controls: "{CLSID}" or a ProgID
  std::span<const PropertyDesign> properties{};  // COM controls: the values it reads at load
};

struct MenuDesign {
  const char* name = "";
  int index = -1;
  const char* parent = nullptr;  // nullptr: a top-level item
  const char* caption = "";      // "-" is a separator
  bool checked = false, enabled = true, visible = true;
};

}  // namespace rt
