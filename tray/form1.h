#pragma once
// The countdown windows: Form1 for a request from the tray or a hot key, Form2 for a request on
// the command line. Both count the seconds down once a second, show the pending action, and start
// it at zero; ENTER (held as a hot key while they count) or a click on the bare window cancels.
#include <string>

#include "form.h"

namespace tray {

class CountdownForm : public rt::Form {
 public:
  enum class Variant { Tray, CommandLine };
  CountdownForm(const char* name, Variant variant) : rt::Form(name), variant_(variant) {}

  // Label2: the action (or "Run Tasks"); Label3: the seconds left. Touching either loads the window.
  void SetActionCaption(const std::string& caption);
  void SetSeconds(const std::string& seconds);
  // Hides the window and stops the count where it is.
  void Pause();
  // Stops the count and unloads the window. The tray window then tells the owner of the pending
  // actions, which withdraws the request it counted for (when it was on screen).
  void Cancel();
  // Whether the window is loaded and counting (a timer running).
  bool Counting();
  // Whether this window holds ENTER as its cancel key now.
  bool HoldsEnter() const { return enterRegistered_; }
  // The colour depth the gradient was measured at (0 before the first measure).
  int ColourDepth() const;

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void Form_Click() override;
  void Timer_Timer(rt::Timer& sender) override;

 private:
  template <class Body>
  void LoadStep(Body&& body);
  void FadeForm();
  void CountOneSecond();
  void ShowLabel4ForCaption();
  void ReleaseEnter();
  rt::Label& Label(const char* name) { return Ctl<rt::Label>(name); }
  rt::Timer& Timer(const char* name) { return Ctl<rt::Timer>(name); }

  Variant variant_;
  int depth_ = 0;
  bool enterRegistered_ = false;
};

CountdownForm& Form1();

}  // namespace tray
