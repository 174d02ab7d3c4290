// Which drawing backend draws: the OpenGL one unless another was set.
#include "platform/drawbackend.h"

#include "platform/glbackend.h"

namespace {
TDrawBackend* chosen = nullptr;
}

void SetDrawBackend(TDrawBackend* backend) {
  if (chosen != backend) CurrentDrawBackend().Flush();
  chosen = backend;
}

TDrawBackend& CurrentDrawBackend() { return chosen ? *chosen : OpenGLBackend(); }
