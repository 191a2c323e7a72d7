#include "settings_persistence.h"

#include <array>
#include <string_view>
#include <type_traits>
#include <utility>

#include "property_limits.h"

namespace amb {
namespace {

// One stored value: its bag name, its default (whose type is the type read), and how it goes
// into and out of the settings.
struct Field {
  std::string_view name;
  BagValue defaultValue;
  BagValue (*get)(const AmbreloSettings&);
  bool (*set)(AmbreloSettings&, const BagValue&);
};

template <auto Member>
using MemberType = std::remove_cvref_t<decltype(std::declval<AmbreloSettings&>().*Member)>;

template <auto Member>
BagValue GetMember(const AmbreloSettings& s) {
  return BagValue(s.*Member);
}

template <auto Member>
bool SetMember(AmbreloSettings& s, const BagValue& v) {
  s.*Member = std::get<MemberType<Member>>(v);
  return true;
}

template <auto Member>
Field Plain(std::string_view name, MemberType<Member> def) {
  return Field{name, BagValue(def), &GetMember<Member>, &SetMember<Member>};
}

// Effects are read as Long and kept in 16 bits; a stored value outside them changes nothing.
template <auto Member>
bool SetEffect(AmbreloSettings& s, const BagValue& v) {
  std::optional<int16_t> narrowed = NarrowEffect(std::get<int32_t>(v));
  if (!narrowed) return false;
  s.*Member = *narrowed;
  return true;
}

template <auto Member>
Field Effect(std::string_view name) {
  return Field{name, BagValue(int32_t{0}), &GetMember<Member>, &SetEffect<Member>};
}

using S = AmbreloSettings;

const Field kEnabled = Plain<&S::enabled>("Enabled", true);

// Read and written in this order before the flag list; read straight into the fields, without the
// limits of the property accessors.
const std::array kLeadingFields = {
    Plain<&S::scaleFonts>("ScaleFonts", true),
    Plain<&S::centerX>("CenterX", false),
    Plain<&S::centerY>("CenterY", false),
    Plain<&S::gradientFill>("GradientFill", false),
    Plain<&S::gradientColour>("GradientColour", kDefaultGradientColour),
    Plain<&S::gradientColour2>("GradientColour2", 0),
    Plain<&S::gradientMidColour>("GradientMidColour", 0),
    Plain<&S::gradientType>("GradientType", 0),
    Plain<&S::gradientSource>("GradientSource", 0),
    Plain<&S::scaleControls>("ScaleControls", true),
    Plain<&S::scaleX>("ScaleX", 0),
    Plain<&S::scaleY>("ScaleY", 0),
    Plain<&S::stayOnTop>("StayOnTop", false),
    Plain<&S::minWidth>("MinWidth", 0),
    Plain<&S::minHeight>("MinHeight", 0),
    Plain<&S::maxWidth>("MaxWidth", 0),
    Plain<&S::maxHeight>("MaxHeight", 0),
    Plain<&S::scaleBorders>("ScaleBorders", true),
    Plain<&S::resizeOnMouseUp>("ResizeOnMouseUp", true),
};

const Field kScaleGraphics = Plain<&S::scaleGraphics>("ScaleGraphics", true);
const Field kReplaceFontsWith = Plain<&S::replaceFontsWith>("ReplaceFontsWith", kNoReplacementFont);
const Field kSaveWindowState = Plain<&S::saveWindowState>("SaveWindowState", false);
const Field kWindowName = Plain<&S::windowName>("WindowName", "");
const Field kMdiChildWidth = Plain<&S::mdiChildWidth>("MdiChildWidth", 0);
const Field kMdiChildHeight = Plain<&S::mdiChildHeight>("MdiChildHeight", 0);
const Field kFormPicture = Plain<&S::formPicture>("FormPicture", 0);
const Field kFormClose = Effect<&S::formClose>("FormClose");
const Field kFormOpen = Effect<&S::formOpen>("FormOpen");
const Field kFormCloseTime = Plain<&S::formCloseTime>("FormCloseTime", 1.0f);
const Field kFormOpenTime = Plain<&S::formOpenTime>("FormOpenTime", 1.0f);
const Field kBeepOnMinMax = Plain<&S::beepOnMinMax>("BeepOnMinMax", true);
const Field kResizeAtOnce = Plain<&S::resizeAtOnce>("ResizeAtOnce", true);
struct DesignField {
  std::string_view name;
  float DesignSize::*member;
};
constexpr std::array<DesignField, 4> kDesignFields = {{
    {"DesignFormWidth", &DesignSize::width},
    {"DesignFormHeight", &DesignSize::height},
    {"DesignFormScaleWidth", &DesignSize::scaleWidth},
    {"DesignFormScaleHeight", &DesignSize::scaleHeight},
}};

constexpr std::string_view kCountName = "ControlFlagCount";

// Missing: the default; unreadable or refused: the field keeps its value.
void ReadInto(BagReader& bag, std::string_view name, const BagValue& def, AmbreloSettings& s,
              bool (*set)(AmbreloSettings&, const BagValue&)) {
  BagValue value;
  switch (bag.Read(name, TypeOf(def), value)) {
    case ReadStatus::Found: set(s, value); break;
    case ReadStatus::Missing: set(s, def); break;
    case ReadStatus::Unreadable: break;
  }
}

void ReadField(BagReader& bag, const Field& f, AmbreloSettings& s) { ReadInto(bag, f.name, f.defaultValue, s, f.set); }

template <class T>
T ReadEntryValue(BagReader& bag, const std::string& name, T fallback) {
  BagValue value;
  if (bag.Read(name, TypeOf(BagValue(fallback)), value) == ReadStatus::Found) return std::get<T>(value);
  return fallback;
}

// A negative stored count would size no arrays and be saved back, losing the list: it reads as 0.
void ReadFlagList(BagReader& bag, AmbreloSettings& s, FlagRecords& records) {
  BagValue value;
  int16_t count = 0;
  if (bag.Read(kCountName, BagType::Integer, value) == ReadStatus::Found) count = std::get<int16_t>(value);
  s.flags.Resize(count < 0 ? int16_t{0} : count);
  for (int i = 1; i <= s.flags.Count(); ++i) {
    FlagEntry& entry = *s.flags.Entry(i);
    entry.key = ReadEntryValue(bag, EntryBagName(kFlagKeyPropertyName, i), entry.key);
    for (DontScale f : kAllDontScale) entry[f] = ReadEntryValue(bag, EntryBagName(FlagPropertyName(f), i), entry[f]);
    records.Ensure(entry.key).flags = entry.flags;
  }
}

void WriteValue(BagWriter& bag, std::string_view name, const BagValue& value, const BagValue& def) {
  if (!SameBagValue(value, def)) bag.Write(name, value);
}

void WriteField(BagWriter& bag, const Field& f, const AmbreloSettings& s) {
  WriteValue(bag, f.name, f.get(s), f.defaultValue);
}

void WriteFlagList(const AmbreloSettings& s, BagWriter& bag) {
  WriteValue(bag, kCountName, BagValue(s.flags.Count()), BagValue(int16_t{0}));
  for (int i = 1; i <= s.flags.Count(); ++i) {
    const FlagEntry& entry = *s.flags.Entry(i);
    WriteValue(bag, EntryBagName(kFlagKeyPropertyName, i), BagValue(entry.key), BagValue(std::string()));
    for (DontScale f : kAllDontScale) WriteValue(bag, EntryBagName(FlagPropertyName(f), i), BagValue(entry[f]), BagValue(false));
  }
}

}  // namespace

void ReadSettings(BagReader& bag, AmbreloSettings& s, FlagRecords& records) {
  ReadField(bag, kEnabled, s);
  for (const Field& f : kLeadingFields) ReadField(bag, f, s);
  ReadFlagList(bag, s, records);
  for (const Field* f : {&kScaleGraphics, &kReplaceFontsWith, &kSaveWindowState, &kWindowName, &kMdiChildWidth,
                         &kMdiChildHeight})
    ReadField(bag, *f, s);
  for (const DesignField& f : kDesignFields) {
    BagValue value;
    ReadStatus status = bag.Read(f.name, BagType::Single, value);
    if (status == ReadStatus::Found) s.design.*f.member = std::get<float>(value);
    if (status == ReadStatus::Missing) s.design.*f.member = 0;
  }
  for (const Field* f : {&kFormPicture, &kFormClose, &kFormOpen, &kFormCloseTime, &kFormOpenTime, &kBeepOnMinMax,
                         &kResizeAtOnce})
    ReadField(bag, *f, s);
}

void WriteSettings(const AmbreloSettings& s, const DesignSize& design, BagWriter& bag) {
  for (const Field& f : kLeadingFields) WriteField(bag, f, s);
  WriteFlagList(s, bag);
  for (const Field* f : {&kScaleGraphics, &kReplaceFontsWith, &kSaveWindowState, &kWindowName, &kMdiChildHeight,
                         &kMdiChildWidth, &kFormPicture, &kFormClose, &kFormOpen, &kFormCloseTime, &kFormOpenTime,
                         &kBeepOnMinMax, &kResizeAtOnce, &kEnabled})
    WriteField(bag, *f, s);
  for (const DesignField& f : kDesignFields) WriteValue(bag, f.name, BagValue(design.*f.member), BagValue(0.0f));
}

}  // namespace amb
