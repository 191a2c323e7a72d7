#include "bench_form.h"

#include <string>

namespace amb::bench {
namespace {

using test::FakeForm;
using test::FakePtr;
using test::MakeFake;
using test::MakePicture;

FakePtr ImageListOf(FakeForm& f, int images) {
  FakePtr list = MakeFake(f.stats, "ImageList");
  FakePtr entries = MakeFake(f.stats, "Collection");
  for (int i = 1; i <= images; ++i) {
    FakePtr image = MakeFake(f.stats, "ListImage");
    image->members = {{"Picture", HostObjectPtr(MakePicture(f.stats, 240, 240))}, {"Key", "k" + std::to_string(i)},
                      {"Tag", std::string()}};
    entries->items.push_back(image);
  }
  test::FakeObject* e = entries.get();
  entries->onCall = [e, stats = f.stats](std::string_view m, const std::vector<HostValue>& args, HostValue*) {
    if (m == "Clear") {
      e->items.clear();
      return HostStatus{};
    }
    if (m == "Add") {
      FakePtr image = MakeFake(stats, "ListImage");
      image->members = {{"Picture", args[2]}, {"Key", args[1]}, {"Tag", std::string()}};
      e->items.push_back(image);
      return HostStatus{};
    }
    return HostStatus::Failed("unhandled");
  };
  list->members = {{"Name", std::string("imlTools")}, {"ListImages", HostObjectPtr(entries)}, {"ImageWidth", 16.0},
                   {"ImageHeight", 16.0}};
  list->container = f.form;
  f.Register(list);
  return list;
}

}  // namespace

void BuildFakeForm(BenchForm& bench, int controls) {
  FakeForm& f = bench.form;
  f.Resize(12000, 9000);
  FakePtr list = ImageListOf(f, 50);
  FakePtr toolbar = f.Add("Toolbar", "tbrMain", {0, 0, 12000, 400});
  toolbar->members["Buttons"] = HostObjectPtr(MakeFake(f.stats, "Collection"));
  toolbar->members["ButtonWidth"] = 345.0;
  toolbar->members["ButtonHeight"] = 330.0;
  toolbar->members["ImageList"] = HostObjectPtr(list);
  FakePtr outer, inner;
  for (int i = 0; i < controls; ++i) {
    std::string name = "ctl" + std::to_string(i);
    float x = float(100 + (i % 40) * 290), y = float(500 + (i / 40 % 28) * 300);
    int kind = i % 20;
    if (kind < 2) {  // lines
      f.AddLine(name, x, y, x + 250, y);
      continue;
    }
    if (kind == 2 && i % 100 == 2) {  // a frame holding a frame, every hundred controls
      outer = f.Add("Frame", name, {x, y, 3000, 2000});
      inner = f.Add("Frame", name + "in", {100, 100, 2000, 1500}, outer);
      continue;
    }
    FakePtr c;
    if (kind < 4 && inner) {  // in containers nested two deep
      c = f.Add("TextBox", name, {float(10 * (i % 50)), 100, 500, 300}, kind == 2 ? outer : inner);
    } else {
      c = f.Add(kind == 4 ? "Image" : "Label", name, {x, y, 250, 250});
    }
    if (kind == 4) c->members["Picture"] = HostObjectPtr(MakePicture(f.stats, 960, 960));  // 64 x 64 px
    if (kind == 5) {
      bench.flags.Ensure(name)[DontScale::Right] = true;
      bench.flags.Ensure(name)[DontScale::Bottom] = true;
    }
    if (kind < 16) FakeForm::GiveFont(c, "Font", 8.25);
  }
}

}  // namespace amb::bench
