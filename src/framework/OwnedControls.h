#pragma once
// The controls a window makes for itself at run time: each lives as long as
// its owner object (or until Clear), so the owner keeps no member per control.

#include <memory>
#include <vector>

#include "framework/Wnd.h"

namespace zk40 {

class OwnedControls {
 public:
  template <typename Control>
  Control& Make() {
    auto control = std::make_unique<Control>();
    Control& made = *control;
    controls_.push_back(std::move(control));
    return made;
  }
  void Clear() { controls_.clear(); }

 private:
  std::vector<std::unique_ptr<CWnd>> controls_;
};

}  // namespace zk40
