// The draw-type table of the control renderer: one line for each of the framework's own
// kinds that draws something. A draw type without a line (35, the group markers 71 and
// 72, and the unused numbers) draws nothing.
#include "framework/drawtypes.h"

#include <array>

#include "framework/browserdrawtypes.h"
#include "framework/drawkinds.h"
#include "framework/statedrawtypes.h"

namespace {

struct TDrawTypeEntry {
  int drawType;
  TDrawTypeRenderer draw;
};

constexpr TDrawTypeEntry kEntries[] = {
    {0, DrawCaptionKind},
    {1, DrawPushButtonKind},
    {2, DrawPictureKind},
    {3, DrawImageButtonKind},
    {4, DrawCheckButtonKind},
    {5, DrawCheckButtonKind},
    {6, DrawPushButtonKind},
    {7, DrawFileList},
    {8, DrawPushButtonKind},
    {9, DrawPathBar},
    {10, DrawPlaces},
    {11, DrawPushButtonKind},
    {12, DrawPushButtonKind},
    {13, DrawFolderName},
    {14, DrawEntrySize},
    {15, DrawEntrySize},
    {16, DrawBackgroundKind},
    {17, DrawPageKeyTab},
    {18, DrawSubPageTabKind},
    {19, DrawMainPageTabKind},
    {20, DrawVersionKind},
    {21, DrawEntryCount},
    {22, DrawClockKind},
    {23, DrawDateKind},
    {24, DrawDayKind},
    {25, DrawCommandLine},
    {26, DrawPageTitleKind},
    {27, DrawImageStripKind},
    {28, DrawImageButtonKind},
    {29, DrawLevelMeterKind},
    {30, DrawImageFaderKind},
    {33, DrawKnobKind},
    {36, DrawPictureValueKind},
    {37, DrawImageButtonKind},
    {38, DrawImageButtonKind},
    {39, DrawImageButtonKind},
    {40, DrawArrowSliderKind},
    {41, DrawRightPath},
    {42, DrawThumbnail},
    {43, DrawThumbnail},
    {44, DrawCheckButtonKind},
    {47, DrawTransportBar},
    {48, DrawGLView},
    {49, DrawTextEntry},
    {51, DrawPushButtonKind},
    {52, DrawPushButtonKind},
    {53, DrawPushButtonKind},
    {54, DrawPushButtonKind},
    {55, DrawPushButtonKind},
    {56, DrawPushButtonKind},
    {57, DrawPushButtonKind},
    {58, DrawPushButtonKind},
    {59, DrawPushButtonKind},
    {60, DrawPushButtonKind},
    {61, DrawKnobKind},
    {62, DrawPushButtonKind},
    {63, DrawPushButtonKind},
    {64, DrawPushButtonKind},
    {65, DrawPushButtonKind},
    {66, DrawPushButtonKind},
    {67, DrawPushButtonKind},
    {68, DrawPushButtonKind},
    {69, DrawPushButtonKind},
    {70, DrawFolderSlot},
};

constexpr std::array<TDrawTypeRenderer, kFrameworkDrawTypes> BuildTable() {
  std::array<TDrawTypeRenderer, kFrameworkDrawTypes> table{};
  for (const TDrawTypeEntry& e : kEntries) table[e.drawType] = e.draw;
  return table;
}

constexpr std::array<TDrawTypeRenderer, kFrameworkDrawTypes> kRenderers = BuildTable();

}  // namespace

TDrawTypeRenderer DrawTypeRenderer(int drawType) {
  if (drawType < 0 || drawType >= kFrameworkDrawTypes) return nullptr;
  return kRenderers[drawType];
}
