// kortavex-cli and the file writes under conditions a hostile user makes for
// real: FIFOs where files are expected, lines of hundreds of megabytes under
// a memory limit, signals in the middle of a run, a full or closed standard
// output, a copy that appears while a run writes it, symbolic links.
#include <fcntl.h>
#include <locale.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/platform.h"
#include "files/temporary_files.h"
#include "files/text_file.h"
#include "settings/parameter_file.h"
#include "settings/settings.h"
#include "settings/startup.h"
#include "tests/test_support.h"
#include "workflow/import_export.h"

using namespace kortavex;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// kortavex-cli started in `dir` with standard input from `input` (a path,
// or /dev/null), standard output to `out` (a descriptor, -1: a file
// "stdout" in dir) and standard error into the file "stderr" of dir;
// `limit` runs in the child before the program starts.
pid_t startCli(const TempDirectory& dir, const std::vector<std::string>& args,
               const std::string& input = "/dev/null", int out = -1,
               const std::function<void()>& limit = {}) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  if (chdir(dir.path().c_str()) != 0) _exit(120);
  const int in = open(input.c_str(), O_RDONLY);
  const int err = open("stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (out < 0) out = open("stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || err < 0 || out < 0) _exit(121);
  dup2(in, 0);
  dup2(out, 1);
  dup2(err, 2);
  if (limit) limit();
  std::vector<char*> argv{const_cast<char*>(KORTAVEX_CLI_PATH)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  execv(KORTAVEX_CLI_PATH, argv.data());
  _exit(122);
}

int waitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// The exit status of a run, or 128 + the signal that ended it.
int exitOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

// Waits until `pid` holds its temporary file open in `directory` (unnamed,
// or hidden where the file system has no unnamed files): the run is in the
// middle of writing its copy. False if the process ended first.
bool writingItsCopy(pid_t pid, const std::string& directory) {
  const std::string fds = "/proc/" + std::to_string(pid) + "/fd";
  for (;;) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(fds, error)) {
      std::error_code ignored;
      const std::string target = std::filesystem::read_symlink(entry.path(), ignored).string();
      if (target.rfind(directory + "/", 0) == 0 &&
          (target.find("(deleted)") != std::string::npos || target.find("/.kortavex-") != std::string::npos))
        return true;
    }
    if (error || waitpid(pid, nullptr, WNOHANG) != 0) return false;
    usleep(200);
  }
}

// A sparse file of `size` zero bytes and then `tail`: one huge line that
// costs no disk.
void writeSparse(const TempDirectory& dir, const std::string& name, std::uint64_t size,
                 const std::string& head = "", const std::string& tail = "") {
  dir.write(name, head);
  std::filesystem::resize_file(dir.file(name), head.size() + size);
  std::ofstream(dir.file(name), std::ios::binary | std::ios::app) << tail;
}

const std::vector<std::string> kGk = {"--from", "GK3_DHDN", "--to", "DHDN"};

