#pragma once
// How the store opens a shared file: a sharing violation means another desk
// holds the file for a moment, so it is tried again a few times.
#include <string>

#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace quorvel {

constexpr int kOpenAttempts = 3;
constexpr int kStatusRetryMs = 100;
constexpr int kMemoRetryMs = 500;

// Up to kOpenAttempts opens; every refusal for a sharing violation is
// followed by a wait of waitMs (so giving up on a held file takes about
// 3 x waitMs). Any other failure ends the attempts at once.
OpenResult OpenShared(Platform& platform, const std::string& path, FileAccess access,
                      FileShare share, FileDisposition disposition, int waitMs);

}  // namespace quorvel
