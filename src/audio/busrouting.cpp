// The routing table of the effect buses, one mode a case, in the order its steps run.
#include "audio/busrouting.h"

#include <algorithm>

#include "audio/mixer.h"

namespace {

// Samples every bus output buffer can take (0 while the buses are not made).
int outputcapacity(const mixer& mx) {
  size_t capacity = SIZE_MAX;
  for (const auto& o : mx.fx.out) capacity = std::min(capacity, o.size() < 2 ? 0 : o.size() - 2);
  return static_cast<int>(std::min<size_t>(capacity, INT32_MAX));
}

}  // namespace

bool routebuses(mixer& mx, int mode, int16_t* dry, const std::array<int16_t*, kBuses>& sends, int n) {
  if (mode < 0 || mode >= kRouteModes) return false;
  n = std::min(n, outputcapacity(mx));
  if (n <= 0) return true;
  const auto O = [&mx](int b) { return mx.fx.out[b].data(); };
  const auto S = [&sends](int b) { return sends[b]; };
  // b <- input: bus b runs over the input into its output buffer.
  const auto run = [&](int b, const int16_t* input) { mx.compute(b, input, 0, kFxRingSize, n); };
  const auto clear = [n](int16_t* target) { mixer::zerobuffer(target, n); };

  switch (mode) {
    case 0:
      for (int b = 0; b <= 7; ++b) run(b, S(b));
      mixer::combine8(dry, O(0), O(1), O(2), O(3), O(4), O(5), O(6), O(7), n);
      break;
    case 1:
      for (int b = 0; b <= 6; ++b) run(b, S(b));
      run(7, O(0));
      mixer::combine7(dry, O(1), O(2), O(3), O(4), O(5), O(6), O(7), n);
      break;
    case 2:
      run(0, S(0)); run(1, O(0));
      run(2, S(2)); run(3, O(2));
      run(4, S(4)); run(5, O(4));
      run(6, S(6)); run(7, O(6));
      mixer::combine4(dry, O(1), O(3), O(5), O(7), n);
      break;
    case 3:
      run(0, S(0)); run(1, O(0)); run(2, O(1));
      run(3, S(3)); run(4, O(3)); run(5, O(4));
      run(6, S(6));
      run(7, S(7));
      mixer::combine4(dry, O(2), O(5), O(6), O(7), n);
      break;
    case 4:
      run(0, S(0)); run(1, O(0));
      run(2, S(2)); run(3, O(2));
      for (int b = 4; b <= 7; ++b) run(b, S(b));
      mixer::combine6(dry, O(1), O(3), O(4), O(5), O(6), O(7), n);
      break;
    case 5:
      run(0, S(0)); run(1, O(0));
      run(3, S(3)); run(4, O(3));
      clear(O(2));
      mixer::combine2(O(2), O(1), O(4), n);
      run(2, O(2));
      run(5, S(5)); run(6, O(5));
      run(7, S(7));
      mixer::combine3(dry, O(2), O(6), O(7), n);
      break;
    case 6:
      for (int b = 0; b <= 2; ++b) run(b, S(b));
      clear(O(3));
      mixer::combine3(O(3), O(0), O(1), O(2), n);
      run(3, O(3));
      run(4, S(4)); run(5, O(4));
      run(6, S(6)); run(7, O(6));
      mixer::combine3(dry, O(3), O(5), O(7), n);
      break;
    case 7:
      for (int b = 0; b <= 2; ++b) run(b, S(b));
      clear(O(3));
      mixer::combine3(O(3), O(0), O(1), O(2), n);
      run(3, O(3));
      for (int b = 4; b <= 6; ++b) run(b, S(b));
      clear(O(7));
      mixer::combine3(O(7), O(4), O(5), O(6), n);
      run(7, O(7));
      mixer::combine2(dry, O(3), O(7), n);
      break;
    case 8:
      for (int b = 0; b <= 5; ++b) run(b, S(b));
      clear(O(6));
      mixer::combine6(O(6), O(0), O(1), O(2), O(3), O(4), O(5), n);
      run(6, O(6));
      run(7, O(6));
      mixer::combine1(dry, O(7), n);
      break;
    case 9:
      for (int b = 0; b <= 6; ++b) run(b, S(b));
      clear(O(7));
      mixer::combine7(O(7), O(0), O(1), O(2), O(3), O(4), O(5), O(6), n);
      run(7, O(7));
      mixer::combine1(dry, O(7), n);
      break;
    default:
      break;
  }
  return true;
}
