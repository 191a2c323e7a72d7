#include "record_objects.h"

#include <cmath>
#include <limits>
#include <new>
#include <span>
#include <type_traits>
#include <variant>

#include "com_object.h"
#include "dispatch_object.h"
#include "ole/automation.h"
#include "ole/object_model_types.h"
#include "rounding.h"

namespace amb {
namespace {

using rt::ole::Access;
using rt::ole::Call;
using rt::ole::MemberInfo;
using rt::ole::MemberKind;
using rt::ole::RuntimeError;

constexpr auto kKeyTaken = static_cast<RuntimeError>(457);
constexpr const char* kKeyTakenText = "This key is already associated with an element of this collection";

// One member of a record: where its value lives.
template <class Record>
struct Field {
  struct FontSize { int font; };
  struct FontName { int font; };
  struct Kind {};
  std::variant<float Record::*, bool Record::*, int16_t Record::*, std::string Record::*, HostObjectPtr Record::*,
               IndexedList<HostValue> Record::*, IndexedList<HostObjectPtr> Record::*,
               IndexedList<std::string> Record::*, FontSize, FontName, Kind, DontScale>
      at;
};

template <class Record>
struct RecordMember {
  const wchar_t* name;
  Field<Record> field;
};

using CR = ControlRecord;
using Info = RecordMember<CR>;
using FontSize = Field<CR>::FontSize;
using FontName = Field<CR>::FontName;

// In the order of the record's slots; fonts follow kFontMembers (Font, DayFont, GridFont, TitleFont, HeadFont).
const Info kControlClassMembers[] = {
    {L"Bottom", {&CR::bottom}},
    {L"Right", {&CR::right}},
    {L"yScale", {&CR::yScale}},
    {L"xScale", {&CR::xScale}},
    {L"HeadFontSize", {FontSize{4}}},
    {L"HeadFontName", {FontName{4}}},
    {L"ControlHasNodes", {&CR::hasNodes}},
    {L"TitleFontSize", {FontSize{3}}},
    {L"TitleFontName", {FontName{3}}},
    {L"GridFontSize", {FontSize{2}}},
    {L"GridFontName", {FontName{2}}},
    {L"DayFontSize", {FontSize{1}}},
    {L"DayFontName", {FontName{1}}},
    {L"GraphicIsScaleable", {&CR::graphicIsScaleable}},
    {L"ID", {&CR::id}},
    {L"ControlIsScaleable", {&CR::controlIsScaleable}},
    {L"LastHeight", {&CR::lastHeight}},
    {L"LastWidth", {&CR::lastWidth}},
    {L"LastLeft", {&CR::lastLeft}},
    {L"LastTop", {&CR::lastTop}},
    {L"FormHeight", {&CR::formHeight}},
    {L"FormWidth", {&CR::formWidth}},
    {L"ControlHasTwoImageLists", {&CR::hasTwoImageLists}},
    {L"ControlHasImageList", {&CR::hasImageList}},
    {L"ControlHasTabs", {&CR::hasTabs}},
    {L"ControlHasButtons", {&CR::hasButtons}},
    {L"ImageList", {&CR::imageList}},
    {L"BorderWidth", {&CR::borderWidth}},
    {L"FontName", {FontName{0}}},
    {L"FontSize", {FontSize{0}}},
    {L"ButtonHeight", {&CR::buttonHeight}},
    {L"ButtonWidth", {&CR::buttonWidth}},
    {L"ButtonImage", {&CR::buttonImage}},
    {L"TabImage", {&CR::tabImage}},
    {L"NodeImage", {&CR::nodeImage}},
    {L"SmallIconImage", {&CR::smallIconImage}},
    {L"IconImage", {&CR::iconImage}},
    {L"SmallIconsImageList", {&CR::smallIconsImageList}},
    {L"IconsImageList", {&CR::iconsImageList}},
    {L"TabHeight", {&CR::tabHeight}},
    {L"TabPicture", {&CR::tabPicture}},
    {L"ImageListPicture", {&CR::imageListPicture}},
    {L"ImageListKey", {&CR::imageListKey}},
    {L"ImageListTag", {&CR::imageListTag}},
    {L"ImageListWidth", {&CR::imageListWidth}},
    {L"ImageListHeight", {&CR::imageListHeight}},
    {L"ImageListCount", {&CR::imageListCount}},
    {L"SpecialControlType", {Field<CR>::Kind{}}},
    {L"X1", {&CR::x1}},
    {L"X2", {&CR::x2}},
    {L"Y1", {&CR::y1}},
    {L"Y2", {&CR::y2}},
    {L"Left", {&CR::left}},
    {L"Top", {&CR::top}},
    {L"Width", {&CR::width}},
    {L"Height", {&CR::height}},
    {L"Picture", {&CR::picture}},
    {L"DownPicture", {&CR::downPicture}},
    {L"DisabledPicture", {&CR::disabledPicture}},
};

using FR = FlagRecord;
const RecordMember<FR> kControlFlagsMembers[] = {
    {L"Control", {&FR::control}},
    {L"DontScaleBottom", {DontScale::Bottom}},
    {L"DontScaleRight", {DontScale::Right}},
    {L"DontScaleHeight", {DontScale::Height}},
    {L"DontScaleWidth", {DontScale::Width}},
    {L"DontScaleTop", {DontScale::Top}},
    {L"DontScaleLeft", {DontScale::Left}},
    {L"DontScaleGraphic", {DontScale::Graphic}},
    {L"DontScaleBorder", {DontScale::Border}},
    {L"ControlKey", {&FR::controlKey}},
    {L"DontScaleFont", {DontScale::Font}},
    {L"DontScaleControl", {DontScale::Control}},
};

template <class Record>
std::span<const RecordMember<Record>> MembersOf();
template <>
std::span<const RecordMember<CR>> MembersOf<CR>() { return kControlClassMembers; }
template <>
std::span<const RecordMember<FR>> MembersOf<FR>() { return kControlFlagsMembers; }

template <class Record>
const wchar_t* TypeNameOf();
template <>
const wchar_t* TypeNameOf<CR>() { return L"ControlClass"; }
template <>
const wchar_t* TypeNameOf<FR>() { return L"ControlFlags"; }

// The member tables as the dispatch layer lists them: ids from 1 in slot order.
template <class Record>
const std::vector<MemberInfo>& DispatchMembers() {
  static const std::vector<MemberInfo> members = [] {
    std::vector<MemberInfo> v;
    DISPID id = 1;
    for (const RecordMember<Record>& m : MembersOf<Record>()) v.push_back({m.name, id++, MemberKind::Property});
    return v;
  }();
  return members;
}

HRESULT ReturnValue(Call& call, const HostValue& value) {
  ToVariant(value, call.Result());
  return S_OK;
}

HRESULT ReturnObject(Call& call, const HostObjectPtr& object) { return call.Return(DispatchOf(object.get())); }

HRESULT ReturnSingle(Call& call, float value) {
  V_VT(call.Result()) = VT_R4;
  V_R4(call.Result()) = value;
  return S_OK;
}

bool NewObject(Call& call, HostObjectPtr& out) {
  HostValue v = FromVariant(*call.NewValue());
  if (std::holds_alternative<std::monostate>(v)) {
    out = nullptr;
    return true;
  }
  const HostObjectPtr* object = std::get_if<HostObjectPtr>(&v);
  if (!object) return false;
  out = *object;
  return true;
}

// A Single takes what fits in it, as the platform's conversion does; the rest overflows.
bool NewSingle(Call& call, float& out) {
  double value = 0;
  if (!call.NewDouble(value)) return false;
  std::optional<float> single = rt::SingleOf(value);
  if (!single) {
    call.Fail(RuntimeError::Overflow);
    return false;
  }
  out = *single;
  return true;
}

bool NewInteger(Call& call, int16_t& out) {
  LONG value = 0;
  if (!call.NewLong(value)) return false;
  if (value < -32768 || value > 32767) {
    call.Fail(RuntimeError::Overflow);
    return false;
  }
  out = static_cast<int16_t>(value);
  return true;
}

template <class T>
HRESULT RunIndexed(Call& call, IndexedList<T>& list) {
  LONG index = 0;
  if (call.Count() < 1) return call.Fail(RuntimeError::InvalidCall);
  if (!call.Long(0, index)) return DISP_E_EXCEPTION;
  if (call.access() != Access::Put) {
    const T* item = list.At(index);
    if (!item) return call.Fail(RuntimeError::SubscriptOutOfRange);
    if constexpr (std::is_same_v<T, HostValue>) return ReturnValue(call, *item);
    else if constexpr (std::is_same_v<T, HostObjectPtr>) return ReturnObject(call, *item);
    else return call.Return(*item);
  }
  if (index < 0 || index > 32767) return call.Fail(RuntimeError::SubscriptOutOfRange);
  T value{};
  if constexpr (std::is_same_v<T, HostValue>) {
    value = FromVariant(*call.NewValue());
  } else if constexpr (std::is_same_v<T, HostObjectPtr>) {
    if (!NewObject(call, value)) return call.Fail(RuntimeError::TypeMismatch);
  } else if (!call.NewText(value)) {
    return DISP_E_EXCEPTION;
  }
  list.Set(index, std::move(value));
  return S_OK;
}

// A record member read or written; every member is plain storage.
template <class Record>
HRESULT RunField(Record& r, const Field<Record>& field, Call& call) {
  bool put = call.access() == Access::Put;
  return std::visit(
      [&](auto at) -> HRESULT {
        using At = decltype(at);
        if constexpr (std::is_same_v<At, float Record::*>) {
          if (!put) return ReturnSingle(call, r.*at);
          if (!NewSingle(call, r.*at)) return DISP_E_EXCEPTION;
        } else if constexpr (std::is_same_v<At, bool Record::*>) {
          if (!put) return call.ReturnBool(r.*at);
          bool v = false;
          if (!call.NewBool(v)) return DISP_E_EXCEPTION;
          r.*at = v;
        } else if constexpr (std::is_same_v<At, int16_t Record::*>) {
          if (!put) return call.ReturnInteger(r.*at);
          if (!NewInteger(call, r.*at)) return DISP_E_EXCEPTION;
        } else if constexpr (std::is_same_v<At, std::string Record::*>) {
          if (!put) return call.Return(r.*at);
          if (!call.NewText(r.*at)) return DISP_E_EXCEPTION;
        } else if constexpr (std::is_same_v<At, HostObjectPtr Record::*>) {
          if (!put) return ReturnObject(call, r.*at);
          if (!NewObject(call, r.*at)) return call.Fail(RuntimeError::TypeMismatch);
        } else if constexpr (std::is_same_v<At, IndexedList<HostValue> Record::*> ||
                             std::is_same_v<At, IndexedList<HostObjectPtr> Record::*> ||
                             std::is_same_v<At, IndexedList<std::string> Record::*>) {
          return RunIndexed(call, r.*at);
        } else if constexpr (std::is_same_v<At, DontScale>) {
          if constexpr (std::is_same_v<Record, FR>) {
            if (!put) return call.ReturnBool(r[at]);
            bool v = false;
            if (!call.NewBool(v)) return DISP_E_EXCEPTION;
            r[at] = v;
          }
        } else if constexpr (std::is_same_v<Record, CR>) {
          if constexpr (std::is_same_v<At, FontSize>) {
            if (!put) return ReturnSingle(call, r.fonts[at.font].size);
            if (!NewSingle(call, r.fonts[at.font].size)) return DISP_E_EXCEPTION;
          } else if constexpr (std::is_same_v<At, FontName>) {
            if (!put) return call.Return(r.fontNames[at.font]);
            if (!call.NewText(r.fontNames[at.font])) return DISP_E_EXCEPTION;
          } else if constexpr (std::is_same_v<At, Field<CR>::Kind>) {
            if (!put) return call.ReturnInteger(static_cast<int16_t>(r.kind));
            int16_t v = 0;
            if (!NewInteger(call, v)) return DISP_E_EXCEPTION;
            r.kind = static_cast<ControlKind>(v);
          }
        }
        return S_OK;
      },
      field.at);
}

// Private identities: what a collection or record of this library answers, so that the library
// knows its own objects when a host hands them back.
constexpr IID kControlInfoCollectionIid = {0x5b0e7c41, 0x2f6d, 0x4a8e, {0x9c, 0x1d, 0x6e, 0x3a, 0x70, 0x15, 0xc2, 0x01}};
constexpr IID kControlFlagsCollectionIid = {0x5b0e7c41, 0x2f6d, 0x4a8e, {0x9c, 0x1d, 0x6e, 0x3a, 0x70, 0x15, 0xc2, 0x02}};
constexpr IID kControlClassIid = {0x5b0e7c41, 0x2f6d, 0x4a8e, {0x9c, 0x1d, 0x6e, 0x3a, 0x70, 0x15, 0xc2, 0x03}};
constexpr IID kControlFlagsIid = {0x5b0e7c41, 0x2f6d, 0x4a8e, {0x9c, 0x1d, 0x6e, 0x3a, 0x70, 0x15, 0xc2, 0x04}};

template <class Record>
const IID& RecordIid() { return std::is_same_v<Record, CR> ? kControlClassIid : kControlFlagsIid; }
template <class Record>
const IID& CollectionIid() { return std::is_same_v<Record, CR> ? kControlInfoCollectionIid : kControlFlagsCollectionIid; }

template <class Record>
class RecordObject final : public rt::ole::AutomationObject<RecordObject<Record>> {
 public:
  explicit RecordObject(std::shared_ptr<Record> record) : record_(std::move(record)) {}

  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (ppv && IsEqualIID(riid, RecordIid<Record>())) {
      *ppv = static_cast<IDispatch*>(this);  // the object itself, for the library only
      this->AddRef();
      return S_OK;
    }
    return rt::ole::AutomationObject<RecordObject<Record>>::QueryInterface(riid, ppv);
  }
  HRESULT TypeInfo(ITypeInfo** info) { return rt::ole::DispatchTypeInfo(TypeNameOf<Record>(), DispatchMembers<Record>(), info); }
  const MemberInfo* Lookup(const wchar_t* name) const { return rt::ole::FindMember(DispatchMembers<Record>(), name); }
  const MemberInfo* Lookup(DISPID id) const { return rt::ole::FindMember(DispatchMembers<Record>(), id); }
  HRESULT Run(const MemberInfo& member, Call& call) {
    return RunField(*record_, MembersOf<Record>()[static_cast<size_t>(member.id - 1)].field, call);
  }
  const std::shared_ptr<Record>& SharedRecord() const { return record_; }

