// Arming the notifications can hang (an offline server): the window that
// starts or ends a watch must not.
#include "platform/FolderWatchLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quorvel {
namespace {

using namespace std::chrono_literals;

// Arm blocks until the test lets it go, then reports that it cannot watch.
struct Gate {
  std::mutex mutex;
  std::condition_variable cv;
  bool open = false;
  std::atomic<bool> arming{false};
  std::atomic<bool> done{false};
};

class HangingArm : public FolderChangeSource {
 public:
  explicit HangingArm(std::shared_ptr<Gate> gate) : gate_(std::move(gate)) {}
  ~HangingArm() override { gate_->done = true; }
  bool Arm() override {
    gate_->arming = true;
    std::unique_lock<std::mutex> lock(gate_->mutex);
    gate_->cv.wait(lock, [this] { return gate_->open; });
    return false;
  }
  Wait WaitChange(int) override { return Wait::kStopped; }
  bool Pause(int) override { return !stopped_; }
  void Stop() override { stopped_ = true; }

 private:
  std::shared_ptr<Gate> gate_;
  std::atomic<bool> stopped_{false};
};

template <typename Condition>
bool Within(std::chrono::milliseconds limit, Condition holds) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!holds() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(10ms);
  return holds();
}

TEST(FolderWatchLoop, AHangingArmHoldsUpNeitherTheStartNorTheEndAndCallsNothingAfter) {
  auto gate = std::make_shared<Gate>();
  std::atomic<int> calls{0};
  const auto start = std::chrono::steady_clock::now();
  auto watch = std::make_unique<FolderWatchLoop>(std::make_unique<HangingArm>(gate),
                                                 [&calls] { ++calls; }, 10, 10);
  ASSERT_TRUE(Within(2000ms, [&] { return gate->arming.load(); }));
  EXPECT_FALSE(watch->Notifies());
  watch.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
  {
    std::lock_guard<std::mutex> lock(gate->mutex);
    gate->open = true;
  }
  gate->cv.notify_all();
  EXPECT_TRUE(Within(2000ms, [&] { return gate->done.load(); })) << "the thread finishes";
  EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace quorvel
