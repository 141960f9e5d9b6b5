// quorvel_file_holder PATH ACCESS SHARE RELEASE MARKER
// Opens PATH as another process would (ACCESS r, w or rw; SHARE none or
// read), creates MARKER once the file is held, holds it until the file
// RELEASE exists (a minute at the most, so that it never outlives a test
// that broke off) and exits 0; exits 2 when the open fails, 3 on a sharing
// violation.
#include <string>

#ifdef _WIN32
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
using RealFileSystem = quorvel::Win32FileSystem;
using RealClock = quorvel::Win32Clock;
#else
#include "platform/posix/PosixClock.h"
#include "platform/posix/PosixFileSystem.h"
using RealFileSystem = quorvel::PosixFileSystem;
using RealClock = quorvel::PosixClock;
#endif

int main(int argc, char** argv) {
  using namespace quorvel;
  if (argc != 6) return 64;
  const std::string access = argv[2], share = argv[3];
  const FileAccess a = access == "r" ? FileAccess::Read
                       : access == "w" ? FileAccess::Write
                                       : FileAccess::ReadWrite;
  const FileShare s = share == "read" ? FileShare::Read : FileShare::None;
  RealFileSystem files;
  OpenResult held = files.Open(argv[1], a, s, FileDisposition::OpenExisting);
  if (!held.file) return held.error == FileError::SharingViolation ? 3 : 2;
  {
    OpenResult marker = files.Open(argv[5], FileAccess::Write, FileShare::None,
                                   FileDisposition::CreateAlways);
    if (!marker.file) return 2;
  }
  RealClock clock;
  for (int waited = 0; waited < 60000; waited += 20) {
    FoundFile found;
    if (files.Find(argv[4])->Next(found)) break;
    clock.Wait(20);
  }
  return 0;
}
