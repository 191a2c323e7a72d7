#pragma once
// The control's record collections: items in the order they were added, each under a key
// compared without regard to case. The list itself is shared, so the collection object a host
// holds and the store the engine reads are one and the same; a store can be given another list
// (assignment by reference) or a new empty one (the capture), and a holder of the old list keeps it.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ignore_case.h"

namespace amb {

template <class T>
class KeyedList {
 public:
  size_t Size() const { return items_.size(); }
  const std::string& KeyAt(size_t i) const { return items_[i].key; }
  const std::shared_ptr<T>& At(size_t i) const { return items_[i].item; }
  std::optional<size_t> IndexOf(std::string_view key) const {
    auto it = index_.find(FoldKey(key));
    return it == index_.end() ? std::nullopt : std::optional<size_t>(it->second);
  }
  // Shared: a host may drop an item from the list while the engine still works on it.
  std::shared_ptr<T> FindShared(std::string_view key) const {
    std::optional<size_t> i = IndexOf(key);
    return i ? items_[*i].item : nullptr;
  }
  T* Find(std::string_view key) const { return FindShared(key).get(); }
  // False when the key is taken; the empty text is a key like any other.
  bool Add(std::string_view key, std::shared_ptr<T> item) {
    if (!index_.emplace(FoldKey(key), items_.size()).second) return false;
    items_.push_back({std::string(key), true, std::move(item)});
    return true;
  }
  // An item added without a key: only its position reaches it.
  void AddWithoutKey(std::shared_ptr<T> item) { items_.push_back({std::string(), false, std::move(item)}); }
  std::shared_ptr<T> EnsureShared(std::string_view key) {
    if (std::shared_ptr<T> found = FindShared(key)) return found;
    auto item = std::make_shared<T>();
    if constexpr (requires { item->key = std::string(key); }) item->key = std::string(key);  // a record that knows its key
    Add(key, item);
    return item;
  }
  T& Ensure(std::string_view key) { return *EnsureShared(key); }
  void RemoveAt(size_t i) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
    index_.clear();
    for (size_t j = 0; j < items_.size(); ++j)
      if (items_[j].keyed) index_.emplace(FoldKey(items_[j].key), j);
  }

 private:
  struct Entry {
    std::string key;
    bool keyed;
    std::shared_ptr<T> item;
  };
  std::vector<Entry> items_;
  std::unordered_map<std::string, size_t> index_;  // folded key -> position
};

template <class T>
class KeyedStore {
 public:
  T* Find(std::string_view key) const { return list_->Find(key); }
  std::shared_ptr<T> FindShared(std::string_view key) const { return list_->FindShared(key); }
  T& Ensure(std::string_view key) { return list_->Ensure(key); }
  std::shared_ptr<T> EnsureShared(std::string_view key) { return list_->EnsureShared(key); }
  size_t Size() const { return list_->Size(); }
  // A new empty list; whoever holds the old one keeps it.
  void Clear() { list_ = std::make_shared<KeyedList<T>>(); }
  const std::shared_ptr<KeyedList<T>>& List() const { return list_; }
  void Share(std::shared_ptr<KeyedList<T>> list) { list_ = list ? std::move(list) : std::make_shared<KeyedList<T>>(); }

 private:
  std::shared_ptr<KeyedList<T>> list_ = std::make_shared<KeyedList<T>>();
};

}  // namespace amb