std::vector<std::string> withArgs(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(HostileConditions, FifosAreRefusedWithoutBlocking) {
  TempDirectory dir;
  mkfifo(dir.file("pipe.txt").c_str(), 0644);
  LineReader reader(dir.file("pipe.txt"));
  EXPECT_FALSE(reader.isOpen());
  EXPECT_EQ(reader.error(), dir.file("pipe.txt") + ": not a regular file");

  struct Case {
    const char* fifo;
    std::vector<std::string> args;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"kortavex.cfg", {"--from", "WGS84", "--to", "MGI"}, 1, "kortavex-cli: kortavex.cfg: not a regular file\n"},
      {"mine.gtp", {"--from", "WGS84", "--to", "User"}, 2,
       "Faulty parameter file, the parameter set is not used:\nmine.gtp: not a regular file\n"},
      {"in.txt", withArgs(kGk, {"in.txt"}), 1, "kortavex-cli: in.txt: not a regular file\n"},
  };
  for (const Case& c : cases) {
    TempDirectory run;
    if (std::string(c.fifo) == "mine.gtp")
      run.write("kortavex.cfg", "kortavex_options_v45\r\n0\r\n2\r\n3\r\n \r\nmine\r\nEnglish\r\n1023\r\n");
    mkfifo(run.file(c.fifo).c_str(), 0644);
    const int status = exitOf(waitFor(startCli(run, c.args)));
    EXPECT_EQ(status, c.status) << c.fifo;
    EXPECT_EQ(run.read("stderr") + run.read("stdout"), c.message) << c.fifo;
  }

  // a process substitution is a pipe as well
  TempDirectory shell;
  const std::string command = "cd '" + shell.path() + "' && '" KORTAVEX_CLI_PATH
                              "' --from GK3_DHDN --to DHDN <(echo 3500000 5500000) >stdout 2>stderr";
  const int status = std::system(("bash -c \"" + command + "\"").c_str());
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(shell.read("stdout") + shell.read("stderr"), "kortavex-cli: /dev/fd/63: not a regular file\n");
}

