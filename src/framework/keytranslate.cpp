// The key translation table (a UK layout: shift+3 types the pound sign).
#include "framework/keytranslate.h"

namespace {

struct KeyText {
  int key;
  const char* plain;
  const char* shifted;
};

constexpr KeyText kKeyTexts[] = {
    {48, "0", ")"},    {49, "1", "!"},    {50, "2", "@"},     {51, "3", "\xC2\xA3"},
    {52, "4", "$"},    {53, "5", "%"},    {54, "6", "^"},     {55, "7", "&"},
    {56, "8", "*"},    {57, "9", "("},    {189, "-", "_"},    {187, "=", "+"},
    {192, "`", "~"},   {219, "[", "{"},   {221, "]", "}"},    {186, ";", ":"},
    {32, " ", " "},    {222, "'", "\""},  {226, "\\", "|"},   {188, ",", "<"},
    {190, ".", ">"},   {191, "/", "?"},
};

}  // namespace

std::string KeyTranslate(int key, int shift) {
  if (key >= 'A' && key <= 'Z') {
    return std::string(1, static_cast<char>(shift != 0 ? key : key + 32));
  }
  for (const KeyText& entry : kKeyTexts) {
    if (entry.key == key) return shift != 0 ? entry.shifted : entry.plain;
  }
  return "";
}
