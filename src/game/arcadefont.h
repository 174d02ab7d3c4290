// Bitmap-font text: a fixed-advance font cut from one texture of 16 glyph columns,
// with built-in block letters when the texture is missing, the plain text call and its
// variants (centred, boxed, fader, outlined, light-bordered), most of which register a
// click region under a control id as they draw.
#pragma once
#include <memory>
#include <string>

class TImage;

extern std::shared_ptr<TImage> g_TextImage;  // the font texture, null when none
extern int g_ImageOK;     // 1 when the last load returned an image
extern int g_FontHeight;  // cell mode: 1 for 16 x 16 cells, else 16 x 32
extern int g_FontWidth;   // pen advance and width unit of boxes and regions

// The parent folder of a path, with a trailing "/".
std::string GetPreviousDirx(const std::string& path);
// Looks for the font texture beside the program in three places and loads it.
int bitmapFontInit(const std::string& fileName, int mode);
// The glyph of one character code stretched into the box.
int drawFontChar(int code, int x, int y, int w, int h);

int ArcadeText(const std::string& text, int x, int y, int id);
int ArcadeTextCenter(const std::string& text, int centreX, int y);
int ArcadeTextBox(const std::string& text, int x, int y, int widthChars, int id, int r, int g, int b);
int ArcadeTextFader(const std::string& label, int x, int y, int labelChars, int barChars, float value,
                    int id, int r, int g, int b);
int ArcadeTextOutline(const std::string& text, int x, int y, int id, int widthChars, int r, int g, int b);
int ArcadeTextBorder(const std::string& text, int x, int y, int id);
