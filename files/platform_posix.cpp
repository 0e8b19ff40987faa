#include <fcntl.h>
#include <langinfo.h>
#include <limits.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "files/platform.h"

namespace kortavex::platform {

namespace {

FileIdentity identityOf(const struct stat& info) {
  FileIdentity identity;
  identity.exists = true;
  identity.regular = S_ISREG(info.st_mode);
  identity.directory = S_ISDIR(info.st_mode);
  identity.link = S_ISLNK(info.st_mode);
  identity.special = !identity.regular && !identity.directory && !identity.link;
  identity.device = static_cast<std::uint64_t>(info.st_dev);
  identity.inode = static_cast<std::uint64_t>(info.st_ino);
  identity.size = static_cast<std::uint64_t>(info.st_size);
  identity.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  identity.statusChanged = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
  identity.permissions = static_cast<unsigned>(info.st_mode & 0777);
  return identity;
}

// Where an unnamed file's descriptor can be linked from without privileges.
std::string descriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

}  // namespace

std::string errorText(int error) { return std::strerror(error); }

std::size_t lastSeparator(const std::string& path) { return path.rfind('/'); }

bool isNameInDirectory(const std::string& name) {
  return name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

std::string linkTarget(const std::string& path) {
  char link[PATH_MAX];
  const ssize_t length = ::readlink(path.c_str(), link, sizeof link);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof link) return {};
  return std::string(link, static_cast<std::size_t>(length));
}

std::string executableDirectory() {
  const std::string path = linkTarget("/proc/self/exe");
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string environmentText(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

char folderListSeparator() { return ':'; }

namespace {

// $XDG_..._HOME, else ~/`fallback`: the XDG base directories; a relative
// value is ignored, since it would move with the working directory.
std::string baseDirectory(const char* variable, const char* fallback) {
  if (const std::string value = environmentText(variable); value.rfind('/', 0) == 0) return value;
  if (const std::string home = environmentText("HOME"); home.rfind('/', 0) == 0) return home + "/" + fallback;
  return {};
}

}  // namespace

std::vector<std::string> projGridDirectories() {
  std::vector<std::string> directories;
  if (const std::string user = baseDirectory("XDG_DATA_HOME", ".local/share"); !user.empty())
    directories.push_back(user + "/proj");
  directories.emplace_back("/usr/share/proj");
  return directories;
}

std::string userStateDirectory() { return baseDirectory("XDG_STATE_HOME", ".local/state"); }

bool makeDirectories(const std::string& path) {
  std::error_code ignored;
  std::filesystem::create_directories(path, ignored);
  return std::filesystem::is_directory(path, ignored);
}

FileIdentity entryIdentity(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? identityOf(info) : FileIdentity{};
}

FileIdentity fileIdentity(const std::string& path, int* error) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return identityOf(info);
  if (error) *error = errno;
  return {};
}

FileIdentity descriptorIdentity(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 ? identityOf(info) : FileIdentity{};
}

int openForReading(const std::string& path, FileIdentity& opened, int& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = errno;
    return -1;
  }
  opened = descriptorIdentity(fd);
  if (opened.regular) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

long long readSome(int fd, char* buffer, std::size_t size, int& error) {
  for (;;) {
    const ssize_t got = ::read(fd, buffer, size);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) error = errno;
    return got;
  }
}

std::size_t readAt(int fd, std::uint64_t offset, unsigned char* buffer, std::size_t count) {
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n = ::pread(fd, buffer + got, count - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

bool inputReady(int fd) {
  pollfd input{fd, POLLIN, 0};
  return ::poll(&input, 1, 0) == 1;
}

long long readPosition(int fd) { return ::lseek(fd, 0, SEEK_CUR); }

bool setReadPosition(int fd, long long position) {
  return ::lseek(fd, static_cast<off_t>(position), SEEK_SET) == position;
}

long long writeSome(int fd, const char* data, std::size_t size, int& error) {
  for (;;) {
    const ssize_t put = ::write(fd, data, size);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) error = errno;
    return put;
  }
}

bool syncFile(int fd, int& error) {
  if (::fsync(fd) == 0) return true;
  error = errno;
  return false;
}

void closeFile(int fd) { ::close(fd); }

bool showsColours(int fd) { return ::isatty(fd) == 1; }

int openPipeOrTerminal(const std::string& path, int& error) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return -1;
  const bool fifo = S_ISFIFO(info.st_mode);
  if (!fifo && !S_ISCHR(info.st_mode)) return -1;
  // A FIFO waits for its reader; a device is opened without waiting and
  // taken only when it is a terminal.
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (fifo ? 0 : O_NONBLOCK));
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    error = errno;
    return -1;
  }
  // what was opened, in case another file took the name meanwhile
  if ((::fstat(fd, &info) == 0 && S_ISFIFO(info.st_mode)) || ::isatty(fd)) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
  }
  ::close(fd);
  return -1;
}

