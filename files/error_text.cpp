#include <cerrno>

#include "files/platform.h"

namespace kortavex::platform {

std::string englishErrorText(int error) {
  // The errors a file, a pipe or the memory can give, in glibc's words; the
  // Windows C runtime words some of them otherwise, and Windows errors are
  // mapped onto these (platform_windows.cpp).
  static const struct {
    int error;
    const char* text;
  } kTexts[] = {
      {EPERM, "Operation not permitted"},
      {ENOENT, "No such file or directory"},
      {EINTR, "Interrupted system call"},
      {EIO, "Input/output error"},
      {ENXIO, "No such device or address"},
      {EBADF, "Bad file descriptor"},
      {EAGAIN, "Resource temporarily unavailable"},
      {ENOMEM, "Cannot allocate memory"},
      {EACCES, "Permission denied"},
      {EBUSY, "Device or resource busy"},
      {EEXIST, "File exists"},
      {EXDEV, "Invalid cross-device link"},
      {ENODEV, "No such device"},
      {ENOTDIR, "Not a directory"},
      {EISDIR, "Is a directory"},
      {EINVAL, "Invalid argument"},
      {ENFILE, "Too many open files in system"},
      {EMFILE, "Too many open files"},
      {ETXTBSY, "Text file busy"},
      {EFBIG, "File too large"},
      {ENOSPC, "No space left on device"},
      {ESPIPE, "Illegal seek"},
      {EROFS, "Read-only file system"},
      {EMLINK, "Too many links"},
      {EPIPE, "Broken pipe"},
      {ENAMETOOLONG, "File name too long"},
      {ENOSYS, "Function not implemented"},
      {ENOTEMPTY, "Directory not empty"},
      {ELOOP, "Too many levels of symbolic links"},
      {EILSEQ, "Invalid or incomplete multibyte or wide character"},
      {EOVERFLOW, "Value too large for defined data type"},
      {EOPNOTSUPP, "Operation not supported"},
      {ETIMEDOUT, "Connection timed out"},
#ifdef EDQUOT  // network and quota file systems, which Windows reports as a full disk
      {EDQUOT, "Disk quota exceeded"},
      {ESTALE, "Stale file handle"},
#endif
  };
  for (const auto& entry : kTexts)
    if (entry.error == error) return entry.text;
  return "Unknown error " + std::to_string(error);
}

}  // namespace kortavex::platform
