// Internal to the button renderer: the state MButton hands its looks, and the looks that
// live in files of their own.
#pragma once
#include <string>

struct TButtonArgs {
  int x, y, w, h;
  int indent;
  int align;
  int image;
  int textStyle;
  std::string text;
  int selected;
  int over;
  int live;
  int frame;
  int colorWord;        // the style word when it carries a colour code, else 0
  bool colorSuppressed; // the colour code shows only while selected, and it is not
};

// The segmented keys 130, 134, 135 and 512; moves the box to the face for the hover mark.
int DrawSegmentedButton(TButtonArgs& b, int style);
// The effect pedal and routing diagram (styles 26, 27).
void DrawPedalButton(const TButtonArgs& b);
void DrawRoutingButton(const TButtonArgs& b);
// The icon of styles 6, 12 and 134: the text without its two-character prefix.
int DrawButtonIcon(const TButtonArgs& b, int x, int y, int w, int h);
// The leading integer of a text, as the pedal and routing codes read it; 0 without one.
int LeadingInt(const std::string& text);
