// Windows: every name goes to the system as UTF-16 (the "W" functions), every
// read and write goes to the HANDLE behind a descriptor (ReadFile,
// WriteFile), and every error is mapped onto the errno value that POSIX
// gives for the same failure.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <cwchar>
#include <filesystem>

#include "files/platform.h"

namespace kortavex::platform {

namespace {

int errnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND: case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: case ERROR_BAD_NET_NAME: case ERROR_BAD_PATHNAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED: case ERROR_WRITE_PROTECT: case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_CANNOT_MAKE: case ERROR_PRIVILEGE_NOT_HELD:
      return EACCES;
    case ERROR_SHARING_VIOLATION: case ERROR_LOCK_VIOLATION: case ERROR_USER_MAPPED_FILE:
      return EBUSY;  // held open by another program
    case ERROR_FILE_EXISTS: case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DIRECTORY:
      return ENOTDIR;
    case ERROR_DIR_NOT_EMPTY:
      return ENOTEMPTY;
    case ERROR_DISK_FULL: case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_BROKEN_PIPE: case ERROR_NO_DATA:
      return EPIPE;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_TOO_MANY_OPEN_FILES:
      return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY: case ERROR_OUTOFMEMORY:
      return ENOMEM;
    case ERROR_NOT_SUPPORTED: case ERROR_CALL_NOT_IMPLEMENTED:
      return ENOSYS;
    case ERROR_INVALID_NAME:
      return EINVAL;
    case ERROR_NEGATIVE_SEEK: case ERROR_SEEK_ON_DEVICE:
      return ESPIPE;
    default:
      return EIO;
  }
}

int lastError() { return errnoOf(::GetLastError()); }

// A name as the system takes it; false for bytes that are no UTF-8 (a name
// on Windows always is: it came from UTF-16).
bool toWide(const std::string& utf8, std::wstring& wide) {
  wide.clear();
  if (utf8.empty()) return true;
  const int size = static_cast<int>(utf8.size());
  const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (length <= 0) return false;
  wide.resize(static_cast<std::size_t>(length));
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
  return wide.find(L'\0') == std::wstring::npos;
}

std::string toUtf8(const wchar_t* wide, std::size_t size) {
  if (size == 0) return {};
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(size), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0)
    ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(size), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

HANDLE handleOf(int fd) { return reinterpret_cast<HANDLE>(::_get_osfhandle(fd)); }

bool isConsole(HANDLE handle) {
  DWORD mode;
  return ::GetFileType(handle) == FILE_TYPE_CHAR && ::GetConsoleMode(handle, &mode);
}

// 100-ns steps since 1601 as nanoseconds since 1970.
std::int64_t unixNanoseconds(const FILETIME& time) {
  const std::int64_t steps =
      static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  return (steps - 116444736000000000LL) * 100;
}

FileIdentity identityOfHandle(HANDLE handle) {
  FileIdentity identity;
  const DWORD type = ::GetFileType(handle);
  if (type != FILE_TYPE_DISK) {
    identity.exists = type != FILE_TYPE_UNKNOWN || ::GetLastError() == NO_ERROR;
    identity.special = identity.exists;  // a console, a pipe, NUL or a serial port
    return identity;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(handle, &info)) return identity;
  identity.exists = true;
  identity.directory = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  // Only a symbolic link is a link: a file that OneDrive keeps in the cloud
  // is a reparse point of another kind, and a regular file to the user.
  FILE_ATTRIBUTE_TAG_INFO tag{};
  identity.link = !identity.directory && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
                  ::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag) &&
                  tag.ReparseTag == IO_REPARSE_TAG_SYMLINK;
  identity.regular = !identity.directory && !identity.link;
  identity.device = info.dwVolumeSerialNumber;
  identity.inode = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  identity.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  identity.modified = unixNanoseconds(info.ftLastWriteTime);
  FILE_BASIC_INFO times{};
  if (::GetFileInformationByHandleEx(handle, FileBasicInfo, &times, sizeof times))
    identity.statusChanged = times.ChangeTime.QuadPart;  // 100 ns steps: compared, never shown
  identity.permissions = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  return identity;
}