  static const QITAB kInterfaceTable[];

 private:
  std::shared_ptr<Record> record_;
};

template <class Record>
const QITAB RecordObject<Record>::kInterfaceTable[] = {
    QITABENT(RecordObject<Record>, IDispatch),
    {nullptr, 0},
};

constexpr MemberInfo kCollectionMembers[] = {
    {L"Item", DISPID_VALUE, MemberKind::Method},
    {L"Count", 1, MemberKind::ReadOnly},
    {L"Add", 2, MemberKind::Method},
    {L"Remove", 3, MemberKind::Method},
    {L"_NewEnum", DISPID_NEWENUM, MemberKind::ReadOnly},
};

template <class Record>
HRESULT NewRecordObject(std::shared_ptr<Record> record, IDispatch** out) {
  *out = new (std::nothrow) RecordObject<Record>(std::move(record));
  return *out ? S_OK : E_OUTOFMEMORY;
}

template <class Record>
class RecordCollection final : public rt::ole::AutomationObject<RecordCollection<Record>> {
 public:
  static const QITAB kInterfaceTable[];
  explicit RecordCollection(std::shared_ptr<KeyedList<Record>> list) : list_(std::move(list)) {}

  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (ppv && IsEqualIID(riid, CollectionIid<Record>())) {
      *ppv = static_cast<IDispatch*>(this);
      this->AddRef();
      return S_OK;
    }
    return rt::ole::AutomationObject<RecordCollection<Record>>::QueryInterface(riid, ppv);
  }
  HRESULT TypeInfo(ITypeInfo** info) { return rt::ole::DispatchTypeInfo(L"Collection", kCollectionMembers, info); }
  const MemberInfo* Lookup(const wchar_t* name) const { return rt::ole::FindMember(kCollectionMembers, name); }
  const MemberInfo* Lookup(DISPID id) const { return rt::ole::FindMember(kCollectionMembers, id); }
  HRESULT Run(const MemberInfo& member, Call& call);
  const std::shared_ptr<KeyedList<Record>>& List() const { return list_; }