// Lines of hundreds of megabytes and of gigabytes under an address-space
// limit far below that: the file conversion copies a line through and
// converts the line after it; standard input, options and parameter files
// refuse it.
TEST(HostileConditions, HugeLinesStayUnderAFixedMemoryCap) {
  if (kAddressSanitizer) GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space";
  constexpr std::uint64_t kLine = 300u << 20;
  const auto capped = [] {
    const rlimit cap{160u << 20, 160u << 20};
    setrlimit(RLIMIT_AS, &cap);
  };
  TempDirectory dir;
  writeSparse(dir, "huge.txt", kLine, "a ", "\np 3500000.5 5500000\n");
  constexpr std::uint64_t kGigabytes = 6ull << 30;
  writeSparse(dir, "tabs.txt", kGigabytes);

  const int converted = exitOf(waitFor(startCli(dir, withArgs(kGk, {"huge.txt"}), "/dev/null", -1, capped)));
  EXPECT_EQ(converted, 0) << dir.read("stderr");
  EXPECT_EQ(std::filesystem::file_size(dir.file("huge_cvt.txt")),
            std::string("*-- Start:GK3_DHDN -> Target:DHDN\n").size() + 2 + kLine + 1 +
                std::string("p 49.63781609 9.00000692\n").size());
  {
    std::ifstream copy(dir.file("huge_cvt.txt"), std::ios::binary);
    copy.seekg(-27, std::ios::end);
    std::string end(27, ' ');
    copy.read(end.data(), 27);
    EXPECT_EQ(end, std::string("\0\np 49.63781609 9.00000692\n", 27));
  }
  std::filesystem::remove(dir.file("huge_cvt.txt"));

  const struct {
    std::vector<std::string> args;
    const char* input;
    int status;
    const char* message;
  } refusals[] = {
      {kGk, "tabs.txt", 1, "kortavex-cli: standard input, line 1: longer than 1048576 bytes\n"},
      {{"--check", "--from", "GK3_DHDN"}, "huge.txt", 1,
       "kortavex-cli: standard input, line 1: longer than 1048576 bytes\n"},
  };
  for (const auto& r : refusals) {
    EXPECT_EQ(exitOf(waitFor(startCli(dir, r.args, dir.file(r.input), -1, capped))), r.status);
    EXPECT_EQ(dir.read("stderr"), r.message);
  }

  // options and parameter files with a line of 300 MB
  TempDirectory settings;
  writeSparse(settings, "kortavex.cfg", kGigabytes, "kortavex_options_v45\r\n");
  EXPECT_EQ(exitOf(waitFor(startCli(settings, kGk, "/dev/null", -1, capped))), 1);
  EXPECT_EQ(settings.read("stderr"), "kortavex-cli: kortavex.cfg, line 2: longer than 1048576 bytes\n");
  settings.write("kortavex.cfg", "kortavex_options_v45\r\n0\r\n2\r\n3\r\n \r\nmine\r\nEnglish\r\n1023\r\n");
  writeSparse(settings, "mine.gtp", kGigabytes, "kortavex_parameter_v4\r\nmine\r\n");
  EXPECT_EQ(exitOf(waitFor(startCli(settings, {"--from", "WGS84", "--to", "User"}, "/dev/null", -1, capped))), 2);
  EXPECT_EQ(settings.read("stderr"),
            "Faulty parameter file, the parameter set is not used:\n"
            "mine.gtp, line 3: longer than 1 MiB, the file is not read\n");
  for (const TempDirectory* d : {&dir, &settings})
    for (const std::string& name : d->entries()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;

  // the import refuses such a file, naming the line
  const ImportResult imported = importFile(dir.file("huge.txt"), {' ', 0, 1});
  EXPECT_FALSE(imported.read);
  EXPECT_EQ(imported.longLine, 1u);
  EXPECT_EQ(imported.text, "");
}

// SIGINT, SIGTERM and SIGHUP in the middle of writing a copy end the run as
// they always do, and leave the folder as it was: no temporary file, the old
// copy intact. A file-size limit is a write error, reported.
TEST(HostileConditions, SignalsInTheMiddleOfARunLeaveNothingBehind) {
  TempDirectory dir;
  writeSparse(dir, "slow.txt", 4000u << 20, "", "\n");
  dir.write("slow_cvt.txt", "old copy");
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const pid_t pid = startCli(dir, withArgs(kGk, {"--force", "slow.txt"}));
    ASSERT_TRUE(writingItsCopy(pid, dir.path())) << signal;
    kill(pid, signal);
    EXPECT_EQ(exitOf(waitFor(pid)), 128 + signal);
    EXPECT_EQ(dir.read("slow_cvt.txt"), "old copy") << signal;
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"slow.txt", "slow_cvt.txt", "stderr", "stdout"}));
  }
  // the file size limit itself
  const auto limited = [] {
    const rlimit limit{1 << 20, 1 << 20};
    setrlimit(RLIMIT_FSIZE, &limit);
  };
  EXPECT_EQ(exitOf(waitFor(startCli(dir, withArgs(kGk, {"--force", "slow.txt"}), "/dev/null", -1, limited))), 1);
  EXPECT_EQ(dir.read("stdout") + dir.read("stderr"), "kortavex-cli: slow_cvt.txt: File too large\n");
  EXPECT_EQ(dir.read("slow_cvt.txt"), "old copy");
  EXPECT_EQ(dir.entries(), (std::vector<std::string>{"slow.txt", "slow_cvt.txt", "stderr", "stdout"}));

  // where a file system has no unnamed files, the named temporary file goes
  // when the signal comes, and the signal still ends the process
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGXFSZ}) {
    const pid_t pid = fork();
    if (pid == 0) {
      const std::string name = dir.file(".kortavex-named.tmp");
      close(open(name.c_str(), O_WRONLY | O_CREAT, 0644));
      rememberTemporaryFile(name);
      raise(signal);
      _exit(0);
    }
    EXPECT_EQ(exitOf(waitFor(pid)), 128 + signal);
    EXPECT_FALSE(dir.exists(".kortavex-named.tmp")) << signal;
  }
}