FileIdentity identityOfPath(const std::string& path, DWORD flags, int* error) {
  std::wstring name;
  if (!toWide(path, name)) {
    if (error) *error = ENOENT;
    return {};
  }
  // no access asked for: a file that another program holds is still looked at
  const HANDLE handle = ::CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    if (error) *error = lastError();
    return {};
  }
  const FileIdentity identity = identityOfHandle(handle);
  ::CloseHandle(handle);
  return identity;
}

int descriptorOf(HANDLE handle, int flags, int& error) {
  const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
  if (fd < 0) {
    ::CloseHandle(handle);
    error = EMFILE;
  }
  return fd;
}

// The length of `data` up to its last whole UTF-8 character, so that a
// character split between two writes reaches the console whole.
std::size_t wholeCharacters(const char* data, std::size_t size) {
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const unsigned char c = static_cast<unsigned char>(data[size - back]);
    if ((c & 0xC0) != 0x80) {  // the start of the last character
      const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      return length > back ? size - back : size;
    }
  }
  return size;
}

void (*removeOnInterruption)();

// The process then ends with the status a POSIX shell gives for SIGINT
// (Ctrl-C, Ctrl-Break) or SIGHUP (the console closed, the user logged off),
// as the Linux build does: an interrupted run never passes for success.
BOOL WINAPI removeAndEnd(DWORD event) {
  removeOnInterruption();
  ::ExitProcess(event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? 128 + 2 : 128 + 1);
}

}  // namespace

std::string errorText(int error) { return englishErrorText(error); }

std::size_t lastSeparator(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  if (separator != std::string::npos) return separator;
  // "C:name" is a name in drive C's working directory
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return drive ? 1 : std::string::npos;
}

bool isNameInDirectory(const std::string& name) {
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || std::strchr("/\\:*?\"<>|", c)) return false;
  if (!name.empty() && (name.back() == '.' || name.back() == ' ')) return false;
  // a device name, with any extension, names the device in every folder
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
  for (const char* device : kDevices)
    if (base == device) return false;
  const bool numbered = base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) &&
                        base[3] >= '1' && base[3] <= '9';
  return !numbered;
}

// Symbolic links need privileges on Windows and are rare: a name is taken
// as the file it names.
std::string linkTarget(const std::string&) { return {}; }

std::string executableDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      const std::string utf8 = toUtf8(path.data(), length);
      const std::size_t separator = lastSeparator(utf8);
      return separator == std::string::npos ? std::string() : utf8.substr(0, separator);
    }
    path.resize(path.size() * 2);
  }
}

std::string environmentText(const char* name) {
  std::wstring wideName, value(MAX_PATH, L'\0');
  if (!toWide(name, wideName)) return {};
  for (;;) {
    const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length < value.size()) return toUtf8(value.data(), length);  // 0: not set
    value.resize(length);  // the size it needs, with its NUL
  }
}

char folderListSeparator() { return ';'; }

std::vector<std::string> projGridDirectories() {
  // where PROJ keeps the grids it downloads for the user; the system has none
  const std::string local = environmentText("LOCALAPPDATA");
  if (local.empty()) return {};
  return {local + "\\proj"};
}

std::string userStateDirectory() { return environmentText("LOCALAPPDATA"); }

bool makeDirectories(const std::string& path) {
  std::wstring name;
  if (!toWide(path, name)) return false;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(name), ignored);
  return std::filesystem::is_directory(std::filesystem::path(name), ignored);
}

