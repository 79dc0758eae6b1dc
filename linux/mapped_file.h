#pragma once

#include <cstddef>
#include <string>

namespace n5::linux_ui {

// A file mapped read-only into memory for as long as this lives. FreeType reads a font's
// tables in many small pieces; from a mapping each piece is a plain memory read, where
// through a file stream it is a seek and a read, thousands of system calls at start-up.
class MappedFile {
 public:
  explicit MappedFile(const std::string& path);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // nullptr when the file could not be mapped (missing, empty, unreadable).
  const void* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  void* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace n5::linux_ui
