// Image lists during a pass: a list that is rebuilt at a new image size must first be taken off
// the controls bound to it, and put back with their images afterwards.
#include <algorithm>

#include "control_probes.h"
#include "resize_engine.h"

namespace amb {
namespace {

void SaveImages(HostObject& control, std::string_view collection, const char* member, IndexedList<HostValue>& out) {
  HostObjectPtr items;
  int32_t count = 0;
  if (!GetObjectOf(control, collection, items) || !items || !CountOf(*items, count)) return;
  for (int32_t i = 1; i <= count; ++i) {
    HostObjectPtr item;
    HostValue image;
    if (ItemOf(*items, i, item) && item->Get(member, image)) out.Set(i, image);
  }
}

void RestoreImages(HostObject& control, std::string_view collection, const char* member,
                   const IndexedList<HostValue>& saved) {
  HostObjectPtr items;
  int32_t count = 0;
  if (!GetObjectOf(control, collection, items) || !items || !CountOf(*items, count)) return;
  for (int32_t i = 1; i <= count; ++i) {
    HostObjectPtr item;
    const HostValue* image = saved.At(i);
    if (image && ItemOf(*items, i, item)) item->Let(member, *image);
  }
}

}  // namespace

// A list is rebuilt unless its own flags keep its graphics; a list without flags is left alone.
bool ResizeEngine::ShouldDetach(const ControlRecord& r) {
  auto rebuilt = [&](const HostObjectPtr& list) {
    std::string key;
    if (!list || !GetControlKey(list.get(), key)) return false;
    const FlagEntry* flags = flags_.Find(key);
    return flags && !(*flags)[DontScale::Graphic];
  };
  return (r.hasImageList && rebuilt(r.imageList)) ||
         (r.hasTwoImageLists && (rebuilt(r.iconsImageList) || rebuilt(r.smallIconsImageList)));
}

void ResizeEngine::Detach(Item& item) {
  ControlRecord& r = *item.record;
  HostObject& c = *item.control;
  if (!r.hasImageList && !r.hasTwoImageLists) return;
  if (r.hasImageList) GetObjectOf(c, "ImageList", r.imageList);
  if (r.hasTwoImageLists) {
    GetObjectOf(c, "Icons", r.iconsImageList);
    GetObjectOf(c, "SmallIcons", r.smallIconsImageList);
  }
  if (!ShouldDetach(r)) return;
  if (r.hasTabs) SaveImages(c, "Tabs", "Image", r.tabImage);
  if (r.hasButtons) SaveImages(c, "Buttons", "Image", r.buttonImage);
  if (r.hasNodes) SaveImages(c, "Nodes", "Image", r.nodeImage);
  if (r.hasImageList) c.Let("ImageList", HostObjectPtr());
  if (r.hasTwoImageLists) {
    SaveImages(c, "ListItems", "Icon", r.iconImage);
    SaveImages(c, "ListItems", "SmallIcon", r.smallIconImage);
    c.Let("Icons", HostObjectPtr());
    c.Let("SmallIcons", HostObjectPtr());
  }
  r.detached = true;
}

void ResizeEngine::Reattach(Item& item) {
  ControlRecord& r = *item.record;
  HostObject& c = *item.control;
  if (r.hasImageList) {
    c.Let("ImageList", r.imageList);
    if (r.hasTabs) RestoreImages(c, "Tabs", "Image", r.tabImage);
    if (r.hasButtons) RestoreImages(c, "Buttons", "Image", r.buttonImage);
    if (r.hasNodes) RestoreImages(c, "Nodes", "Image", r.nodeImage);
  }
  if (r.hasTwoImageLists) {
    c.Let("Icons", r.iconsImageList);
    c.Let("SmallIcons", r.smallIconsImageList);
    RestoreImages(c, "ListItems", "Icon", r.iconImage);
    RestoreImages(c, "ListItems", "SmallIcon", r.smallIconImage);
  }
  r.detached = false;
}

// The list draws its recorded pictures again at the new image size, never below one pixel.
HostStatus ResizeEngine::RebuildImageList(Item& item) {
  ControlRecord& r = *item.record;
  HostObject& c = *item.control;
  HostObjectPtr images;
  HostStatus s = GetObjectOf(c, "ListImages", images);
  if (s && !images) s = HostStatus::Failed("Object variable or With block variable not set");
  if (s) s = images->Call("Clear", {}, nullptr);
  if (s && r.formWidth > 0)
    s = c.Let("ImageWidth", std::max(1.0, static_cast<double>(state_.currentWidth / r.formWidth * r.imageListWidth)));
  if (s && r.formHeight > 0)
    s = c.Let("ImageHeight",
              std::max(1.0, static_cast<double>(state_.currentHeight / r.formHeight * r.imageListHeight)));
  for (int32_t i = 1; s && i <= r.imageListCount; ++i) {
    const std::string* key = r.imageListKey.At(i);
    const HostObjectPtr* picture = r.imageListPicture.At(i);
    s = images->Call("Add", {std::monostate{}, key ? *key : std::string(), picture ? *picture : HostObjectPtr()},
                     nullptr);
    HostObjectPtr added;
    if (s) s = ItemOf(*images, i, added);
    const std::string* tag = r.imageListTag.At(i);
    if (s) s = added->Let("Tag", tag ? *tag : std::string());
  }
  return s;
}

// No messages are processed here: a host event run inside a pass would start another pass in it.
void ResizeEngine::GrowButtons(Item& item, float factor) {
  ControlRecord& r = *item.record;
  HostObject& c = *item.control;
  float previous = 0;
  for (int step = 0; step < kMaxButtonGrowth; ++step) {
    float height = 0, buttonHeight = 0;
    if (!GetFloat(c, "Height", height)) return;
    if (step > 0 && height == previous) return;
    if (!(height < factor * r.height)) return;
    if (!GetFloat(c, "ButtonHeight", buttonHeight)) return;
    if (r.yScale != 0) r.buttonHeight = buttonHeight / r.yScale - 15;
    if (!c.Let("ButtonHeight", static_cast<double>(buttonHeight + 8))) return;
    previous = height;
  }
}

}  // namespace amb
