#pragma once
// The threads that convert the lines of one run: as many lanes of work as the
// machine has hardware threads, the calling thread being one of them. Started
// once per run and reused for every batch; when no thread can be started
// (a process or thread limit) the calling thread does all the work.

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kortavex {

class WorkerPool {
 public:
  // The lanes of work the machine offers: its hardware threads, at least one.
  static std::size_t hardwareLanes();

  // Up to `lanes` lanes: the calling thread and as many of the `lanes - 1`
  // workers as can be started. One lane starts no thread.
  explicit WorkerPool(std::size_t lanes = hardwareLanes());
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // The calling thread and the workers that were started.
  std::size_t lanes() const { return workers_.size() + 1; }

  // Splits [0, count) into lanes() consecutive ranges, part p before part
  // p + 1, and calls task(p, begin, end) for each at the same time; returns
  // when all have finished. Empty ranges are called too, so that every part
  // can be collected in order afterwards. An exception of a task (memory
  // running out) is thrown here once every lane has stopped.
  using RangeTask = std::function<void(std::size_t part, std::size_t begin, std::size_t end)>;
  void forEachRange(std::size_t count, const RangeTask& task);

 private:
  void work(std::size_t part);
  void runPart(std::size_t part);

  std::vector<std::thread> workers_;
  std::mutex mutex_;
  std::condition_variable started_;   // a new round of work, or the end
  std::condition_variable finished_;  // a worker finished its part of the round
  const RangeTask* task_ = nullptr;
  std::size_t count_ = 0;
  std::size_t round_ = 0;
  std::size_t busy_ = 0;
  bool stopping_ = false;
  std::exception_ptr failure_;  // the first exception of the round
};

}  // namespace kortavex
