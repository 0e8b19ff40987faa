#pragma once
// Every call into the operating system, with one form for POSIX systems
// (platform_posix.cpp) and one for Windows (platform_windows.cpp); CMake
// builds the one that fits. On both, a file name is a std::string: the bytes
// given on POSIX, UTF-8 on Windows (turned into UTF-16 only at the call, so
// that names beyond the ANSI code page work); an open file is a C runtime
// descriptor (a HANDLE behind it on Windows, used directly: never the CRT's
// text mode); and an error is an errno value (Windows errors are mapped), so
// that messages and exit statuses are the same on both.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kortavex {

// A directory entry or an open file as a writer or a run sees it: what it
// is, which file it is, and its size and modification time, so that a file
// appended to or cut short is told from the file it was.
struct FileIdentity {
  bool exists = false;
  bool regular = false;
  bool directory = false;  // never replaced by a file: no question about it, no --force
  bool special = false;    // a device, FIFO, socket, pipe or console: never replaced by a file either
  bool link = false;       // a symbolic link, seen as the entry itself
  std::uint64_t device = 0, inode = 0;  // st_dev, st_ino | volume serial, file index
  std::uint64_t size = 0;
  std::int64_t modified = 0;       // nanoseconds since 1970
  std::int64_t statusChanged = 0;  // likewise; no one can set it back, as touch -r does the other
  unsigned permissions = 0;        // the bits rwxrwxrwx (Windows: 0444 for a read-only file, else 0666)
  // The same file, unchanged.
  bool operator==(const FileIdentity& other) const {
    return unchangedButRenamed(other) && statusChanged == other.statusChanged;
  }
  // The same file, unchanged but for the status-change time that a rename sets.
  bool unchangedButRenamed(const FileIdentity& other) const {
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modified == other.modified;
  }
  // The same file, changed or not.
  bool sameFile(const FileIdentity& other) const {
    return exists && other.exists && device == other.device && inode == other.inode;
  }
};

