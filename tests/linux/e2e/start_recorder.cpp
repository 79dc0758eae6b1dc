// n5-e2e-recorder: stands in for xdg-open (or any program the launcher starts) in the
// reliability tests, and records exactly how it was started.
//
// Each start appends one record to the file named by N5_RECORD: the number of arguments in
// decimal, then every argument from argv[0] on, each of them followed by a zero byte. The
// record goes out in one write on a file opened for appending, so starts that overlap do not
// mix their records. Nothing is quoted or changed: a newline, a tab or a byte that is not
// UTF-8 is recorded as it came.
//
// N5_RECORDER_STATUS (a number) is the exit status, 0 without it, as xdg-open reports what it
// made of the request (2: no such file, 3: no program for it, 4: the program failed).
// N5_RECORDER_HANG=1 makes it wait until killed instead of ending (its process id goes to the
// file N5_RECORD.pids, one a line), as a program that never ends.
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

bool Append(const std::string& file, const std::string& bytes) {
  int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool whole = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  return close(fd) == 0 && whole;
}

}  // namespace

int main(int argc, char** argv) {
  const char* record = std::getenv("N5_RECORD");
  if (record == nullptr || *record == '\0') return 125;
  std::string bytes = std::to_string(argc);
  bytes.push_back('\0');
  for (int i = 0; i < argc; ++i) {
    bytes += argv[i];
    bytes.push_back('\0');
  }
  if (!Append(record, bytes)) return 125;

  const char* hang = std::getenv("N5_RECORDER_HANG");
  if (hang != nullptr && std::string(hang) == "1") {
    if (!Append(std::string(record) + ".pids", std::to_string(getpid()) + "\n")) return 125;
    for (;;) pause();
  }
  const char* status = std::getenv("N5_RECORDER_STATUS");
  return status == nullptr ? 0 : std::atoi(status);
}
