#include "store/MemoCount.h"

#include "store/DeviceName.h"
#include "store/MemoFile.h"
#include "store/SharedOpen.h"

namespace quorvel {

MemoFileRead ReadMemoBytes(Platform& platform, const StatusRecord& record, bool retry,
                           std::string& bytes) {
  bytes.clear();
  if (IsDeviceMember(record)) return MemoFileRead::Failed;
  const std::string path = MemoFilePath(record);
  OpenResult opened =
      retry ? OpenShared(platform, path, FileAccess::Read, FileShare::Read,
                         FileDisposition::OpenExisting, kMemoRetryMs)
            : platform.files.Open(path, FileAccess::Read, FileShare::Read,
                                  FileDisposition::OpenExisting);
  if (!opened.file) {
    switch (opened.error) {
      case FileError::NotFound:
        return MemoFileRead::Missing;
      case FileError::SharingViolation:
        return MemoFileRead::Held;
      default:
        return MemoFileRead::Failed;
    }
  }
  const bool read = opened.file->Read(bytes, kMemoReadMax);
  opened.file.reset();  // a sender waits for no more than the read itself
  if (!read) {
    bytes.clear();
    return MemoFileRead::Failed;
  }
  return MemoFileRead::Read;
}

int CountMemoLines(const std::string& bytes) {
  int lines = 0;
  char last = '\n';
  for (char c : bytes) {
    if (c == '\n' && last != '\n') ++lines;
    last = c;
  }
  return lines;
}

}  // namespace quorvel
