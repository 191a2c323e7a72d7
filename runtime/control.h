#pragma once
// Control: what every control of a form has (name, place in twips, visibility, colours, font,
// tooltip), and the window of the kinds that have one. Labels and images are windowless: their
// container paints them and finds them under the mouse.
#include <windows.h>

#include <string>
#include <string_view>

#include "design.h"
#include "scoped_win.h"

namespace rt {

class Form;

// A window's text; fallback when there is no window.
std::string WindowText(HWND hwnd, const std::string& fallback = {});
// The text of item index of a list or combo box, through its pair of length and text messages.
std::string ListItemText(HWND hwnd, UINT lengthMessage, UINT textMessage, int index);

// The window property that leads from a control's window to its Control.
inline constexpr char kControlProperty[] = "rt.Control";

class Control {
 public:
  Control(Form& form, const ControlDesign& design, Control* container, UINT id);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  ControlKind Kind() const { return kind_; }
  // Name (letter case ignored) and, when index >= 0, index.
  bool Is(std::string_view name, int index = -1) const;
  Form& Parent() const { return form_; }
  Control* Container() const { return container_; }
  UINT Id() const { return id_; }
  HWND hWnd() const { return hwnd_; }
  bool IsWindowless() const { return kind_ == ControlKind::Label || kind_ == ControlKind::Image; }

  // Twips, relative to the container's client area.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top, int width, int height);
  void SetLeft(int left) { Move(left, top_, width_, height_); }
  void SetTop(int top) { Move(left_, top, width_, height_); }
  void SetWidth(int width) { Move(left_, top_, width, height_); }
  void SetHeight(int height) { Move(left_, top_, width_, height); }
  // The control's rectangle in pixels of its container's client area.
  RECT PixelRect() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text);
  OleColor ForeColor() const { return foreColor_; }
  void SetForeColor(OleColor color);
  OleColor BackColor() const { return backColor_; }
  void SetBackColor(OleColor color);

  const std::string& FontName() const { return fontName_; }
  double FontSize() const { return fontSize_; }
  bool FontBold() const { return bold_; }
  bool FontItalic() const { return italic_; }
  bool FontUnderline() const { return underline_; }
  void SetFontName(const std::string& name);
  void SetFontSize(double points);
  void SetFontBold(bool bold);
  void SetFontItalic(bool italic);
  void SetFontUnderline(bool underline);
  HFONT Font() const { return font_.get(); }

  void SetFocus();
  void Refresh();

  // The window (or, windowless, the container's window) that shows the control.
  HWND SurfaceWindow() const;

 protected:
  friend class Form;
  // Builds the control's window, if its kind has one, inside the container's window.
  virtual void Create(HWND parent) {}
  // Windowless kinds draw themselves here, in the container's client pixels.
  virtual void Paint(HDC dc) {}
  // A WM_COMMAND notice from the control's own window.
  virtual void OnCommand(WORD code) {}
  virtual LRESULT OnNotify(NMHDR* header) { return 0; }
  virtual void OnFontChanged() {}
  virtual void OnColorsChanged() { Refresh(); }
  // The place has changed (Move): kinds whose window the runtime does not place themselves follow.
  virtual void Moved() {}
  // The form's window is going away: forget the window, stop what runs on it.
  virtual void Detach() { hwnd_ = nullptr; }
  // The brush for WM_CTLCOLOR*: nullptr lets the window use its own colours.
  HBRUSH ColorBrush(HDC dc);
  // The system colour behind the control when its design gives a text colour but no back colour.
  virtual int DefaultBackColorIndex() const { return COLOR_BTNFACE; }

  // Containers pass subclass = false: their own window procedure routes their mouse input.
  HWND CreateChild(HWND parent, const char* windowClass, DWORD style, DWORD exStyle, const std::string& text,
                   bool subclass = true);
  void RebuildFont();
  void InvalidateArea();
  // The events the kinds raise, through the form's error trap.
  void FireClick();
  void FireDblClick();
  void FireChange();

  Form& form_;
  Control* container_;
  std::string name_;
  int index_;
  ControlKind kind_;
  UINT id_;
  HWND hwnd_ = nullptr;
  int left_, top_, width_, height_;
  std::string caption_;
  std::string toolTip_;
  bool visible_, enabled_;
  OleColor foreColor_, backColor_;
  std::string fontName_;
  double fontSize_;
  bool bold_, italic_, underline_;
  GdiObject<HFONT> font_;
  GdiObject<HBRUSH> backBrush_;
  ControlDesign design_;
};

}  // namespace rt