 private:
  // Item and Remove take a key (text) or a position from 1.
  bool Position(Call& call, size_t& out);
  HRESULT Add(Call& call);
  HRESULT NewEnum(Call& call);

  std::shared_ptr<KeyedList<Record>> list_;
};

template <class Record>
const QITAB RecordCollection<Record>::kInterfaceTable[] = {
    QITABENT(RecordCollection<Record>, IDispatch),
    {nullptr, 0},
};

template <class Record>
bool RecordCollection<Record>::Position(Call& call, size_t& out) {
  if (call.Count() < 1 || !call.Has(0)) {
    call.Fail(RuntimeError::InvalidCall);
    return false;
  }
  const VARIANT* arg = call.Arg(0);
  if ((V_VT(arg) & VT_TYPEMASK) == VT_BSTR) {
    std::string key;
    call.Text(0, key);
    std::optional<size_t> i = list_->IndexOf(key);
    if (!i) {
      call.Fail(RuntimeError::InvalidCall);
      return false;
    }
    out = *i;
    return true;
  }
  LONG n = 0;
  if (!call.Long(0, n)) return false;
  if (n < 1 || static_cast<size_t>(n) > list_->Size()) {
    call.Fail(RuntimeError::SubscriptOutOfRange);
    return false;
  }
  out = static_cast<size_t>(n - 1);
  return true;
}

