#include "app.h"
#include "controls.h"

namespace rt {

void ImageList::Create(HWND) {
  int size = design_.imageSize > 0 ? design_.imageSize : 16;
  list_ = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, static_cast<int>(design_.images.size()), 4);
  HINSTANCE instance = App().hInstance ? App().hInstance : CodeModule();
  for (int id : design_.images) {
    UniqueResource<IconTraits> icon(
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0)));
    if (list_ && icon) ImageList_AddIcon(list_, icon.get());
    icons_.push_back(std::move(icon));  // a missing picture keeps its number, as an empty image
  }
}

ImageList::~ImageList() {
  if (list_) ImageList_Destroy(list_);
}

HICON ImageList::Icon(int number) const {
  if (number < 1 || number > Count()) return nullptr;
  return icons_[static_cast<size_t>(number - 1)].get();
}

int ImageList::Add(HICON icon) {
  UniqueResource<IconTraits> copy(icon ? CopyIcon(icon) : nullptr);
  if (list_ && copy) ImageList_AddIcon(list_, copy.get());
  icons_.push_back(std::move(copy));
  return Count();
}

}  // namespace rt
