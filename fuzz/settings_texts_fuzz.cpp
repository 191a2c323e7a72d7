// The small parsers of what the settings and the menus hand over as text: hot-key names, the
// countdown's TimeOut, Font and counter, a form's stored placement, a list panel's choice, the
// access letters of a popup and the parts of a path. Each takes any text and keeps its own range.
#include <cfloat>
#include <cmath>

#include "caption_text.h"
#include "countdown_rules.h"
#include "form_placement.h"
#include "fuzz_input.h"
#include "menu_keys.h"
#include "panel_choice.h"
#include "path_parts.h"
#include "vb_hot_key_names.h"

namespace {

void HotKeys(const std::string& text) {
  uint8_t id = 0, vk = 0;
  DozIzevodoz::GetHotKeyId(text, id, vk);
  const std::string box = DozIzevodoz::SkippedHotKeysText({{0, text}, {11, text}});
  fuzz::Check(box.size() < 400, "a skipped value is shown short");
  std::string shown = box;
  modMenus::ReplaceAll(shown, "\r\n", "");
  for (unsigned char c : shown) fuzz::Check(c >= 0x20 && c != 0x7F, "no control character reaches the box but its line breaks");
}

void Countdown(const std::string& text) {
  fuzz::Check(DozIzevodoz::IsCountdownTimeOut(DozIzevodoz::CountdownSeconds(text)), "the countdown starts from a time it takes");
  const double size = DozIzevodoz::CountdownFontSize(text);
  fuzz::Check(size >= 1 && size <= 200, "the countdown's font size is within its range");
  DozIzevodoz::NextCountdownTick(text);
}

void Placement(std::string_view text) {
  if (std::optional<float> n = amb::PlacementNumber(text))
    fuzz::Check(std::isfinite(*n) && std::fabs(*n) <= FLT_MAX, "a stored placement is a finite Single");
  amb::PlacementState(text);
}

void Popup(std::string_view caption, std::string_view letter) {
  modMenus::DecodePanelChoice(caption);
  std::vector<std::string> accelerators;
  for (std::string_view rest = caption; !rest.empty();) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    accelerators.push_back(modMenus::GetAccelerator(rest.substr(0, end)));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  const uint32_t answer = modMenus::MenuCharAnswer(
      accelerators, letter, [](std::string_view a, std::string_view b) { return modMenus::EqualsNoCase(a, b); },
      [&](int position) { return position == static_cast<int>(letter.size()); });
  const int executed = modMenus::ExecutedPosition(answer);
  fuzz::Check(executed >= -1 && executed < static_cast<int>(accelerators.size()), "an executed item is one of the popup's");
}

void Paths(std::string_view path, std::string_view part) {
  modMenus::StripFile(path, part);
  std::vector<std::string> items;
  for (char c : path) items.emplace_back(1, c);
  modMenus::SortTexts(items, modMenus::CompareAsciiNoCase);
  for (size_t i = 1; i < items.size(); ++i)
    fuzz::Check(modMenus::CompareAsciiNoCase(items[i - 1], items[i]) <= 0, "a sorted list is in order");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto f = fuzz::Fields(data, size, 2);
  const std::string first(f[0]);
  HotKeys(first);
  Countdown(first);
  Placement(f[0]);
  Popup(f[0], f[1]);
  Paths(f[0], f[1]);
  return 0;
}