// Memory running out at any point of a run (an address-space limit from
// what the program needs to start to what a run needs) ends it with a
// message and exit 1, never an abort, and leaves no copy behind.
TEST(HostileConditions, MemoryRunningOutIsReportedAndLeavesNothingBehind) {
  if (kAddressSanitizer) GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space";
  TempDirectory dir;
  std::string points;
  for (int i = 0; i < 20000; ++i) points += "p " + std::to_string(3500000 + i) + " 5500000\n";
  dir.write("points.txt", points);
  int outOfMemory = 0;
  for (rlim_t megabytes = 4; megabytes <= 64; megabytes += 2) {
    SCOPED_TRACE(megabytes);
    const auto capped = [megabytes] {
      const rlimit cap{megabytes << 20, megabytes << 20};
      setrlimit(RLIMIT_AS, &cap);
    };
    const int status = exitOf(waitFor(startCli(dir, withArgs(kGk, {"--force", "points.txt"}), "/dev/null", -1, capped)));
    const std::string message = dir.read("stderr");
    if (status == 127 || status == 122) continue;  // too little to load the program at all
    if (status == 1 && message == "kortavex-cli: out of memory\n") {
      ++outOfMemory;
      EXPECT_FALSE(dir.exists("points_cvt.txt"));
    } else {
      EXPECT_EQ(status, 0) << message;
    }
    std::filesystem::remove(dir.file("points_cvt.txt"));
    for (const std::string& name : dir.entries()) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
  }
  EXPECT_GT(outOfMemory, 0);
}

// Every mode reports output that could not be written.
TEST(HostileConditions, FullOrClosedStandardOutputIsAWriteError) {
  TempDirectory dir;
  dir.write("in.txt", "3500000.5 5500000\n");
  dir.write("points.txt", "3500000.5 5500000\n0 0\n");  // the second outside the frame
  const std::vector<std::string> modes[] = {
      {"--help"}, {"--list"}, kGk, {"--check", "--from", "GK3_DHDN"}, withArgs(kGk, {"--force", "--columns", "1,2", "in.txt"}),
  };
  for (const std::vector<std::string>& args : modes) {
    const int full = open("/dev/full", O_WRONLY);
    EXPECT_EQ(exitOf(waitFor(startCli(dir, args, dir.file("points.txt"), full))), 1) << args[0];
    close(full);
    EXPECT_EQ(dir.read("stderr"), "kortavex-cli: write error: No space left on device\n") << args[0];

    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    close(pipeEnds[0]);  // nobody reads
    EXPECT_EQ(exitOf(waitFor(startCli(dir, args, dir.file("points.txt"), pipeEnds[1]))), 1) << args[0];
    close(pipeEnds[1]);
    EXPECT_EQ(dir.read("stderr"), "kortavex-cli: write error: Broken pipe\n") << args[0];
  }
}

// The system's errors in the Windows build's words, which are glibc's in
// English: a code it has no text for says so.
TEST(HostileConditions, WindowsErrorTextsAreGlibcsInEnglish) {
  const locale_t english = newlocale(LC_ALL_MASK, "C", locale_t{});
  for (int error = 1; error < 256; ++error) {
    const std::string text = platform::englishErrorText(error);
    if (text != "Unknown error " + std::to_string(error)) {
      EXPECT_EQ(text, strerror_l(error, english)) << error;
    }
  }
  freelocale(english);
}