FileIdentity entryIdentity(const std::string& path) {
  return identityOfPath(path, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

FileIdentity fileIdentity(const std::string& path, int* error) { return identityOfPath(path, 0, error); }

FileIdentity descriptorIdentity(int fd) {
  const HANDLE handle = handleOf(fd);
  return handle == INVALID_HANDLE_VALUE ? FileIdentity{} : identityOfHandle(handle);
}

int openForReading(const std::string& path, FileIdentity& opened, int& error) {
  std::wstring name;
  if (!toWide(path, name)) {
    error = ENOENT;
    return -1;
  }
  // A named pipe without a free end fails at once rather than waiting; a
  // directory opens (FILE_FLAG_BACKUP_SEMANTICS) so that it is refused as one.
  const HANDLE handle =
      ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = lastError();
    return -1;
  }
  opened = identityOfHandle(handle);
  return descriptorOf(handle, _O_RDONLY, error);
}

long long readSome(int fd, char* buffer, std::size_t size, int& error) {
  const HANDLE handle = handleOf(fd);
  if (isConsole(handle)) {
    // typed text as UTF-16, and as UTF-8 for the program; Ctrl-Z ends it
    wchar_t typed[4096];
    DWORD got = 0;
    const DWORD room = static_cast<DWORD>(std::min<std::size_t>(sizeof typed / sizeof typed[0], size / 3));
    if (!::ReadConsoleW(handle, typed, room, &got, nullptr)) {
      error = lastError();
      return -1;
    }
    if (got == 0 || typed[0] == 0x1A) return 0;
    const std::string utf8 = toUtf8(typed, got);
    utf8.copy(buffer, utf8.size());
    return static_cast<long long>(utf8.size());
  }
  DWORD got = 0;
  if (::ReadFile(handle, buffer, static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30)), &got, nullptr))
    return got;
  const DWORD failure = ::GetLastError();
  if (failure == ERROR_BROKEN_PIPE || failure == ERROR_HANDLE_EOF) return 0;  // the writer is done
  error = errnoOf(failure);
  return -1;
}

std::size_t readAt(int fd, std::uint64_t offset, unsigned char* buffer, std::size_t count) {
  const HANDLE handle = handleOf(fd);
  std::size_t got = 0;
  while (got < count) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset + got);
    at.OffsetHigh = static_cast<DWORD>((offset + got) >> 32);
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(count - got, 1u << 30));
    if (!::ReadFile(handle, buffer + got, want, &n, &at) || n == 0) break;
    got += n;
  }
  return got;
}

bool inputReady(int fd) {
  const HANDLE handle = handleOf(fd);
  switch (::GetFileType(handle)) {
    case FILE_TYPE_PIPE: {
      DWORD available = 0;
      // a pipe whose writer is gone has its end ready
      return !::PeekNamedPipe(handle, nullptr, 0, nullptr, &available, nullptr) || available > 0;
    }
    case FILE_TYPE_CHAR:
      return !isConsole(handle) || ::WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
    default:
      return true;
  }
}

long long readPosition(int fd) {
  LARGE_INTEGER position{};
  if (!::SetFilePointerEx(handleOf(fd), LARGE_INTEGER{}, &position, FILE_CURRENT)) return -1;
  return position.QuadPart;
}

bool setReadPosition(int fd, long long position) {
  LARGE_INTEGER to{};
  to.QuadPart = position;
  return ::SetFilePointerEx(handleOf(fd), to, nullptr, FILE_BEGIN) != 0;
}

long long writeSome(int fd, const char* data, std::size_t size, int& error) {
  const HANDLE handle = handleOf(fd);
  if (isConsole(handle)) {
    // UTF-16 to the console, which no console code page can garble
    std::size_t whole = wholeCharacters(data, std::min<std::size_t>(size, 1 << 16));
    if (whole == 0) whole = std::min<std::size_t>(size, 1 << 16);
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, data, static_cast<int>(whole), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, data, static_cast<int>(whole), text.data(), length);
    for (std::size_t done = 0; done < text.size();) {
      DWORD put = 0;
      if (!::WriteConsoleW(handle, text.data() + done, static_cast<DWORD>(text.size() - done), &put, nullptr)) {
        error = lastError();
        return -1;
      }
      done += put;
    }
    return static_cast<long long>(whole);
  }
  DWORD put = 0;
  if (::WriteFile(handle, data, static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30)), &put, nullptr))
    return put;
  error = lastError();
  return -1;
}

