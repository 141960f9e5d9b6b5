#pragma once
// How the store replaces a file's content without a moment in which the
// file is empty: the new bytes go over the old from the start, and only
// then is the file cut behind them. A crash in between leaves the new bytes
// followed by a tail of the old, which a status file's reader never gets
// to (it takes the first four tokens of a line that ends with a line feed).
#include <string>

#include "platform/FileSystem.h"

namespace quorvel {

// `file` is open for reading and writing, at its start. When a step fails,
// the bytes the new ones covered are written back, as far as the failing
// file still allows, and the result is false.
bool RewriteInPlace(File& file, const std::string& bytes);

}  // namespace quorvel
