// Decode takes any bytes; the cut helpers must always yield clean prefixes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string decoded = quorvel::Decode(bytes);
  if (decoded.size() > bytes.size()) std::abort();

  // A raw zero byte is copied; any other text survives a round trip.
  const std::string escaped = quorvel::Encode(decoded);
  if (decoded.find('\0') == std::string::npos && quorvel::Decode(escaped) != decoded)
    std::abort();

  // Cuts must decode to prefixes of the whole escape's text.
  const std::string whole = quorvel::Decode(escaped);
  const std::size_t limit = size == 0 ? 0 : data[0];
  const std::string cut = quorvel::Decode(quorvel::CutEscaped(escaped, limit));
  if (whole.compare(0, cut.size(), cut) != 0) std::abort();
  const std::string within = quorvel::EncodeWithin(decoded, limit);
  if (within.size() > limit) std::abort();
  const std::string back = quorvel::Decode(within);
  if (whole.compare(0, back.size(), back) != 0) std::abort();
  return 0;
}