// Command lines of a hostile user, run by the shell in a fresh folder that
// holds p.txt: $K is kortavex-cli, $G a pair for p.txt, s.txt a source of
// 64 MiB whose run `paused` stops once it has read some of it. Each row: the command,
// its exit status, its standard error, and a shell test of what it left.
TEST(HostileConditions, CommandLines) {
  const char* const setup =
      "cp p.txt p0; G='--from GK3_DHDN --to DHDN'; truncate -s 64M s.txt; echo 'q 3500000 5500000' >> s.txt; "
      "paused() { i=0; until grep -qs '^pos:[[:space:]]*[1-9]' /dev/null $(ls -l /proc/$!/fd 2>/dev/null | "
      "sed -n \"s|.* \\([0-9]*\\) -> .*/s.txt$|/proc/$!/fdinfo/\\1|p\") || [ $((i += 1)) -gt 9999 ]; do :; done; "
      "kill -STOP $!; }";
  const struct {
    const char* command;
    int status;
    const char* err;
    const char* check;
  } rows[] = {
      // input never its own output
      {"\"$K\" $G < p.txt >> p.txt", 2, "kortavex-cli: standard input: input file is output file\n", "cmp p.txt p0"},
      {"ln p.txt h.txt; \"$K\" $G --delimiter ' ' < h.txt >> p.txt", 2,
       "kortavex-cli: standard input: input file is output file\n", "cmp p.txt p0"},
      {"ln -s p.txt l.txt; \"$K\" $G -o - l.txt >> p.txt", 2, "kortavex-cli: l.txt: input file is output file\n",
       "cmp p.txt p0"},
      {"\"$K\" --check --from GK3_DHDN p.txt >> p.txt", 2, "kortavex-cli: p.txt: input file is output file\n",
       "cmp p.txt p0"},
      {"ln p.txt h.txt; \"$K\" $G --force -o h.txt - < p.txt", 2,
       "kortavex-cli: --output names standard input: h.txt\n", "cmp h.txt p0"},
      // standard output and error under their names, pipes and terminals are written into
      {"\"$K\" $G -o /dev/stdout --force p.txt > out", 0, "", "[ -L /dev/stdout ] && grep -q 49.6378 out"},
      {"\"$K\" $G -o /dev/stdout p.txt | cat > out", 0, "", "[ -L /dev/stdout ] && grep -q 49.6378 out"},
      {"\"$K\" $G -o /dev/stderr --force p.txt 2> out", 0, "", "[ -L /dev/stderr ] && grep -q 49.6378 out"},
      {"mkfifo f; cat f > out & \"$K\" $G -o f p.txt", 0, "", "wait; grep -q 49.6378 out"},
      {"script -qec '\"$K\" --from GK3_DHDN --to DHDN -o /dev/tty p.txt > /dev/null' /dev/null > out", 0, "",
       "grep -q 49.6378 out"},
      {"mkfifo f; ln -s f p_cvt.txt; \"$K\" $G --force p.txt", 1,
       "kortavex-cli: p_cvt.txt, the copy of p.txt, is not a regular file and is kept\n", "[ -p f ] && [ -L p_cvt.txt ]"},
      {"mkfifo p_cvt.txt; \"$K\" $G p.txt", 1,
       "kortavex-cli: p_cvt.txt, the copy of p.txt, is not a regular file and is kept\n", "[ -p p_cvt.txt ]"},
      // a copy never takes the place of a FILE of the run
      {"cp p.txt p_cvt.txt; \"$K\" $G --force p.txt p_cvt.txt", 2,
       "kortavex-cli: the copy of p.txt is another FILE of the run: p_cvt.txt\n", "cmp p_cvt.txt p0 && [ ! -s stdout ]"},
      {"ln -s p.txt p_cvt.txt; \"$K\" $G --force p.txt", 2, "kortavex-cli: the copy of p.txt is p.txt itself: p_cvt.txt\n",
       "cmp p.txt p0"},
      {"mkfifo f.txt; \"$K\" $G f.txt", 1, "kortavex-cli: f.txt: not a regular file\n", "[ ! -s stdout ]"},
      // a source that changes while it is read, a copy that changes before it is replaced
      {"\"$K\" $G s.txt & paused; echo 'r 1 2' >> s.txt; kill -CONT $!; wait $!", 1,
       "kortavex-cli: s.txt changed during the run, no copy is written\n", "[ ! -e s_cvt.txt ]"},
      {"\"$K\" $G s.txt & paused; truncate -s 1M s.txt; kill -CONT $!; wait $!", 1,
       "kortavex-cli: s.txt changed during the run, no copy is written\n", "[ ! -e s_cvt.txt ]"},
      {"\"$K\" $G s.txt & paused; cp p.txt n; mv n s.txt; kill -CONT $!; wait $!", 1,
       "kortavex-cli: s.txt changed during the run, no copy is written\n", "[ ! -e s_cvt.txt ]"},
      {"\"$K\" $G s.txt & paused; touch -r s.txt t; echo x | dd of=s.txt conv=notrunc status=none; touch -r t s.txt; "
       "kill -CONT $!; wait $!", 1, "kortavex-cli: s.txt changed during the run, no copy is written\n",
       "[ ! -e s_cvt.txt ]"},
      {"\"$K\" $G --delimiter ' ' < s.txt > out & paused; echo 'r 1 2' >> s.txt; kill -CONT $!; wait $!", 1,
       "kortavex-cli: standard input changed during the run\n", "true"},
      {"echo old > s_cvt.txt; \"$K\" $G --force s.txt & paused; echo new >> s_cvt.txt; kill -CONT $!; wait $!", 1,
       "kortavex-cli: s_cvt.txt came or changed during the run and is kept\n", "[ \"$(cat s_cvt.txt)\" = 'old\nnew' ]"},
      // a copy has its source's permission bits within the umask
      {"chmod 600 p.txt; umask 022; \"$K\" $G p.txt", 0, "", "[ $(stat -c %a p_cvt.txt) = 600 ]"},
      {"chmod 640 p.txt; umask 022; \"$K\" $G p.txt", 0, "", "[ $(stat -c %a p_cvt.txt) = 640 ]"},
      {"chmod 600 p.txt; umask 077; \"$K\" $G p.txt", 0, "", "[ $(stat -c %a p_cvt.txt) = 600 ]"},
      {"chmod 640 p.txt; umask 077; \"$K\" $G p.txt", 0, "", "[ $(stat -c %a p_cvt.txt) = 600 ]"},
      // file names in the terminal's encoding
      {"cp p.txt \"$(printf 'l\\344.txt')\"; touch \"$(printf 'l\\344_cvt.txt')\"; LC_ALL=C.UTF-8 \"$K\" $G l?.txt", 1,
       "kortavex-cli: l\xC3\xA4_cvt.txt exists and is kept; --force replaces it\n", "true"},
      {"n=$(printf '\\305\\201\\305\\231'); cp p.txt $n.txt; LC_ALL=C.UTF-8 \"$K\" $G $n.txt", 0, "",
       "head -1 stdout | grep -qx \"* ${n}_cvt.txt Target generated!\""},
      // a set named but not there converts nothing
      {"printf 'kortavex_options_v45\\r\\n0\\r\\n2\\r\\n3\\r\\n \\r\\nMySet\\r\\nEnglish\\r\\n1023\\r\\n' > kortavex.cfg; "
       "\"$K\" --from WGS84 --to User p.txt", 2,
       "Parameter file not found, the parameter set is not used:\nMySet.gtp\n", "[ ! -e p_cvt.txt ]"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.command);
    TempDirectory dir;
    dir.write("p.txt", "a 3500000 5500000\n");
    const ShellRun run = runShell("cd '" + dir.path() + "' && export LC_ALL=C K='" KORTAVEX_CLI_PATH "' && " + setup +
                                  " && { " + row.command + "; } > stdout 2> stderr; s=$?; " + row.check +
                                  " && echo $s");
    EXPECT_EQ(run.out, std::to_string(row.status) + "\n");
    EXPECT_EQ(dir.read("stderr"), row.err);
  }
}

