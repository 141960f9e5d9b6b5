#include "store/RewriteInPlace.h"

namespace quorvel {

bool RewriteInPlace(File& file, const std::string& bytes) {
  std::string covered;
  if (!file.Read(covered, bytes.size())) return false;
  if (file.Seek(0) && file.Write(bytes) && file.Truncate()) return true;
  // A file shorter than the new bytes is also cut back to its old length.
  if (file.Seek(0) && file.Write(covered) && covered.size() < bytes.size()) file.Truncate();
  return false;
}

}  // namespace quorvel