namespace platform {

constexpr int kStandardInput = 0, kStandardOutput = 1, kStandardError = 2;

// The text of an errno value: the system's own in the language of the
// locale (strerror) on POSIX, englishErrorText on Windows, whose runtime
// words some errors otherwise, so that both say the same in English.
std::string errorText(int error);
// The program's own English texts, glibc's words.
std::string englishErrorText(int error);

// ------------------------------------------------------------------ names
// The position of the last directory separator ('/'; on Windows also '\\'
// and the ':' after a drive letter), or npos.
std::size_t lastSeparator(const std::string& path);
// `name` is the name of a file in a directory: no separator, no NUL (on
// Windows also none of :*?"<>|, no control character, no trailing dot or
// blank, and no device name such as NUL or COM1).
bool isNameInDirectory(const std::string& name);
// The target of the symbolic link at `path`, or empty when it is none.
std::string linkTarget(const std::string& path);
// The directory of the running program, or empty when it cannot be told.
std::string executableDirectory();
// The value of an environment variable as UTF-8; empty when it is not set.
std::string environmentText(const char* name);
// What separates the folders of a list such as $PROJ_DATA: ':' | ';'.
char folderListSeparator();
// Where PROJ keeps grids after $PROJ_DATA: the user's folder, where projsync
// puts them ($XDG_DATA_HOME/proj, else ~/.local/share/proj |
// %LOCALAPPDATA%\proj), then the system's (/usr/share/proj | none).
std::vector<std::string> projGridDirectories();
// Where desktop programs keep the user's state: $XDG_STATE_HOME, else
// ~/.local/state | %LOCALAPPDATA%; empty when the system names none.
std::string userStateDirectory();
// Creates `path` and the directories above it that are missing; false when
// it is no directory afterwards.
bool makeDirectories(const std::string& path);

// ------------------------------------------------------------ identities
// The entry at `path` (a symbolic link as itself) or the file at the end of
// its links; nothing there: `exists` false, the reason in `*error`.
FileIdentity entryIdentity(const std::string& path);
FileIdentity fileIdentity(const std::string& path, int* error = nullptr);
FileIdentity descriptorIdentity(int fd);

// ------------------------------------------------------ reading, writing
// Opens `path` for reading without waiting (a FIFO waits for a writer for
// ever otherwise); `opened` tells what it is: the caller refuses what is no
// regular file. -1 with `error` when it cannot be opened.
int openForReading(const std::string& path, FileIdentity& opened, int& error);
// Up to `size` bytes: 0 at the end, -1 with `error` on a failure.
long long readSome(int fd, char* buffer, std::size_t size, int& error);
// What the file holds of `count` bytes from `offset`: fewer at its end or
// after a read error.
std::size_t readAt(int fd, std::uint64_t offset, unsigned char* buffer, std::size_t count);
// Reading would not wait: data or the end is there.
bool inputReady(int fd);
// The read position of a regular file, and setting it back; -1: none.
long long readPosition(int fd);
bool setReadPosition(int fd, long long position);
// Some of `size` bytes written (a console gets them as UTF-8 text); -1 with
// `error` on a failure (EPIPE for a closed pipe, ENOSPC for a full disk).
long long writeSome(int fd, const char* data, std::size_t size, int& error);
bool syncFile(int fd, int& error);
void closeFile(int fd);
// A terminal that shows ANSI colours (a Windows console is asked to).
bool showsColours(int fd);
// Opens the FIFO or terminal at the end of `path`'s links for writing, as a
// shell's ">" does (a FIFO waits for its reader); -1 for any other file, and
// for one that cannot be opened, with the reason in `error`.
int openPipeOrTerminal(const std::string& path, int& error);

// ------------------------------------------------------ placing new files
// A file without a name in `directory` ("" the working one) that vanishes
// with the process however it ends; -1 where the system has none.
int createUnnamedFile(const std::string& directory, unsigned permissions);
// Gives the unnamed file its name, only where no file stands (EEXIST).
bool nameUnnamedFile(int fd, const std::string& path, int& error);
// A new file, hidden from a listing where the system can hide it; EEXIST
// when a file stands there.
int createNewFile(const std::string& path, unsigned permissions, int& error);
// The permission bits of the regular file at `path`, if one is there, for `fd`.
void takePermissionsOf(int fd, const std::string& path);
// Moves `from` to `to`, replacing what stands there, in one step.
bool moveReplacing(const std::string& from, const std::string& to, int& error);
// Moves `from` to `to` only where no file stands (EEXIST otherwise).
bool moveWithoutReplacing(const std::string& from, const std::string& to, int& error);
// The two entries change places in one step; ENOSYS or EINVAL where the
// system or file system cannot.
bool exchange(const std::string& a, const std::string& b, int& error);
bool removeFile(const std::string& path);
// The same, from an interruption handler: no allocation, no lock.
void removeFileWhenInterrupted(const char* path);
// `removeAll` runs when the user or the system interrupts the process
// (SIGINT, SIGTERM, SIGHUP, SIGXFSZ | Ctrl-C, Ctrl-Break, closing the
// console, logging off); the process then ends as a POSIX one does on that
// signal (exit status 130 or 129 on Windows).
void onInterruption(void (*removeAll)());
unsigned long processId();

// --------------------------------------------------------- the process
// A closed pipe and a file-size limit are write errors to report, never a
// silent end of the process (SIGPIPE, SIGXFSZ).
void reportWriteErrors();
// The arguments after the program's name, UTF-8 on Windows (its narrow argv
// holds the ANSI code page, where "Łódź" is no longer a name of the file).
std::vector<std::string> commandLineArguments(int argc, char** argv);
// The terminal takes UTF-8 (the locale's character set | always: a console
// is written as UTF-16, pipes and files get UTF-8); otherwise single bytes.
bool terminalTakesUtf8();
// File names are UTF-8 (Windows) rather than the locale's encoding.
bool fileNamesAreUtf8();

}  // namespace platform
}  // namespace kortavex