// A copy that appears while a run writes one is never replaced; neither is
// one that took the place of the copy that --force was given for.
TEST(HostileConditions, ACopyThatAppearsDuringTheRunIsKept) {
  TempDirectory dir;
  writeSparse(dir, "s.txt", 64u << 20, "", "\np 3500000.5 5500000\n");
  const struct {
    const char* before;  // the copy at the start, or none
    bool force;
    bool replaceDuringRun;
    int status;
  } cases[] = {
      {nullptr, false, true, 1},
      {"old", true, true, 1},
      {"old", true, false, 0},
      {nullptr, true, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << (c.before ? c.before : "none") << " " << c.force);
    std::filesystem::remove(dir.file("s_cvt.txt"));
    if (c.before) dir.write("s_cvt.txt", c.before);
    const pid_t pid = startCli(dir, withArgs(kGk, c.force ? std::vector<std::string>{"--force", "s.txt"}
                                                       : std::vector<std::string>{"s.txt"}));
    ASSERT_TRUE(writingItsCopy(pid, dir.path()));
    if (c.replaceDuringRun) {  // another file, by its own rename
      dir.write("other", "another run's copy");
      std::filesystem::rename(dir.file("other"), dir.file("s_cvt.txt"));
    }
    EXPECT_EQ(exitOf(waitFor(pid)), c.status) << dir.read("stderr");
    if (c.replaceDuringRun) {
      EXPECT_EQ(dir.read("s_cvt.txt"), "another run's copy");
      EXPECT_EQ(dir.read("stderr"), "kortavex-cli: s_cvt.txt came or changed during the run and is kept\n");
    } else {
      EXPECT_EQ(std::filesystem::file_size(dir.file("s_cvt.txt")), 34 + (64u << 20) + 1 + 25);
    }
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"s.txt", "s_cvt.txt", "stderr", "stdout"}));
  }

  // two runs on the same source: one writes the copy, the other keeps it
  std::filesystem::remove(dir.file("s_cvt.txt"));
  TempDirectory second;
  const pid_t first = startCli(dir, withArgs(kGk, {"s.txt"}));
  const pid_t other = startCli(second, withArgs(kGk, {dir.file("s.txt")}));
  const int statuses = exitOf(waitFor(first)) + exitOf(waitFor(other));
  EXPECT_EQ(statuses, 1) << dir.read("stderr") << second.read("stderr");
  EXPECT_EQ(std::filesystem::file_size(dir.file("s_cvt.txt")), 34 + (64u << 20) + 1 + 25);
}

