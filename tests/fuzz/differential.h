#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace n5::fuzz {

// Turns bytes into a launcher configuration (1 to 8 menu items, failing starts and opens,
// missing texts, the text variant) and a sequence of pointer moves, clicks anywhere (often
// exactly on an edge) and key presses of any code. Runs them on the core and on the reference
// model and compares the two after every event. Returns what differed first, or nothing.
std::string RunDifferential(const std::uint8_t* data, std::size_t size);

}  // namespace n5::fuzz
