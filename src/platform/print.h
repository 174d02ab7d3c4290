// The one way the system writes its log lines: a line to standard output, flushed.
#pragma once
#include <string>

void Print(const std::string& line);
