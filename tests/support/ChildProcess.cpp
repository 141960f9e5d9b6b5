#include "tests/support/ChildProcess.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quorvel::test {

#ifdef _WIN32

std::string HelperProgram(const std::string& name) {
  char self[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string dir = self;
  dir.erase(dir.find_last_of("\\/") + 1);
  return dir + name + ".exe";
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
  std::string command;
  for (const std::string& a : argv) {
    if (!command.empty()) command += ' ';
    command += '"' + a + '"';
  }
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                     &pi)) {
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
  }
}

ChildProcess::~ChildProcess() {
  Wait();
  if (process_ != nullptr) CloseHandle(static_cast<HANDLE>(process_));
}

bool ChildProcess::Started() const { return process_ != nullptr; }

int ChildProcess::Wait() {
  if (waited_ || process_ == nullptr) return code_;
  WaitForSingleObject(static_cast<HANDLE>(process_), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(static_cast<HANDLE>(process_), &code);
  waited_ = true;
  code_ = static_cast<int>(code);
  return code_;
}

#else

std::string HelperProgram(const std::string& name) {
  char self[4096] = {};
  const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
  std::string dir(self, n > 0 ? static_cast<std::size_t>(n) : 0);
  dir.erase(dir.find_last_of('/') + 1);
  return dir + name;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_ = ::fork();
  if (pid_ == 0) {
    ::execv(args[0], args.data());
    ::_exit(127);
  }
}

ChildProcess::~ChildProcess() { Wait(); }

bool ChildProcess::Started() const { return pid_ > 0; }

int ChildProcess::Wait() {
  if (waited_ || pid_ <= 0) return code_;
  int status = 0;
  if (::waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status)) code_ = WEXITSTATUS(status);
  waited_ = true;
  return code_;
}

#endif

}  // namespace quorvel::test
