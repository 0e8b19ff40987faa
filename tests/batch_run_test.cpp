// Runs of many lines: the worker pool, kortavex-cli as a co-process (one line
// in, its answer awaited before the next), and runs in which no thread can be
// started.
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "chain/convert.h"
#include "engine/number_text.h"
#include "tests/test_support.h"
#include "workflow/worker_pool.h"

using namespace kortavex;

namespace {

std::size_t threadCount() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/task"))
    ++count;
  return count;
}

TEST(WorkerPool, RangesCoverEveryIndexOnceInPartOrder) {
  for (const std::size_t lanes : {1, 2, 3, 5}) {
    WorkerPool pool(lanes);
    ASSERT_EQ(pool.lanes(), lanes);
    for (const std::size_t count : {0, 1, 2, 7, 1000, 16385}) {
      SCOPED_TRACE(::testing::Message() << lanes << " lanes, " << count << " lines");
      std::vector<std::pair<std::size_t, std::size_t>> ranges(lanes);
      std::vector<int> hits(count);
      pool.forEachRange(count, [&](std::size_t part, std::size_t begin, std::size_t end) {
        ranges[part] = {begin, end};
        for (std::size_t i = begin; i < end; ++i) ++hits[i];
      });
      EXPECT_EQ(ranges.front().first, 0u);
      EXPECT_EQ(ranges.back().second, count);
      for (std::size_t p = 0; p + 1 < lanes; ++p) EXPECT_EQ(ranges[p].second, ranges[p + 1].first);
      EXPECT_EQ(std::count(hits.begin(), hits.end(), 1), static_cast<long>(count));
    }
  }
}

TEST(WorkerPool, TheCallingThreadIsOneOfItsLanes) {
  const std::size_t before = threadCount();
  const WorkerPool one(1);
  EXPECT_EQ(threadCount(), before) << "one lane starts no thread";
  const WorkerPool three(3);
  EXPECT_EQ(threadCount(), before + 2);
  EXPECT_GE(WorkerPool::hardwareLanes(), 1u);
}

// ---------------------------------------------------------------------------
// kortavex-cli run by the test.

// How the sample points of a start system are written.
enum class Input { Projected, Geographic, Mgrs };

struct Pair {
  const char* args;
  Input input;
  double west, south, east, north;
};
// Helmert, both grids both ways, and MGRS references, whose lines go one
// after another.
const Pair kPairs[] = {
    {"--from GK-AUT_M34 --to WGS84", Input::Projected, -150000, 5100000, 150000, 5450000},
    {"--from GK3_DHDN --to WGS84 --grid BeTA2007", Input::Projected, 3300000, 5300000, 3800000, 6000000},
    {"--from WGS84 --to GK3_DHDN --grid BeTA2007", Input::Geographic, 6.5, 48.0, 13.5, 54.0},
    {"--from CH1903/LV03-M --to CH1903+/LV95 --grid CHENYX06", Input::Projected, 500000, 100000, 800000, 280000},
    {"--from CH1903+/LV95 --to CH1903/LV03-M --grid CHENYX06", Input::Projected, 2500000, 1100000, 2800000, 1280000},
    {"--from 'MGRS(UTMREF)' --to WGS84", Input::Mgrs, 6.0, 45.0, 18.0, 55.0},
};

// `count` input lines of points spread over the pair's area (geographic
// starts latitude first, MGRS starts as references).
std::string sampleInput(const Pair& pair, int count, unsigned seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<double> east(pair.west, pair.east), north(pair.south, pair.north);
  std::string input;
  for (int n = 0; n < count; ++n) {
    const double e = east(generator), nn = north(generator);
    if (pair.input == Input::Mgrs) {
      input += chain::convertPoint(point(e, nn, 0, 0), SystemCode::wgs84(), SystemCode::mgrs(), {}).txt + "\n";
    } else if (pair.input == Input::Geographic) {
      input += formatFixed(nn, 0, 8) + " " + formatFixed(e, 0, 8) + "\n";
    } else {
      input += formatFixed(e, 0, 3) + " " + formatFixed(nn, 0, 3) + "\n";
    }
  }
  return input;
}

// The whole output of a run over a file given as standard input.
std::string batchOutput(const std::string& args, const std::string& input) {
  TempDirectory dir;
  dir.write("in.txt", input);
  const std::string command = "cd '" + dir.path() + "' && '" KORTAVEX_CLI_PATH "' " + args + " < in.txt";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  char buf[65536];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  pclose(pipe);
  return out;
}

