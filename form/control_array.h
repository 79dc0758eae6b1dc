#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "form/control.h"
#include "form/failure.h"

namespace n5::form {

// Like controls that share one name and are told apart by an index from 0. Access to an
// element that does not exist fails.
class ControlArray {
 public:
  explicit ControlArray(std::string name = {}) : name_(std::move(name)) {}

  std::int16_t Count() const { return static_cast<std::int16_t>(elements_.size()); }
  Control& operator()(int index) const {
    if (index < 0 || index >= static_cast<int>(elements_.size())) {
      throw Failure("Control array element '" + std::to_string(index) + "' doesn't exist");
    }
    return *elements_[static_cast<std::size_t>(index)];
  }
  void Append(Control& element) { elements_.push_back(&element); }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
  std::vector<Control*> elements_;
};

}  // namespace n5::form
