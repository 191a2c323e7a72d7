#include "app.h"
#include "common_controls.h"
#include "controls.h"

namespace rt {

void ImageList::Create(HWND) { designPending_ = true; }

void ImageList::LoadDesignIcons() const {
  if (!designPending_) return;
  designPending_ = false;
  HINSTANCE instance = App().hInstance ? App().hInstance : CodeModule();
  for (int id : design_.images)  // a missing picture keeps its number, as an empty image
    icons_.emplace_back(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, Size(), Size(), 0)));
}

ImageList::~ImageList() {
  if (list_) ImageList_Destroy(list_);
}

int ImageList::Count() const {
  LoadDesignIcons();
  return static_cast<int>(icons_.size());
}

HICON ImageList::Icon(int number) const {
  if (number < 1 || number > Count()) return nullptr;
  return icons_[static_cast<size_t>(number - 1)].get();
}

HIMAGELIST ImageList::Handle() const {
  LoadDesignIcons();
  if (!list_) {
    EnsureCommonControls();
    list_ = ImageList_Create(Size(), Size(), ILC_COLOR32 | ILC_MASK, static_cast<int>(icons_.size()), 4);
    for (const auto& icon : icons_)
      if (list_ && icon) ImageList_AddIcon(list_, icon.get());
  }
  return list_;
}

int ImageList::Add(HICON icon) {
  LoadDesignIcons();
  UniqueResource<IconTraits> copy(icon ? CopyIcon(icon) : nullptr);
  if (list_ && copy) ImageList_AddIcon(list_, copy.get());
  icons_.push_back(std::move(copy));
  return Count();
}

}  // namespace rt
