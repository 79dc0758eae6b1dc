#pragma once

#include <stdexcept>
#include <string>

namespace n5 {

// The error of one statement: a property access on a missing control, a text that is not in
// the table, an array index out of range, an arithmetic overflow, or a platform call that
// could not be carried out. Its message is the description that a failure message box shows.
// Each procedure decides how it treats one: skip the statement, show a message box, or let
// it pass to its caller.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs one statement and abandons it without a word if it fails; the caller goes on with its
// next statement. What the statement did before it failed stays done.
template <typename Statement>
void SkipOnFailure(Statement&& statement) {
  try {
    statement();
  } catch (const Failure&) {
  }
}

}  // namespace n5
