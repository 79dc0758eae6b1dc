#include "linux/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace n5::linux_ui {

MappedFile::MappedFile(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat status {};
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    void* mapped =
        mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (mapped != MAP_FAILED) {
      data_ = mapped;
      size_ = static_cast<std::size_t>(status.st_size);
    }
  }
  close(fd);  // the mapping stays valid without the descriptor
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) munmap(data_, size_);
}

}  // namespace n5::linux_ui
