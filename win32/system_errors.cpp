#include "win32/system_errors.h"

namespace n5::win32 {
namespace {

// The system's codes, as winerror.h defines them.
constexpr std::uint32_t kOutOfMemory = 14;       // ERROR_OUTOFMEMORY
constexpr std::uint32_t kBadFormat = 11;         // ERROR_BAD_FORMAT
constexpr std::uint32_t kSharingViolation = 32;  // ERROR_SHARING_VIOLATION
constexpr std::uint32_t kNoAssociation = 1155;   // ERROR_NO_ASSOCIATION
constexpr std::uint32_t kDdeFailure = 1156;      // ERROR_DDE_FAIL
constexpr std::uint32_t kDllNotFound = 1157;     // ERROR_DLL_NOT_FOUND
constexpr std::uint32_t kInvalidParameter = 87;  // ERROR_INVALID_PARAMETER

}  // namespace

std::uint32_t ShellExecuteErrorCode(std::intptr_t result) {
  if (result > 32) return 0;
  switch (result) {
    case 0:  // the system is out of memory or resources
      return kOutOfMemory;
    case 2:  // ERROR_FILE_NOT_FOUND
    case 3:  // ERROR_PATH_NOT_FOUND
    case 5:  // ERROR_ACCESS_DENIED
    case 8:  // ERROR_NOT_ENOUGH_MEMORY
      return static_cast<std::uint32_t>(result);
    case 11:  // ERROR_BAD_FORMAT
      return kBadFormat;
    case 26:  // SE_ERR_SHARE
      return kSharingViolation;
    case 27:  // SE_ERR_ASSOCINCOMPLETE
    case 31:  // SE_ERR_NOASSOC
      return kNoAssociation;
    case 28:  // SE_ERR_DDETIMEOUT
    case 29:  // SE_ERR_DDEFAIL
    case 30:  // SE_ERR_DDEBUSY
      return kDdeFailure;
    case 32:  // SE_ERR_DLLNOTFOUND
      return kDllNotFound;
    default:
      return kInvalidParameter;
  }
}

std::string TrimMessageEnd(std::string message) {
  std::size_t end = message.find_last_not_of("\r\n \t");
  message.erase(end == std::string::npos ? 0 : end + 1);
  return message;
}

std::string FillFirstInsert(std::string message, std::string_view first) {
  for (std::size_t at = message.find("%1"); at != std::string::npos;
       at = message.find("%1", at + first.size())) {
    // "%10" would be insert ten, not insert one followed by a zero.
    if (at + 2 < message.size() && message[at + 2] >= '0' && message[at + 2] <= '9') {
      at += 2;
      continue;
    }
    message.replace(at, 2, first);
  }
  return message;
}

}  // namespace n5::win32
