#include "platform/print.h"

#include <cstdio>

namespace {
thread_local int quietDepth = 0;
}  // namespace

void Print(const std::string& line) {
  if (quietDepth > 0) return;
  std::string text;
  text.reserve(line.size() + 1);
  text += line;
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

TQuietPrint::TQuietPrint() { ++quietDepth; }
TQuietPrint::~TQuietPrint() { --quietDepth; }
