// The public item vector of the containers that look items up by a text key
// through a hash index (TFirstOccurrenceIndex). Callers read and write the
// items like a std::vector; every access that can change an item (non-const
// operator[], iterators, front/back, data, insert, erase, assignment, …)
// drops the index, and the next lookup builds it afresh, so a lookup always
// agrees with a scan from the first item. Appending with push_back or
// emplace_back keeps the index: the new tail is indexed by the next lookup.
//
// A reference or iterator taken for writing stays covered until the next
// lookup; take a new one after a lookup before writing through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/first_occurrence_index.h"

// KeyOf is a function object giving an item's key as std::string_view.
// Owner may change items through Keyed() without dropping the index, for
// changes that keep every key and every position.
template <typename T, typename KeyOf, typename Owner>
class TKeyedItems {
 public:
  using value_type = T;
  using size_type = size_t;
  using difference_type = ptrdiff_t;
  using reference = T&;
  using const_reference = const T&;
  using iterator = typename std::vector<T>::iterator;
  using const_iterator = typename std::vector<T>::const_iterator;
  using reverse_iterator = typename std::vector<T>::reverse_iterator;
  using const_reverse_iterator = typename std::vector<T>::const_reverse_iterator;

  TKeyedItems() = default;
  TKeyedItems(std::initializer_list<T> items) : FItems(items) {}
  TKeyedItems(std::vector<T> items) : FItems(std::move(items)) {}
  TKeyedItems& operator=(std::vector<T> items) {
    FItems = std::move(items);
    FIndex.Invalidate();
    return *this;
  }

  // Reading.
  operator const std::vector<T>&() const { return FItems; }
  const std::vector<T>& Vector() const { return FItems; }
  size_t size() const { return FItems.size(); }
  bool empty() const { return FItems.empty(); }
  size_t capacity() const { return FItems.capacity(); }
  const T& operator[](size_t i) const { return FItems[i]; }
  const T& at(size_t i) const { return FItems.at(i); }
  const T& front() const { return FItems.front(); }
  const T& back() const { return FItems.back(); }
  const T* data() const { return FItems.data(); }
  const_iterator begin() const { return FItems.begin(); }
  const_iterator end() const { return FItems.end(); }
  const_iterator cbegin() const { return FItems.cbegin(); }
  const_iterator cend() const { return FItems.cend(); }
  const_reverse_iterator rbegin() const { return FItems.rbegin(); }
  const_reverse_iterator rend() const { return FItems.rend(); }
  friend bool operator==(const TKeyedItems& a, const TKeyedItems& b) { return a.FItems == b.FItems; }
  friend bool operator==(const TKeyedItems& a, const std::vector<T>& b) { return a.FItems == b; }

  // Access that may change items.
  T& operator[](size_t i) { return Changed()[i]; }
  T& at(size_t i) { return Changed().at(i); }
  T& front() { return Changed().front(); }
  T& back() { return Changed().back(); }
  T* data() { return Changed().data(); }
  iterator begin() { return Changed().begin(); }
  iterator end() { return Changed().end(); }
  reverse_iterator rbegin() { return Changed().rbegin(); }
  reverse_iterator rend() { return Changed().rend(); }

  void push_back(const T& item) { FItems.push_back(item); }
  void push_back(T&& item) { FItems.push_back(std::move(item)); }
  template <typename... Args>
  T& emplace_back(Args&&... args) {
    return FItems.emplace_back(std::forward<Args>(args)...);
  }
  void reserve(size_t n) { FItems.reserve(n); }
  void shrink_to_fit() { FItems.shrink_to_fit(); }

  void pop_back() { Changed().pop_back(); }
  void clear() { Changed().clear(); }
  void resize(size_t n) { Changed().resize(n); }
  void resize(size_t n, const T& item) { Changed().resize(n, item); }
  void assign(size_t n, const T& item) { Changed().assign(n, item); }
  template <typename It>
  void assign(It first, It last) {
    Changed().assign(first, last);
  }
  void swap(std::vector<T>& other) { Changed().swap(other); }
  iterator insert(const_iterator pos, const T& item) { return Changed().insert(pos, item); }
  iterator insert(const_iterator pos, T&& item) { return Changed().insert(pos, std::move(item)); }
  template <typename... Args>
  iterator insert(const_iterator pos, Args&&... args) {
    return Changed().insert(pos, std::forward<Args>(args)...);
  }
  iterator insert(const_iterator pos, std::initializer_list<T> items) { return Changed().insert(pos, items); }
  template <typename... Args>
  iterator emplace(const_iterator pos, Args&&... args) {
    return Changed().emplace(pos, std::forward<Args>(args)...);
  }
  iterator erase(const_iterator pos) { return Changed().erase(pos); }
  iterator erase(const_iterator first, const_iterator last) { return Changed().erase(first, last); }

 private:
  friend Owner;

  std::vector<T>& Changed() {
    FIndex.Invalidate();
    return FItems;
  }
  // For the owner's changes that keep every key at its position (counts,
  // values, appending).
  std::vector<T>& Keyed() { return FItems; }
  // Position of the first item with that key, -1 when none.
  int32_t Find(std::string_view key) const {
    return FIndex.Find(key, FItems.size(), [this](size_t i) -> std::string_view { return KeyOf{}(FItems[i]); });
  }

  std::vector<T> FItems;
  mutable TFirstOccurrenceIndex FIndex;
};
