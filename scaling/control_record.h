#pragma once
// The record the control keeps of each control of its host form: design geometry, what the last
// pass left, fonts, pictures, image-list contents, kind and capabilities. Records are keyed by the
// control key, compared without regard to case.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "control_probes.h"
#include "host_object.h"
#include "keyed_store.h"

namespace amb {

// The kind of control, as the record's SpecialControlType codes it.
enum class ControlKind : int16_t { Ordinary = 0, OnTabControl = 1, Line = 2, TabControl = 3, ImageList = 4, Form = 6 };

// An indexed member: a write at i keeps 0..i (dropping what lay above), a read outside fails.
template <class T>
class IndexedList {
 public:
  void Set(int32_t index, T value) {
    if (index < 0) return;
    items_.resize(static_cast<size_t>(index) + 1);
    items_[static_cast<size_t>(index)] = std::move(value);
  }
  const T* At(int32_t index) const {
    return index >= 0 && static_cast<size_t>(index) < items_.size() ? &items_[static_cast<size_t>(index)] : nullptr;
  }
  size_t Size() const { return items_.size(); }

 private:
  std::vector<T> items_;
};

struct FontRecord {
  float size = 0;
  float applied = -1;  // the size the engine last gave the control; -1: none yet
};

// What every pass reads comes first, so that a pass over thousands of records touches few cache
// lines of each; what only capture, image lists and tab controls use follows.
struct ControlRecord {
  ControlKind kind = ControlKind::Ordinary;
  bool hasNodes = false, hasTwoImageLists = false, hasImageList = false, hasTabs = false, hasButtons = false;
  bool hasBorderWidth = false, detached = false;  // detached: image lists taken off in this pass
  float left = 0, top = 0, width = 0, height = 0;  // design geometry, in the container's units
  float lastHeight = 0, lastWidth = 0, lastLeft = 0, lastTop = 0;
  float formHeight = 0, formWidth = 0;  // the container's size at recording
  float bottom = 0, right = 0, yScale = 0, xScale = 0;
  std::array<FontRecord, kFontCount> fonts;  // in the order of kFontMembers
  float borderWidth = 0, appliedBorderWidth = -1;
  float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  HostObjectPtr picture, downPicture, disabledPicture;

  bool graphicIsScaleable = false, controlIsScaleable = false;
  std::array<std::string, kFontCount> fontNames;
  float buttonHeight = 0, buttonWidth = 0;
  HostObjectPtr imageList;  // the bound image list while detached
  HostObjectPtr smallIconsImageList, iconsImageList;
  IndexedList<HostValue> buttonImage, tabImage, nodeImage, smallIconImage, iconImage;
  float tabHeight = 0;
  IndexedList<HostObjectPtr> tabPicture;        // from 0
  IndexedList<HostObjectPtr> imageListPicture;  // from 1
  IndexedList<std::string> imageListKey, imageListTag;
  float imageListWidth = 0, imageListHeight = 0;
  int16_t imageListCount = 0;
  int16_t id = 0;  // kept for a host program; the control never reads it
};

// The records by control key: colControlInfo.
using ControlRecords = KeyedStore<ControlRecord>;

}  // namespace amb
