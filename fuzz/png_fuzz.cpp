// The fuzzer's bytes as a PNG file through our decoder.
#include "platform/pixmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LoadPixmapPNG(data, size, "image.png");
  return 0;
}