int createUnnamedFile(const std::string& directory, unsigned permissions) {
#ifdef O_TMPFILE
  static const bool usable = ::access("/proc/self/fd", X_OK) == 0;
  if (usable) return ::open(directory.empty() ? "." : directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, permissions);
#endif
  (void)directory, (void)permissions;
  return -1;
}

bool nameUnnamedFile(int fd, const std::string& path, int& error) {
  if (::linkat(AT_FDCWD, descriptorPath(fd).c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
  error = errno;
  return false;
}

int createNewFile(const std::string& path, unsigned permissions, int& error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions);
  if (fd < 0) error = errno;
  return fd;
}

void takePermissionsOf(int fd, const std::string& path) {
  struct stat old {};
  if (::lstat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 0777);
}

bool moveReplacing(const std::string& from, const std::string& to, int& error) {
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  error = errno;
  return false;
}

bool moveWithoutReplacing(const std::string& from, const std::string& to, int& error) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  error = errno;
  // a file system without it: a link also fails where a file stands
  if ((error != EINVAL && error != ENOSYS)) return false;
  if (::link(from.c_str(), to.c_str()) != 0) {
    error = errno;
    return false;
  }
  ::unlink(from.c_str());
  return true;
}

bool exchange(const std::string& a, const std::string& b, int& error) {
  if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0) return true;
  error = errno;
  return false;
}

bool removeFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

void removeFileWhenInterrupted(const char* path) { ::unlink(path); }

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};
struct sigaction previous[sizeof kSignals / sizeof kSignals[0]];
void (*removeOnSignal)();

void removeAndPassOn(int signal) {
  removeOnSignal();
  for (std::size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i) {
    if (kSignals[i] != signal) continue;
    // whoever handled the signal before goes on handling it; by default it ends the process
    ::sigaction(signal, &previous[i], nullptr);
    if (previous[i].sa_handler == SIG_DFL) ::raise(signal);
    else if (!(previous[i].sa_flags & SA_SIGINFO) && previous[i].sa_handler != SIG_IGN)
      previous[i].sa_handler(signal);
  }
}

}  // namespace

void onInterruption(void (*removeAll)()) {
  removeOnSignal = removeAll;
  for (std::size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i) {
    struct sigaction action {};
    action.sa_handler = removeAndPassOn;
    ::sigemptyset(&action.sa_mask);
    for (const int other : kSignals) ::sigaddset(&action.sa_mask, other);
    ::sigaction(kSignals[i], nullptr, &previous[i]);
    // a signal the process ignores (nohup) stays ignored
    if (previous[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
  }
}

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

void reportWriteErrors() {
  ::signal(SIGPIPE, SIG_IGN);
  // with SIGXFSZ ignored, a write beyond ulimit -f fails with EFBIG
  ::signal(SIGXFSZ, SIG_IGN);
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + 1, argv + argc);
}

bool terminalTakesUtf8() { return std::string(nl_langinfo(CODESET)) == "UTF-8"; }

bool fileNamesAreUtf8() { return false; }

}  // namespace kortavex::platform