// Add(Item, [Key]): only a record of this collection's kind made by this library can join it.
template <class Record>
HRESULT RecordCollection<Record>::Add(Call& call) {
  if (call.Count() < 1 || !call.Has(0)) return call.Fail(RuntimeError::InvalidCall);
  HostValue item = FromVariant(*call.Arg(0));
  IDispatch* object = nullptr;
  if (const HostObjectPtr* p = std::get_if<HostObjectPtr>(&item)) object = DispatchOf(p->get());
  rt::ComPtr<IDispatch> own;
  if (!object || FAILED(object->QueryInterface(RecordIid<Record>(), own.put_void())))
    return call.Fail(RuntimeError::TypeMismatch,
                     std::string("Only a ") + (std::is_same_v<Record, CR> ? "ControlClass" : "ControlFlags") +
                         " record of Ambrelo can be added to this collection");
  std::string key;
  const bool keyed = call.Count() > 1 && call.Has(1);
  if (keyed && !call.Text(1, key)) return DISP_E_EXCEPTION;
  if (call.Count() > 2 && (call.Has(2) || (call.Count() > 3 && call.Has(3))))
    return call.Fail(RuntimeError::InvalidCall, "Ambrelo's collections keep their records in the order they were added");
  auto* record = static_cast<RecordObject<Record>*>(own.get());
  if (!keyed) list_->AddWithoutKey(record->SharedRecord());
  else if (!list_->Add(key, record->SharedRecord())) return call.Fail(kKeyTaken, kKeyTakenText);
  return S_OK;
}

