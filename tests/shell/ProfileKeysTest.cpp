#include <gtest/gtest.h>

#include <string>

#include "shell/ProfileKeys.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestPlatform.h"

namespace quorvel {
namespace {

// Every key of the table through the profile of the build (the INI stand-in
// natively, the private-profile functions under Wine): absent it reads as
// its default; written, all of them together, each reads back as its own
// value, so no two keys share a name and a text as long as its box comes
// back whole, Shift-JIS and all.
TEST(ProfileKeys, EveryKeyReadsBackThroughTheRealProfile) {
  test::TempDir dir;
  auto profile = test::MakeRealProfile(dir / "QVL.ini");
  const auto forEachSlot = [](auto&& check) {
    int k = 0;
    for (const ProfileKey* key : kProfileKeys) {
      ++k;
      for (int n = key->slots == 0 ? 0 : 1; n <= key->slots; ++n) check(*key, k, n);
    }
  };
  const auto textOf = [](const ProfileKey& key, int k, int n) {
    std::string value = std::to_string(k) + "-" + std::to_string(n);
    while (value.size() + 2 <= static_cast<std::size_t>(key.capacity)) value += "\x89\x63";
    value.resize(static_cast<std::size_t>(key.capacity), 'x');
    return value;
  };
  const auto numberOf = [](int k) { return k % 2 ? -100 * k : 100 * k; };

  forEachSlot([&](const ProfileKey& key, int, int n) {
    const std::string name = std::string(key.section) + "/" + KeyName(key, n);
    if (key.value == ProfileValue::kText) {
      EXPECT_GT(key.capacity, 0) << name;
      EXPECT_EQ(ReadKeyText(*profile, key, n), DefaultText(key, n)) << name;
    } else {
      EXPECT_EQ(ReadKeyNumber(*profile, key), key.numberDefault) << name;
    }
  });
  forEachSlot([&](const ProfileKey& key, int k, int n) {
    EXPECT_TRUE(key.value == ProfileValue::kText ? WriteKeyText(*profile, key, textOf(key, k, n), n)
                                                 : WriteKeyNumber(*profile, key, numberOf(k)))
        << key.section << "/" << KeyName(key, n);
  });
  forEachSlot([&](const ProfileKey& key, int k, int n) {
    const std::string name = std::string(key.section) + "/" + KeyName(key, n);
    if (key.value == ProfileValue::kText)
      EXPECT_EQ(ReadKeyText(*profile, key, n), textOf(key, k, n)) << name;
    else
      EXPECT_EQ(ReadKeyNumber(*profile, key), numberOf(k)) << name;
  });
}

}  // namespace
}  // namespace quorvel
