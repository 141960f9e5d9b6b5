#pragma once
#include <string>
#include <vector>

namespace quorvel::test {

// The full path of a helper program built beside the running test program.
std::string HelperProgram(const std::string& name);

// A second real process, for share modes and concurrency.
class ChildProcess {
 public:
  explicit ChildProcess(const std::vector<std::string>& argv);
  ~ChildProcess();  // waits when not waited yet
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  int Wait();  // exit code; -1 when it could not start or died
  bool Started() const;

 private:
#ifdef _WIN32
  void* process_ = nullptr;
#else
  int pid_ = -1;
#endif
  bool waited_ = false;
  int code_ = -1;
};

}  // namespace quorvel::test
