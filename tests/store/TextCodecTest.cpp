#include "store/TextCodec.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct CodecCase {
  std::string text;
  std::string encoded;
  std::string decodedFromText;  // Decode applied to the text itself
};

TEST(TextCodec, TableOfTexts) {
  const CodecCase cases[] = {
      {"", "=00", ""},
      {"Out 3pm", "Out=203pm", "Out 3pm"},
      {"\x89\x63\x8B\xC6", "=89c=8B=C6", "\x89\x63\x8B\xC6"},
      {"=4a", "=3D4a", "\x40"},
      {"=zz", "=3Dzz", "?"},
      {"AB=4", "AB=3D4", "AB?4"},
  };
  for (const CodecCase& c : cases) {
    EXPECT_EQ(Encode(c.text), c.encoded) << c.text;
    EXPECT_EQ(Decode(c.text), c.decodedFromText) << c.text;
  }
}

TEST(TextCodec, RoundTripsEveryByteButZero) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string escaped = Encode(all);
  EXPECT_EQ(escaped.find_first_of(" \t\r\n"), std::string::npos);
  EXPECT_EQ(Decode(escaped), all);
}

TEST(TextCodec, DecodeOfMalformedEscapes) {
  EXPECT_EQ(Decode("=00"), "");
  EXPECT_EQ(Decode("a=00b"), "ab");
  EXPECT_EQ(Decode("="), "?");
  EXPECT_EQ(Decode("=4"), "?4");
  EXPECT_EQ(Decode("=a0"), "?");       // lower-case high half
  EXPECT_EQ(Decode("=4z"), "\x40");    // bad low half adds nothing
  EXPECT_EQ(Decode("x=41=4"), "xA?4");
  EXPECT_EQ(Decode("=="), "?=");       // the byte after a short escape is copied
  EXPECT_EQ(Decode("ab=="), "ab?=");
}

TEST(TextCodec, CutsFallBetweenWholeCharacters) {
  const std::string eigyo = "\x89\x63\x8B\xC6";  // two double-byte characters
  EXPECT_EQ(CutText(eigyo, 3), "\x89\x63");
  EXPECT_EQ(CutText(eigyo, 1), "");
  EXPECT_EQ(CutText("abc", 2), "ab");
  EXPECT_EQ(CutText("ab\x89", 3), "ab\x89");  // a lone lead byte at the end counts alone

  // "=89c" is one character of 4 escaped bytes, "=8B=C6" one of 6.
  EXPECT_EQ(EncodeWithin(eigyo, 9), "=89c");
  EXPECT_EQ(EncodeWithin(eigyo, 10), "=89c=8B=C6");
  EXPECT_EQ(EncodeWithin("ab", 1), "a");
  EXPECT_EQ(EncodeWithin(eigyo, 3), "=00") << "an escape is never empty";
  EXPECT_EQ(Decode(EncodeWithin(std::string(20, ' '), 48)), std::string(16, ' '));

  EXPECT_EQ(CutEscaped("=89c=8B=C6", 9), "=89c");
  EXPECT_EQ(CutEscaped("=89c=8B=C6", 5), "=89c");
  EXPECT_EQ(CutEscaped("=89c=8B=C6", 3), "");
  EXPECT_EQ(CutEscaped("Out=203pm", 4), "Out");
  EXPECT_EQ(CutEscaped("short", 100), "short");
}

TEST(TextCodec, AnyCutOfAnEscapeDecodesToAPrefix) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += i % 3 ? "\x93\xFA" : "a ";
  const std::string escaped = Encode(text);
  for (std::size_t limit = 0; limit <= escaped.size(); ++limit) {
    const std::string decoded = Decode(CutEscaped(escaped, limit));
    EXPECT_EQ(text.compare(0, decoded.size(), decoded), 0) << limit;
    EXPECT_EQ(Decode(EncodeWithin(text, limit < 3 ? 3 : limit)),
              text.substr(0, Decode(EncodeWithin(text, limit < 3 ? 3 : limit)).size()));
  }
}

}  // namespace
}  // namespace quorvel
