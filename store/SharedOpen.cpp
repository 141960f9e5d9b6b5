#include "store/SharedOpen.h"

namespace quorvel {

OpenResult OpenShared(Platform& platform, const std::string& path, FileAccess access,
                      FileShare share, FileDisposition disposition, int waitMs) {
  OpenResult result;
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    result = platform.files.Open(path, access, share, disposition);
    if (result.file || result.error != FileError::SharingViolation) return result;
    platform.clock.Wait(waitMs);
  }
  return result;
}

}  // namespace quorvel