// What the final step of a write finds at the target, changed while the
// write went on, against what it may replace: only the file it was allowed
// to, or a place where still nothing stands.
TEST(HostileConditions, AWriteReplacesOnlyWhatItWasAllowedTo) {
  enum class Meanwhile { Nothing, Created, Replaced, Removed };
  const struct {
    bool before;  // a file at the target when the write starts
    bool replaceAny;
    Meanwhile meanwhile;
    bool written;
  } cases[] = {
      {false, false, Meanwhile::Nothing, true},   {false, false, Meanwhile::Created, false},
      {true, false, Meanwhile::Nothing, true},    {true, false, Meanwhile::Replaced, false},
      {true, false, Meanwhile::Removed, true},    {true, true, Meanwhile::Replaced, true},
      {false, true, Meanwhile::Created, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.before << " " << c.replaceAny << " " << int(c.meanwhile));
    TempDirectory dir;
    if (c.before) dir.write("t", "before");
    const std::string target = dir.file("t");
    AtomicFileWriter writer = c.replaceAny ? AtomicFileWriter(target) : AtomicFileWriter(target, fileIdentity(target));
    writer.write("new");
    if (c.meanwhile == Meanwhile::Created || c.meanwhile == Meanwhile::Replaced) {
      dir.write("other", "meanwhile");
      std::filesystem::rename(dir.file("other"), target);
    }
    if (c.meanwhile == Meanwhile::Removed) std::filesystem::remove(target);
    EXPECT_EQ(writer.commit(), c.written);
    EXPECT_EQ(writer.targetKept(), !c.written);
    EXPECT_EQ(dir.read("t"), c.written ? "new" : "meanwhile");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"t"});
  }
}

