// The recording backend in place of the screen for as long as the object lives, over a
// fresh draw state on the way in and on the way out.
#pragma once
#include "platform/draw2d.h"
#include "platform/drawbackend.h"
#include "platform/recordingbackend.h"

class TRecordingScreen : public TRecordingBackend {
 public:
  explicit TRecordingScreen(int canvasWidth = 640, int canvasHeight = 480)
      : TRecordingBackend(canvasWidth, canvasHeight) {
    ResetDrawState();
    SetDrawBackend(this);
  }
  ~TRecordingScreen() override {
    SetDrawBackend(nullptr);
    ResetDrawState();
  }
  TRecordingScreen(const TRecordingScreen&) = delete;
  TRecordingScreen& operator=(const TRecordingScreen&) = delete;
};
