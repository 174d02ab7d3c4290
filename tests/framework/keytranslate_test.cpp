// Every key code against the layout the key translation follows.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "framework/keytranslate.h"

TEST(KeyTranslateTable, EveryKeyCodeWithAndWithoutShift) {
  std::map<int, std::pair<std::string, std::string>> expected = {
      {48, {"0", ")"}},   {49, {"1", "!"}},   {50, {"2", "@"}},   {51, {"3", "\u00A3"}},
      {52, {"4", "$"}},   {53, {"5", "%"}},   {54, {"6", "^"}},   {55, {"7", "&"}},
      {56, {"8", "*"}},   {57, {"9", "("}},   {189, {"-", "_"}},  {187, {"=", "+"}},
      {192, {"\x60", "~"}}, {219, {"[", "{"}}, {221, {"]", "}"}}, {186, {";", ":"}},
      {32, {" ", " "}},   {222, {"'", "\x22"}}, {226, {"\x5C", "|"}}, {188, {",", "<"}},
      {190, {".", ">"}},  {191, {"/", "?"}}};
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    expected[letter] = {std::string(1, static_cast<char>(letter - 'A' + 'a')), std::string(1, letter)};
  }
  for (int key = -300; key < 1024; ++key) {
    const auto it = expected.find(key);
    const std::string plain = it == expected.end() ? "" : it->second.first;
    const std::string shifted = it == expected.end() ? "" : it->second.second;
    EXPECT_EQ(KeyTranslate(key, 0), plain) << key;
    EXPECT_EQ(KeyTranslate(key, 1), shifted) << key;
  }
}

TEST(KeyTranslateTable, AnyNonZeroShiftCountsAndOddKeysGiveNothing) {
  EXPECT_EQ(KeyTranslate(51, 1), "\xC2\xA3");
  EXPECT_EQ(KeyTranslate(65, 2), "A");
  EXPECT_EQ(KeyTranslate(90, -1), "Z");
  EXPECT_EQ(KeyTranslate(90, INT32_MIN), "Z");
  EXPECT_EQ(KeyTranslate(97, 0), "");  // a character code, not a key code
  for (int key : {INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(KeyTranslate(key, 0), "") << key;
    EXPECT_EQ(KeyTranslate(key, 1), "") << key;
  }
}
