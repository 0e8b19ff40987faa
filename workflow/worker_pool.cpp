#include "workflow/worker_pool.h"

#include <system_error>
#include <utility>

namespace kortavex {

std::size_t WorkerPool::hardwareLanes() {
  const unsigned threads = std::thread::hardware_concurrency();
  return threads > 0 ? threads : 1;
}

WorkerPool::WorkerPool(std::size_t lanes) {
  for (std::size_t part = 1; part < lanes; ++part) {
    try {
      workers_.emplace_back([this, part] { work(part); });
    } catch (const std::system_error&) {
      break;  // the lanes started so far do the work
    }
  }
}

WorkerPool::~WorkerPool() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  started_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void WorkerPool::runPart(std::size_t part) {
  try {
    const std::size_t parts = lanes();
    (*task_)(part, count_ * part / parts, count_ * (part + 1) / parts);
  } catch (...) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!failure_) failure_ = std::current_exception();
  }
}

void WorkerPool::work(std::size_t part) {
  std::size_t seen = 0;
  for (;;) {
    std::unique_lock<std::mutex> lock(mutex_);
    started_.wait(lock, [&] { return stopping_ || round_ != seen; });
    if (stopping_) return;
    seen = round_;
    lock.unlock();
    runPart(part);
    lock.lock();
    if (--busy_ == 0) finished_.notify_one();
  }
}

void WorkerPool::forEachRange(std::size_t count, const RangeTask& task) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    task_ = &task;
    count_ = count;
    busy_ = workers_.size();
    ++round_;
  }
  started_.notify_all();
  runPart(0);
  std::unique_lock<std::mutex> lock(mutex_);
  finished_.wait(lock, [&] { return busy_ == 0; });
  task_ = nullptr;
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

}  // namespace kortavex
