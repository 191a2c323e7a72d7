#pragma once
// The kinds of control a form's design data can hold. Setting a value from code raises the
// event the user's change raises: an option button's Click on a change to selected, a check
// box's Click on any change, a list's Click whenever its current item is set.
#include <windows.h>
#include <commctrl.h>
#include <oaidl.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "control.h"

namespace rt {

class Label : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  Alignment GetAlignment() const { return design_.alignment; }
  bool AutoSize() const { return design_.autoSize; }
  bool Transparent() const { return design_.transparent; }

 protected:
  void Create(HWND parent) override;
  void Paint(HDC dc) override;
  void OnFontChanged() override;

 private:
  void FitToText();
  UINT DrawFlags() const;
};

class Image : public Control {
 public:
  using Control::Control;
  // The picture shown; the image does not own it (resources are shared, image-list icons belong to
  // their list).
  void SetPicture(HICON icon);
  void SetPicture(HBITMAP bitmap);
  // Shows the bitmap and owns it from now on (nullptr: no picture).
  void TakePicture(HBITMAP bitmap);
  HANDLE Picture() const { return icon_ ? static_cast<HANDLE>(icon_) : static_cast<HANDLE>(bitmap_); }

 protected:
  void Create(HWND parent) override;
  void Paint(HDC dc) override;

 private:
  HICON icon_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  GdiObject<HBITMAP> ownBitmap_;  // a bitmap of the design data
};

// Buttons, check boxes and option buttons: their caption is their window's text.
class CaptionedButton : public Control {
 public:
  using Control::Control;
  std::string Caption() const;
  void SetCaption(const std::string& caption);
};

class CommandButton : public CaptionedButton {
 public:
  using CaptionedButton::CaptionedButton;
  bool IsDefault() const { return design_.isDefault; }
  bool IsCancel() const { return design_.isCancel; }
  void Click();  // as if the user pressed it

 protected:
  void Create(HWND parent) override;
  void OnCommand(WORD code) override;
};

class CheckBox : public CaptionedButton {
 public:
  using CaptionedButton::CaptionedButton;
  int Value() const { return value_; }  // 0 cleared, 1 ticked
  void SetValue(int value);

 protected:
  void Create(HWND parent) override;
  void OnCommand(WORD code) override;

 private:
  int value_ = 0;
};

class OptionButton : public CaptionedButton {
 public:
  using CaptionedButton::CaptionedButton;
  bool Value() const { return value_; }
  // Selecting one clears the others of its container.
  void SetValue(bool value);

 protected:
  void Create(HWND parent) override;
  void OnCommand(WORD code) override;

 private:
  bool value_ = false;
};

// Frames and picture boxes: windows that hold other controls, whose places are relative to them.
class Container : public Control {
 public:
  using Control::Control;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 protected:
  void Create(HWND parent) override;

 private:
  friend class Form;
  void PaintOwn(HDC dc);
};

class TextBox : public Control {
 public:
  using Control::Control;
  std::string Text() const;
  void SetText(const std::string& text);  // raises Change
  int MaxLength() const { return design_.maxLength; }
  void SetMaxLength(int length);
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int start);
  void SetSelLength(int length);

 protected:
  void Create(HWND parent) override;
  void OnCommand(WORD code) override;
  int DefaultBackColorIndex() const override { return COLOR_WINDOW; }
};

class ListBox : public Control {
 public:
  using Control::Control;
  int AddItem(const std::string& text, int index = -1);  // returns where the item went
  void RemoveItem(int index);
  void Clear();
  int ListCount() const;
  std::string List(int index) const;
  // Replaces the text in place; the item keeps its data and selection.
  void SetList(int index, const std::string& text);
  LONG_PTR ItemData(int index) const;
  void SetItemData(int index, LONG_PTR data);
  int NewIndex() const { return newIndex_; }
  int ListIndex() const;
  void SetListIndex(int index);  // raises Click, whatever the index was
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  int SelCount() const;

