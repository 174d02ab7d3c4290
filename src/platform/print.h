// The one way the system writes its log lines: a line to standard output, flushed.
#pragma once
#include <string>

// The line and its line end in one write, so lines from two threads never interleave.
void Print(const std::string& line);

// While one lives, Print writes nothing on the thread that made it: for modules that
// promise to stay silent over services that log.
class TQuietPrint {
 public:
  TQuietPrint();
  ~TQuietPrint();
  TQuietPrint(const TQuietPrint&) = delete;
  TQuietPrint& operator=(const TQuietPrint&) = delete;
};
