// The draw-type table of the control renderer. The kinds (captions, buttons, pictures,
// check buttons, file-browser panes, backgrounds, tabs, knobs, faders, meters, the text
// entry and the OpenGL view) are not drawn by the framework yet: every entry is empty.
#include "framework/drawtypes.h"

#include <array>

namespace {

const std::array<TDrawTypeRenderer, kFrameworkDrawTypes> kRenderers{};

}  // namespace

TDrawTypeRenderer DrawTypeRenderer(int drawType) {
  if (drawType < 0 || drawType >= kFrameworkDrawTypes) return nullptr;
  return kRenderers[drawType];
}