// A copy allowed to replace a "_cvt" that is a link replaces the link, never
// the file it points to (the source itself, or a file elsewhere).
TEST(HostileConditions, ACopyReplacesALinkNotItsTarget) {
  for (const std::string pointsTo : {"source.txt", "elsewhere/file.txt", "missing.txt"}) {
    SCOPED_TRACE(pointsTo);
    TempDirectory dir;
    std::filesystem::create_directory(dir.file("elsewhere"));
    dir.write("source.txt", "source");
    dir.write("elsewhere/file.txt", "other");
    std::filesystem::create_symlink(pointsTo, dir.file("source_cvt.txt"));
    AtomicFileWriter writer(dir.file("source_cvt.txt"), fileIdentity(dir.file("source_cvt.txt")));
    writer.write("copy");
    ASSERT_TRUE(writer.commit());
    EXPECT_FALSE(std::filesystem::is_symlink(dir.file("source_cvt.txt")));
    EXPECT_EQ(dir.read("source_cvt.txt"), "copy");
    EXPECT_EQ(dir.read("source.txt"), "source");
    EXPECT_EQ(dir.read("elsewhere/file.txt"), "other");
  }
}

// No writer puts a regular file in the place of a FIFO or a directory (as
// root, of a device: "/dev/null"), whether the place is named directly or
// through a link: the one a settings file is written through, or the one a
// copy would replace as the link.
TEST(HostileConditions, NoWriteReplacesAFifoOrADirectory) {
  const std::string fifoMessage = ": not a regular file";
  for (const bool settingsFile : {true, false}) {
    for (const bool throughLink : {false, true}) {
      SCOPED_TRACE(::testing::Message() << settingsFile << throughLink);
      TempDirectory dir;
      ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
      std::filesystem::create_directory(dir.file("folder"));
      for (const std::string special : {"fifo", "folder"}) {
        const std::string target = throughLink ? dir.file("link") : dir.file(special);
        if (throughLink) std::filesystem::create_symlink(special, target);
        AtomicFileWriter writer = settingsFile ? AtomicFileWriter(target) : AtomicFileWriter(target, fileIdentity(target));
        writer.write("new");
        const bool replaced = writer.commit();
        EXPECT_FALSE(replaced) << special;
        EXPECT_EQ(writer.error(), (settingsFile ? dir.file(special) : target) +
                                      (special == "fifo" ? fifoMessage : std::string(": ") + std::strerror(EISDIR)));
        EXPECT_EQ(std::filesystem::is_symlink(target), throughLink);
        EXPECT_TRUE(std::filesystem::is_fifo(dir.file("fifo")));
        EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder")));
        std::filesystem::remove(dir.file("link"));
      }
    }
  }
  TempDirectory dir;
  ASSERT_EQ(mkfifo(dir.file("kortavex.cfg").c_str(), 0600), 0);
  EXPECT_FALSE(writeOptionsFile(dir.path(), Settings(), "mine"));
  UserParameterSet set;
  set.name = "mine";
  std::filesystem::create_directory(dir.file("mine.gtp"));
  EXPECT_FALSE(saveParameterFile(dir.path(), set, "none"));
  EXPECT_TRUE(std::filesystem::is_fifo(dir.file("kortavex.cfg")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("mine.gtp")));
}

// Options and parameter files written through a symbolic link: the link
// stays, its target gets the content and keeps its mode.
TEST(HostileConditions, SettingsAreWrittenThroughSymbolicLinks) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.file("real"));
  dir.write("real/options", "old");
  chmod(dir.file("real/options").c_str(), 0600);
  std::filesystem::create_symlink("real/options", dir.file("kortavex.cfg"));
  std::filesystem::create_symlink(dir.file("real/nowhere.gtp"), dir.file("mine.gtp"));
  Settings settings;
  settings.referenceHeightText = "123";
  ASSERT_TRUE(writeOptionsFile(dir.path(), settings, "mine"));
  UserParameterSet set;
  set.name = "mine";
  ASSERT_TRUE(saveParameterFile(dir.path(), set, "none"));

  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("kortavex.cfg")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("mine.gtp")));
  EXPECT_EQ(dir.read("real/options"), optionsFileText(settings, "mine"));
  EXPECT_EQ(dir.read("real/nowhere.gtp"), parameterFileText(set, "none"));
  struct stat info {};
  stat(dir.file("real/options").c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(readStartupConfiguration(dir.path()).settings.referenceHeightText, "123");
}

}  // namespace