// kortavex-cli with pipes on standard input and output, as a co-process.
class CoProcess {
 public:
  explicit CoProcess(const std::string& args) {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], STDIN_FILENO);
      dup2(out[1], STDOUT_FILENO);
      execl("/bin/sh", "sh", "-c", ("exec '" KORTAVEX_CLI_PATH "' " + args).c_str(), nullptr);
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    input_ = in[1];
    output_ = out[0];
  }
  ~CoProcess() { finish(); }

  void writeLine(const std::string& line) {
    const std::string text = line + "\n";
    ASSERT_EQ(write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }

  // The next output line with its line end. A minute without it counts as
  // no answer: the guard only keeps a hanging program from holding the test.
  std::string readLine() {
    for (;;) {
      const std::size_t end = pending_.find('\n');
      if (end != std::string::npos) {
        std::string line = pending_.substr(0, end + 1);
        pending_.erase(0, end + 1);
        return line;
      }
      pollfd ready{output_, POLLIN, 0};
      if (poll(&ready, 1, 60000) != 1) return "(no answer)";
      char buf[4096];
      const ssize_t got = read(output_, buf, sizeof buf);
      if (got <= 0) return "(end of output)";
      pending_.append(buf, static_cast<std::size_t>(got));
    }
  }

  int finish() {
    if (pid_ <= 0) return -1;
    close(input_);
    close(output_);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int input_ = -1, output_ = -1;
  std::string pending_;
};

TEST(CoProcess, EveryLineIsAnsweredBeforeTheNextIsWritten) {
  for (const Pair& pair : kPairs) {
    SCOPED_TRACE(pair.args);
    const std::string input = sampleInput(pair, 25, 11);
    CoProcess cli(pair.args);
    std::string answers = cli.readLine();  // the heading comes at once
    for (std::size_t at = 0, end; (end = input.find('\n', at)) != std::string::npos; at = end + 1) {
      cli.writeLine(input.substr(at, end - at));
      answers += cli.readLine();
    }
    EXPECT_NE(cli.finish(), -1) << "ended normally";
    EXPECT_EQ(answers, batchOutput(pair.args, input)) << "line by line as in one batch";
  }
}

// ---------------------------------------------------------------------------
// No thread can be started: one process for the user (root, whom the limit
// does not bind, becomes the user nobody first). The work runs on the calling
// thread, with the same output.

constexpr uid_t kNobody = 65534;

bool limitToOneProcess() {
  if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
    return false;
  const rlimit one{1, 1};
  return setrlimit(RLIMIT_NPROC, &one) == 0;
}

// Whether the limit really stops a thread here.
bool limitStopsThreads() {
  const pid_t child = fork();
  if (child == 0) {
    if (!limitToOneProcess()) _exit(2);
    try {
      std::thread([] {}).join();
    } catch (const std::system_error&) {
      _exit(0);
    }
    _exit(1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs the copy of kortavex-cli in `dir` under the limit there; returns its exit status.
int runLimited(const TempDirectory& dir, const std::vector<std::string>& args) {
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.path().c_str()) != 0 || !limitToOneProcess()) _exit(126);
    const int in = open("in.txt", O_RDONLY), out = open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || dup2(in, STDIN_FILENO) < 0 || dup2(out, STDOUT_FILENO) < 0) _exit(126);
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);  // the leak check starts a thread of its own
    std::vector<char*> argv{const_cast<char*>("./kortavex-cli")};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv("./kortavex-cli", argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ThreadLimit, StandardInputAndFilesAreConvertedOnTheCallingThread) {
  if (!limitStopsThreads()) GTEST_SKIP() << "a process limit cannot be set up here";
  const Pair& pair = kPairs[1];
  const std::string input = sampleInput(pair, 40000, 5);  // more than one batch
  TempDirectory dir;
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  std::filesystem::copy_file(KORTAVEX_CLI_PATH, dir.file("kortavex-cli"));
  dir.write("in.txt", input);
  dir.write("pts.txt", input);
  const std::vector<std::string> pairArgs{"--from", "GK3_DHDN", "--to", "WGS84", "--grid", "BeTA2007"};

  EXPECT_EQ(runLimited(dir, pairArgs), 0);
  EXPECT_EQ(dir.read("out.txt"), batchOutput(pair.args, input));

  std::vector<std::string> fileArgs = pairArgs;
  fileArgs.insert(fileArgs.end(), {"--columns", "1,2", "pts.txt"});
  EXPECT_EQ(runLimited(dir, fileArgs), 0) << dir.read("out.txt");
  TempDirectory unlimited;
  unlimited.write("pts.txt", input);
  ASSERT_EQ(std::system(("cd '" + unlimited.path() + "' && '" KORTAVEX_CLI_PATH "' " + pair.args +
                         " --columns 1,2 pts.txt > /dev/null").c_str()),
            0);
  EXPECT_EQ(dir.read("pts_cvt.txt"), unlimited.read("pts_cvt.txt"));
  EXPECT_FALSE(dir.read("pts_cvt.txt").empty());
}

}  // namespace
