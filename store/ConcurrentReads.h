#pragma once
// Many small reads on a share that answers slowly (a VPN, a cloud file
// service): one after another, every read pays its round trips in turn;
// several at once, the whole batch costs little more than its slowest
// reads. On a share that answers at once, threads cost more than they gain,
// so the reads stay on the calling thread until the share proves slow: a
// slow directory search (a local folder answers one in well under a
// millisecond), or two slow reads in a row.
#include <chrono>
#include <functional>

#include "platform/Platform.h"

namespace quorvel {

struct ReadPace {
  // Reads at once, the calling thread's included; 1 reads one by one.
  // 64 takes 99 members in two rounds of three calls each.
  int width = 64;
  // A search this slow, or two reads in a row of three calls this slow each,
  // send the remaining reads to other threads; zero does so from the start.
  std::chrono::microseconds slowCall{1000};
};

// Calls read(platform, i) once for every i from 0 to count - 1. A read
// touches only what belongs to its own i, and uses the platform it is given:
// on another thread that one's files and clock are the caller's, called
// concurrently, and its prompt holds the messages back. They are shown on
// the calling thread once every read is done, in the order of i, so the
// caller sees exactly what reading one by one would have shown.
// `before` is how long the call just before the reads (the directory
// search) took to answer. An exception of a read is thrown again here, once
// every thread has stopped.
void ReadEach(Platform& platform, int count, const ReadPace& pace,
              std::chrono::steady_clock::duration before,
              const std::function<void(Platform&, int)>& read);

}  // namespace quorvel