bool syncFile(int fd, int& error) {
  if (::FlushFileBuffers(handleOf(fd))) return true;
  error = lastError();
  return false;
}

void closeFile(int fd) { ::_close(fd); }

bool showsColours(int fd) {
  const HANDLE handle = handleOf(fd);
  DWORD mode;
  return isConsole(handle) && ::GetConsoleMode(handle, &mode) &&
         ::SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

// Windows has no FIFOs among its files and no terminals by name: a name is a
// file to write (and CON, NUL or a pipe is refused as none).
int openPipeOrTerminal(const std::string&, int&) { return -1; }

// Windows has no files without a name: a named, hidden one is used.
int createUnnamedFile(const std::string&, unsigned) { return -1; }

bool nameUnnamedFile(int, const std::string&, int& error) {
  error = ENOSYS;
  return false;
}

int createNewFile(const std::string& path, unsigned, int& error) {
  std::wstring name;
  if (!toWide(path, name)) {
    error = ENOENT;
    return -1;
  }
  // FILE_SHARE_DELETE: it is moved into place while still open
  const HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    error = lastError();
    return -1;
  }
  return descriptorOf(handle, _O_WRONLY, error);
}

// The folder's access rules are inherited by a new file, and ReplaceFileW
// keeps those of a replaced one: nothing to copy.
void takePermissionsOf(int, const std::string&) {}

namespace {

// The temporary file is hidden while it is written; in place it is not.
bool move(const std::string& from, const std::string& to, bool replace, int& error) {
  std::wstring source, target;
  if (!toWide(from, source) || !toWide(to, target)) {
    error = ENOENT;
    return false;
  }
  ::SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_NORMAL);
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
  if (::MoveFileExW(source.c_str(), target.c_str(), flags)) return true;
  const DWORD failure = ::GetLastError();
  // A target that another program holds open, sharing its deletion (an
  // editor, a viewer): ReplaceFileW can replace it where a move cannot.
  if (replace && (failure == ERROR_ACCESS_DENIED || failure == ERROR_SHARING_VIOLATION) &&
      ::ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return true;
  error = errnoOf(failure);
  ::SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_HIDDEN);
  return false;
}

}  // namespace

bool moveReplacing(const std::string& from, const std::string& to, int& error) {
  return move(from, to, true, error);
}

bool moveWithoutReplacing(const std::string& from, const std::string& to, int& error) {
  return move(from, to, false, error);
}

// Windows cannot exchange two names in one step.
bool exchange(const std::string&, const std::string&, int& error) {
  error = ENOSYS;
  return false;
}

bool removeFile(const std::string& path) {
  std::wstring name;
  return toWide(path, name) && ::DeleteFileW(name.c_str());
}

void removeFileWhenInterrupted(const char* path) {
  wchar_t name[4096];  // temporary_files.cpp keeps no longer names
  if (::MultiByteToWideChar(CP_UTF8, 0, path, -1, name, sizeof name / sizeof name[0]) > 0) ::DeleteFileW(name);
}

void onInterruption(void (*removeAll)()) {
  removeOnInterruption = removeAll;
  ::SetConsoleCtrlHandler(removeAndEnd, TRUE);
}

unsigned long processId() { return ::GetCurrentProcessId(); }

// Windows has neither signal: a write to a closed pipe fails with
// ERROR_NO_DATA, a full disk with ERROR_DISK_FULL.
void reportWriteErrors() {}

std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> utf8;
  for (int i = 1; arguments && i < count; ++i) utf8.push_back(toUtf8(arguments[i], std::wcslen(arguments[i])));
  ::LocalFree(arguments);
  return utf8;
}

bool terminalTakesUtf8() { return true; }

bool fileNamesAreUtf8() { return true; }

}  // namespace kortavex::platform
