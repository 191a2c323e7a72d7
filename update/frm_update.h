#pragma once
// frmUpdate: the translucent notice that rises out of the work area's bottom-right corner with a
// chime, counts down seven seconds and sinks away; a click (except on the countdown) starts the
// update. Its labels are raw child windows until the runtime has controls of its own.
#include <string>

#include "form.h"
#include "scoped_win.h"

class FrmUpdate final : public rt::Form {
 public:
  FrmUpdate() : rt::Form("frmUpdate") {}

  // Each touch loads the notice first, as its first use does.
  void Label2(const std::string& caption);
  std::string Label4();
  void Timer1Enabled(bool enabled);
  // Above the other windows again, without taking the focus; nothing when it is not up.
  void BringForward();

  // Position and outer size in twips. The position is kept in twips and only converted to whole
  // pixels when the window is placed, so that steps smaller than a pixel add up.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const;
  int Height() const;
  void Move(int left, int top);

  enum ControlId { kImage1 = 1, kLabel1 = 11, kLabel2, kLabel3, kLabel4, kLabel5 };

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void CreateControls();
  void SetCaption(ControlId id, const std::string& caption);
  void FitToText(ControlId id);
  void Timer1_Timer();
  void StartUpdate();  // every click handler
  bool OnControlColour(HDC dc, HWND control, LRESULT& result);

  int left_ = 0, top_ = 0;
  bool timer1Enabled_ = false;
  rt::GdiObject<HBRUSH> labelBrush_;
  rt::GdiObject<HFONT> font1425_, font2025_, font2175_;
};

FrmUpdate& frmUpdate();
