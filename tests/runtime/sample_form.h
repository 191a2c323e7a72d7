#pragma once
// A form of the test suite with one control of every kind, a frame and a picture box nested in
// it, and a small menu tree; its events are recorded in order.
#include <string>
#include <vector>

#include "form.h"

namespace test {

inline constexpr int kTestIcon = 101;

class SampleForm : public rt::Form {
 public:
  SampleForm() : rt::Form("frmSample") {}

  std::vector<std::string> events;  // "lblHello_Click", "Form_Click", "tmrTick_Timer", ...
  std::function<void(rt::Control&)> onClick;
  std::function<void(rt::Timer&)> onTimer;
  std::function<void(rt::MenuItem&)> onMenu;
  std::function<void()> onLoad;
  bool paintGradient = false;
  bool recordMouse = false;  // the real mouse over the window must not disturb the other tests

  rt::Label& lblHello() { return Ctl<rt::Label>("lblHello"); }
  rt::Label& lblCount() { return Ctl<rt::Label>("lblCount"); }
  rt::ListBox& lstItems() { return Ctl<rt::ListBox>("lstItems"); }
  rt::OptionButton& optOne() { return Ctl<rt::OptionButton>("optChoice", 0); }
  rt::OptionButton& optTwo() { return Ctl<rt::OptionButton>("optChoice", 1); }
  rt::CheckBox& chkFlag() { return Ctl<rt::CheckBox>("chkFlag"); }
  rt::CommandButton& cmdGo() { return Ctl<rt::CommandButton>("cmdGo"); }
  rt::TextBox& txtName() { return Ctl<rt::TextBox>("txtName"); }
  rt::Timer& tmrTick() { return Ctl<rt::Timer>("tmrTick"); }

  static constexpr int kClientWidth = 7200, kClientHeight = 5400;

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_Click() override { events.push_back("Form_Click"); }
  void Form_MouseMove(int, int, double, double) override {
    if (recordMouse) events.push_back("Form_MouseMove");
  }
  void Control_Click(rt::Control& sender) override;
  void Control_Change(rt::Control& sender) override { Record(sender, "Change"); }
  void Control_MouseMove(rt::Control& sender, int, int, double, double) override {
    if (recordMouse) Record(sender, "MouseMove");
  }
  void Control_MouseUp(rt::Control& sender, int button, int, double, double) override;
  void Timer_Timer(rt::Timer& sender) override;
  void Form_OLEDragDrop(const std::vector<std::string>& files) override { events.push_back("Form_OLEDragDrop " + files[0]); }
  void Control_OLEDragDrop(rt::Control& sender, const std::vector<std::string>& files) override {
    Record(sender, ("OLEDragDrop " + files[0] + " of " + std::to_string(files.size())).c_str());
  }
  void Menu_Click(rt::MenuItem& item) override;

 private:
  void Record(rt::Control& sender, const char* event);
};

SampleForm& frmSample();

}  // namespace test
