#include "store/ConcurrentReads.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "store/ReaderPool.h"

namespace quorvel {

namespace {

using Steady = std::chrono::steady_clock;

// Stands in for the prompt on a reading thread: only the user interface
// thread shows messages.
class HeldPrompt : public Prompt {
 public:
  void Alert(const std::string& text) override { held.emplace_back(member, text); }
  // A question cannot wait for the reads to end; reads ask none.
  bool AskYesNo(const std::string&) override { return false; }

  int member = 0;
  std::vector<std::pair<int, std::string>> held;
};

struct Batch {
  int count = 0;
  const std::function<void(Platform&, int)>* read = nullptr;
  std::atomic<int> next{0};
  std::atomic<bool> stopped{false};
  std::mutex errorLock;
  std::exception_ptr error;
};

// Takes the next unread member until none is left.
void Drain(Batch& batch, Platform& platform, HeldPrompt& prompt) {
  Platform held{platform.files, platform.clock, prompt};
  try {
    for (;;) {
      if (batch.stopped.load()) return;
      const int i = batch.next.fetch_add(1);
      if (i >= batch.count) return;
      prompt.member = i;
      (*batch.read)(held, i);
    }
  } catch (...) {
    // Thrown again on the calling thread; a thread that ends with an
    // exception ends the program.
    std::lock_guard<std::mutex> lock(batch.errorLock);
    if (!batch.error) batch.error = std::current_exception();
    batch.stopped.store(true);
  }
}

}  // namespace

void ReadEach(Platform& platform, int count, const ReadPace& pace, Steady::duration before,
              const std::function<void(Platform&, int)>& read) {
  if (count <= 0) return;
  Batch batch;
  batch.count = count;
  batch.read = &read;

  // Alone while the share answers fast. A slow search is the share: a
  // local one answers in a small fraction of the threshold, under Wine too.
  // One slow read may be the machine pausing (under Wine a local read now
  // and then takes 20 times its usual); two in a row are the share. A read
  // is three calls.
  const bool mayGoWide = pace.width > 1 && count > 1;
  bool wide = mayGoWide && before >= pace.slowCall;
  bool lastSlow = false;
  while (!wide) {
    const int i = batch.next.fetch_add(1);
    if (i >= count) return;
    const Steady::time_point start = Steady::now();
    read(platform, i);
    const bool slow = Steady::now() - start >= 3 * pace.slowCall;
    wide = mayGoWide && lastSlow && slow;
    lastSlow = slow;
  }
  const int left = count - batch.next.load();
  if (left <= 0) return;

  const int width = std::min(pace.width, left);
  std::vector<HeldPrompt> prompts(static_cast<std::size_t>(width));
  std::atomic<int> slot{1};
  ReaderPool::Shared().RunBeside(
      width - 1,
      [&] { Drain(batch, platform, prompts[static_cast<std::size_t>(slot.fetch_add(1))]); },
      [&] { Drain(batch, platform, prompts[0]); },
      // Starting a thread may cost more than a read (milliseconds under
      // Wine): none is started once the others have taken every read.
      [&] { return batch.next.load() < count; });
  if (batch.error) std::rethrow_exception(batch.error);

  std::vector<std::pair<int, std::string>> messages;
  for (HeldPrompt& p : prompts)
    for (std::pair<int, std::string>& m : p.held) messages.push_back(std::move(m));
  // One member's messages keep their order: one thread read that member.
  std::stable_sort(messages.begin(), messages.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const std::pair<int, std::string>& m : messages) platform.prompt.Alert(m.second);
}

}  // namespace quorvel