template <class Record>
HRESULT RecordCollection<Record>::NewEnum(Call& call) {
  std::vector<rt::ComPtr<IDispatch>> objects(list_->Size());
  std::vector<VARIANT> items(objects.size());  // borrowed: the enumerator takes its own references
  for (size_t i = 0; i < objects.size(); ++i) {
    HRESULT hr = NewRecordObject(list_->At(i), objects[i].put());
    if (FAILED(hr)) return hr;
    V_VT(&items[i]) = VT_DISPATCH;
    V_DISPATCH(&items[i]) = objects[i].get();
  }
  rt::ComPtr<IUnknown> enumerator;
  HRESULT hr = CreateComObject<SnapshotEnum<IEnumVARIANT, VARIANT>>(IID_IUnknown, enumerator.put_void(), items);
  if (FAILED(hr)) return hr;
  V_VT(call.Result()) = VT_UNKNOWN;
  V_UNKNOWN(call.Result()) = enumerator.detach();
  return S_OK;
}

template <class Record>
HRESULT RecordCollection<Record>::Run(const MemberInfo& member, Call& call) {
  size_t i = 0;
  switch (member.id) {
    case DISPID_VALUE: {
      if (!Position(call, i)) return DISP_E_EXCEPTION;
      rt::ComPtr<IDispatch> item;
      HRESULT hr = NewRecordObject(list_->At(i), item.put());
      return FAILED(hr) ? hr : call.Return(item.get());
    }
    case 1: return call.Return(static_cast<LONG>(list_->Size()));
    case 2: return Add(call);
    case 3:
      if (!Position(call, i)) return DISP_E_EXCEPTION;
      list_->RemoveAt(i);
      return S_OK;
    case DISPID_NEWENUM: return NewEnum(call);
  }
  return DISP_E_MEMBERNOTFOUND;
}

template <class Record>
HRESULT NewCollection(std::shared_ptr<KeyedList<Record>> list, IDispatch** out) {
  if (!out) return E_POINTER;
  *out = new (std::nothrow) RecordCollection<Record>(std::move(list));
  return *out ? S_OK : E_OUTOFMEMORY;
}

template <class Record>
std::shared_ptr<KeyedList<Record>> ListOf(IDispatch* object) {
  rt::ComPtr<IDispatch> own;
  if (!object || FAILED(object->QueryInterface(CollectionIid<Record>(), own.put_void()))) return nullptr;
  return static_cast<RecordCollection<Record>*>(own.get())->List();
}

}  // namespace

HRESULT NewControlInfoCollection(std::shared_ptr<KeyedList<ControlRecord>> list, IDispatch** out) {
  return NewCollection(std::move(list), out);
}
HRESULT NewControlFlagsCollection(std::shared_ptr<KeyedList<FlagRecord>> list, IDispatch** out) {
  return NewCollection(std::move(list), out);
}
std::shared_ptr<KeyedList<ControlRecord>> ControlInfoListOf(IDispatch* object) { return ListOf<CR>(object); }
std::shared_ptr<KeyedList<FlagRecord>> ControlFlagsListOf(IDispatch* object) { return ListOf<FR>(object); }

}  // namespace amb
