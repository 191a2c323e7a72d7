// Numbers a host object answers (a form, its controls, the control's own stored properties), taken
// from the input: anything from a plain size to 1e300, NaN and a count of 2e9. The capture, the
// resize passes and the property pages' models take every one of them without undefined behaviour
// and without calling back as many times as a huge count says.
#include <cstring>

#include "decimal_numbers.h"
#include "fake_host_object.h"
#include "fuzz_input.h"
#include "pages/exclusion_page_model.h"
#include "pages/form_effects_model.h"
#include "pages/general_page_model.h"

using namespace amb;
using test::FakeObject;
using test::FakePtr;
using test::MakeFake;
using test::MakePicture;

namespace {

// Mostly ordinary values (whole multiples of 60 twips, negative ones too); now and then the raw
// eight bytes of a double, so that huge, tiny, infinite and NaN values come too.
class Numbers {
 public:
  Numbers(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  double Next() {
    if (at_ >= size_) return 0;
    const uint8_t b = data_[at_++];
    if (b < 0xF0 || size_ - at_ < sizeof(double)) return (b - 0x40) * 60.0;
    double d;
    std::memcpy(&d, data_ + at_, sizeof d);
    at_ += sizeof d;
    return d;
  }

 private:
  const uint8_t* data_;
  size_t size_, at_ = 0;
};

// The control itself: a member or indexed value it was given no value for answers a number.
class AnswersNumbers : public FakeObject {
 public:
  AnswersNumbers(std::shared_ptr<test::FakeStats> stats, Numbers& numbers)
      : FakeObject(std::move(stats), "Ambrelo"), numbers_(numbers) {}
  HostStatus Get(std::string_view member, HostValue& out) override {
    if (FakeObject::Get(member, out)) return {};
    out = numbers_.Next();
    return {};
  }
  HostStatus GetAt(std::string_view member, const HostValue& index, HostValue& out) override {
    if (FakeObject::GetAt(member, index, out)) return {};
    out = numbers_.Next();
    return {};
  }
  HostStatus Let(std::string_view, const HostValue&) override { return {}; }
  HostStatus LetAt(std::string_view, const HostValue&, const HostValue&) override { return {}; }

 private:
  Numbers& numbers_;
};

void Give(const FakePtr& object, std::initializer_list<const char*> members, Numbers& in) {
  for (const char* m : members) object->members[m] = in.Next();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Numbers in(data, size);
  test::FakeForm f;
  Give(f.form, {"ScaleWidth", "ScaleHeight", "BackColor"}, in);
  f.form->members["Picture"] = HostObjectPtr(MakePicture(f.stats, in.Next(), in.Next()));

  FakePtr text = f.Add("TextBox", "Text1", {});
  Give(text, {"Left", "Top", "Width", "Height", "BorderWidth"}, in);
  test::FakeForm::GiveFont(text, "Font", in.Next());
  text->members["Picture"] = HostObjectPtr(MakePicture(f.stats, in.Next(), in.Next()));
  FakePtr tabs = f.Add("SSTab", "Tab1", {});
  Give(tabs, {"Left", "Top", "Width", "Height", "Tabs", "TabHeight", "TabOrientation", "TabsPerRow"}, in);
  for (int i = 0; i < 3; ++i) tabs->indexed["TabPicture"][i] = HostObjectPtr(MakePicture(f.stats, in.Next(), in.Next()));
  FakePtr line = f.AddLine("Line1", 0, 0, 0, 0);
  Give(line, {"X1", "Y1", "X2", "Y2", "BorderWidth"}, in);
  FakePtr bar = f.Add("Toolbar", "Bar1", {});
  Give(bar, {"Left", "Top", "Width", "Height", "ButtonWidth", "ButtonHeight"}, in);
  bar->members["Buttons"] = HostObjectPtr(MakeFake(f.stats, "Collection"));
  FakePtr images = MakeFake(f.stats, "ListImages");
  Give(images, {"Count"}, in);
  FakePtr list = MakeFake(f.stats, "ImageList");
  list->members = {{"Name", std::string("Images1")}, {"ListImages", HostObjectPtr(images)}};
  Give(list, {"ImageWidth", "ImageHeight"}, in);
  list->container = f.form;
  f.Register(list);

  AmbreloSettings settings;
  settings.design.scaleWidth = 6000;
  settings.design.scaleHeight = 4000;
  settings.formPicture = static_cast<int32_t>(fuzz::ByteAt(fuzz::Text(data, size), 0) % 4);  // none, fit, centre, tile
  FlagRecords flags;
  ResizeState state;
  test::RecordingEngineHost host{f};
  test::FakePictureTools tools{f.stats};
  test::FakeMoves moves;
  ResizeEngine engine{settings, state, flags, host, tools, moves};
  host.initialised = false;
  engine.ResizeControls();
  engine.ResizeControls();
  host.initialised = true;
  for (int pass = 0; pass < 2; ++pass) {
    f.Resize(in.Next(), in.Next());
    engine.ResizeControls();
  }

  // The property pages read the control's own values, the stored flag list among them.
  auto control = std::make_shared<AnswersNumbers>(f.stats, in);
  control->members["FormControls"] = HostObjectPtr(f.parentControls);
  control->members["WindowName"] = std::string("Main");
  for (int i = 0; i < 4; ++i) control->indexed[std::string(kFlagKeyPropertyName)][i] = std::string(i % 2 ? "Text1" : "Tab1");
  pages::GeneralContents general;
  pages::LoadGeneral(*control, general);
  pages::ApplyGeneral(*control, test::DecimalNumbers(), general);
  pages::EffectsContents effects;
  pages::LoadEffects(*control, test::DecimalNumbers(","), effects);
  std::vector<FlagEntry> stored;
  pages::ReadStoredList(*control, stored);
  for (pages::ExclusionKind kind : {pages::ExclusionKind::Borders, pages::ExclusionKind::Fonts,
                                    pages::ExclusionKind::Graphics, pages::ExclusionKind::Controls}) {
    pages::ReadBanner(kind, *control);
    pages::ExclusionModel model(kind);
    if (model.Build(*control)) model.Apply(*control);
  }
  return 0;
}
