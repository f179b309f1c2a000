#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

class Control;
class MenuItem;
class Form;

// Handlers shared by all elements of a control array: each receives the
// element's index.
struct ControlArrayHandlers {
  std::function<void(int index)> onClick, onDblClick, onGotFocus, onLostFocus, onChange;
  std::function<void(int index, int& keyCode, int shift)> onKeyDown;
  std::function<void(int index, int& keyAscii)> onKeyPress;
  std::function<void(int index, int keyCode, int shift)> onKeyUp;
  std::function<void(int index, int button, int shift, float x, float y)> onMouseDown, onMouseUp, onMouseMove;
};

class ControlArrayBase : public ControlArrayHandlers {
 public:
  virtual ~ControlArrayBase() = default;
  const std::string& Name() const { return name_; }

 protected:
  friend class Form;
  explicit ControlArrayBase(Form& form, std::string name) : form_(form), name_(std::move(name)) {}
  // Makes the element's events call the array's handlers with its index.
  void Wire(Control& element);
  void Wire(MenuItem& element);
  virtual void Adopt(void* element, int index) = 0;
  virtual void Forget(int index) = 0;
  // Creates a new element like the element `from` (platform layer).
  Control& LoadLike(Control& from, int index);
  MenuItem& LoadLike(MenuItem& from, int index);
  void UnloadElement(Control& element);
  void UnloadElement(MenuItem& element);

  Form& form_;
  std::string name_;
};

// The elements of one control array, by index (any first index, gaps
// allowed). One handler serves every element and receives its index.
template <class T>
class ControlArray : public ControlArrayBase {
 public:
  // The element with this index; a missing element raises the run-time error
  // (std::out_of_range here).
  T& operator()(int index) const {
    auto it = items_.find(index);
    if (it == items_.end()) throw std::out_of_range("Control array element '" + name_ + "(" + std::to_string(index) + ")' doesn't exist");
    return *it->second;
  }
  T& operator[](int index) const { return (*this)(index); }
  bool Exists(int index) const { return items_.count(index) != 0; }
  int Count() const { return static_cast<int>(items_.size()); }
  int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
  int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
  // Calls f(element) for every element in index order.
  template <class F>
  void ForEach(F&& f) const {
    for (const auto& [i, e] : items_) f(*e);
  }

  // Loads a new element at run time: it takes the properties of the array's
  // first element and starts hidden. Loading an existing index is an error.
  T& Load(int index) {
    if (Exists(index)) throw std::invalid_argument("Control array element '" + name_ + "(" + std::to_string(index) + ")' already loaded");
    if (items_.empty()) throw std::out_of_range("Control array '" + name_ + "' has no element to copy");
    return static_cast<T&>(LoadLike(*items_.begin()->second, index));
  }
  // Removes an element loaded at run time.
  void Unload(int index) { UnloadElement((*this)(index)); }

 private:
  friend class Form;
  ControlArray(Form& form, std::string name) : ControlArrayBase(form, std::move(name)) {}
  void Adopt(void* element, int index) override {
    T* e = static_cast<T*>(element);
    items_[index] = e;
    Wire(*e);
  }
  void Forget(int index) override { items_.erase(index); }

  std::map<int, T*> items_;
};