 protected:
  void Create(HWND parent) override;
  void OnCommand(WORD code) override;
  int DefaultBackColorIndex() const override { return COLOR_WINDOW; }

 private:
  bool MultiSelect() const { return design_.multiSelect; }
  int newIndex_ = -1;
  int current_ = -1;  // the current item of a multi-select list
};

class ComboBox : public Control {
 public:
  using Control::Control;
  int AddItem(const std::string& text, int index = -1);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const;
  std::string List(int index) const;
  LONG_PTR ItemData(int index) const;
  void SetItemData(int index, LONG_PTR data);
  int NewIndex() const { return newIndex_; }
  int ListIndex() const;
  void SetListIndex(int index);  // raises Click
  std::string Text() const;

 protected:
  void Create(HWND parent) override;
  void OnCommand(WORD code) override;

 private:
  int newIndex_ = -1;
};

// A list view in report mode; rows and columns count from 1 as the platform's did, column 1 being
// the item's own text.
class ListView : public Control {
 public:
  using Control::Control;
  void AddColumn(const std::string& caption, int widthTwips);
  int ColumnCount() const;
  int AddRow(const std::string& text);  // returns the row's number
  void SetCell(int row, int column, const std::string& text);
  std::string Cell(int row, int column) const;
  int RowCount() const;
  void Clear();

 protected:
  void Create(HWND parent) override;
};

// Icons for menus and pictures; each stays valid while the list is loaded.
// The pictures are read when they are first asked for, the system image list made when its handle
// is: a form that is loaded but never shows them pays for neither.
class ImageList : public Control {
 public:
  using Control::Control;
  int Count() const;
  HICON Icon(int number) const;  // number from 1; nullptr when out of range
  HIMAGELIST Handle() const;
  // Adds a copy of the icon; returns its number.
  int Add(HICON icon);
  ~ImageList() override;

 protected:
  void Create(HWND parent) override;

 private:
  struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DestroyIcon(h); }
  };
  void LoadDesignIcons() const;
  int Size() const { return design_.imageSize > 0 ? design_.imageSize : 16; }

  mutable bool designPending_ = false;  // loaded, its design pictures not read yet
  mutable std::vector<UniqueResource<IconTraits>> icons_;
  mutable HIMAGELIST list_ = nullptr;
};

class Timer : public Control {
 public:
  using Control::Control;
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  // Enabling (again) starts a fresh interval.
  void SetEnabled(bool enabled) override;

 protected:
  void Create(HWND parent) override;
  void Detach() override;

 private:
  friend class Form;
  void Restart();
  HWND owner_ = nullptr;
  int interval_ = 0;
};

namespace ole {
class ControlSite;
class ControlEventSink;
}  // namespace ole

// An event of a COM control: its name and its arguments, first first; an argument passed by
// reference can be written through.
struct ObjectEvent {
  std::string name;
  std::vector<VARIANT*> args;
};

// A COM (ActiveX) control of the class the design names (a CLSID in braces, or a ProgID), held as
// the platform's forms hold one: a site with the ambient properties, an extender and the form's
// object model; the design's property values read through a property bag; its events reach
// Form::Control_Event.
class OleControl : public Control {
 public:
  using Control::Control;
  ~OleControl() override;
  // The control's own Automation object; null before creation and after the form unloaded.
  IDispatch* Object() const { return dispatch_.get(); }
  // The control's events, to the form's handler.
  void RaiseEvent(ObjectEvent& event);

 protected:
  void Create(HWND parent) override;
  void Detach() override;
  void Moved() override;

 private:
  friend class ole::ControlSite;
  HRESULT Instantiate(HWND parent);
  void ActivateInPlace(HWND parent);

  rt::ComPtr<IOleObject> object_;
  rt::ComPtr<IDispatch> dispatch_;
  ole::ControlSite* site_ = nullptr;        // a reference of ours
  ole::ControlEventSink* events_ = nullptr;  // a reference of ours, advised on the control
  DWORD misc_ = 0;
};

}  // namespace rt
