// t_sprite: a rectangle of an atlas image in the shared image cache, and its draws:
// grid cells, scaled and mirrored rectangles, the squashed upper part, and the
// textured quadrilateral for immediate-mode drawing. Also the sprite table.
#include "game/sprites.h"

#include <algorithm>
#include <limits>

#include "framework/imagecache.h"
#include "framework/imagewrappers.h"
#include "platform/image.h"
#include "platform/immediategl.h"
#include "platform/numbers.h"

std::array<std::unique_ptr<t_sprite>, kSpriteTableSize> _sprites;

namespace {

// A size times an integer factor, held inside the int range.
int ScaledSize(int size, int factor) {
  const int64_t product = static_cast<int64_t>(size) * factor;
  return static_cast<int>(std::clamp<int64_t>(product, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

}  // namespace

int t_sprite::DrawRect(int dx, int dy, int w, int h) {
  if (image < 0) return 0;
  MDrawImageNumFrameLineWidthHeight(dx, dy, w, h, image, frame, line, width, height);
  return 0;
}

int t_sprite::DrawRectPart(int dx, int dy, int w, int h, float part) {
  if (image < 0) return 0;
  MDrawImageNumFrameLineWidthHeightPart(dx, dy, w, h, image, frame, line, width, height, part);
  return 0;
}

int t_sprite::Draw(int dx, int dy, int factor) {
  if (image < 0) return 0;
  MDrawImageNumFrameLineWidthHeight(dx, dy, ScaledSize(width, factor), ScaledSize(height, factor),
                                    image, frame, line, width, height);
  return 0;
}

int t_sprite::DrawCustom(int dx, int dy, float scale) { return DrawCustomXY(dx, dy, scale, scale); }

int t_sprite::DrawCustomReverse(int dx, int dy, float scale) {
  return DrawCustomXYReverse(dx, dy, scale, scale);
}

int t_sprite::DrawCustomXY(int dx, int dy, float scaleX, float scaleY) {
  if (image < 0) return 0;
  MDrawImageNumFrameRect(dx, dy, TruncToInt(width * scaleX), TruncToInt(height * scaleY), image, x, y,
                         width, height);
  return 0;
}

int t_sprite::DrawCustomXYReverse(int dx, int dy, float scaleX, float scaleY) {
  if (image < 0) return 0;
  // Starting at the far edge with a negative width mirrors over the same span.
  const float scaledWidth = width * scaleX;
  MDrawImageNumFrameRect(TruncToInt(dx + scaledWidth), dy, TruncToInt(-scaledWidth),
                         TruncToInt(height * scaleY), image, x, y, width, height);
  return 0;
}

int t_sprite::DrawCustomWXY(int dx, int dy, float scaleX, float scaleY) {
  if (image < 0) return 0;
  MDrawImageNumFrameRect(dx, TruncToInt(dy + height * 0.2f), TruncToInt(width * scaleX - 0.02f),
                         TruncToInt(height * scaleY * 0.75f), image, x, y, width,
                         TruncToInt(height * 0.75f));
  return 0;
}

int t_sprite::DrawCustomWXYReverse(int dx, int dy, float scaleX, float scaleY) {
  if (image < 0) return 0;
  MDrawImageNumFrameRect(TruncToInt(dx + width * scaleX), TruncToInt(dy + height * 0.2f),
                         TruncToInt(-width * scaleX * 0.999f), TruncToInt(height * scaleY * 0.75f),
                         image, x, y, width, TruncToInt(height * 0.75f));
  return 0;
}

int t_sprite::DrawTexPoly(float ax, float ay, float bx, float by, float cx, float cy, float dx,
                          float dy, float red, float green, float blue, float alpha) {
  // Without an image in the slot there is no texture to show; drawing nothing beats
  // reading outside the cache.
  if (!Images || !Images->Holds(image)) return 0;
  glColor4f(red, green, blue, alpha);
  glBindTexture(GL_TEXTURE_2D, ImageTextureName(Images->Image[image], 0));
  glBegin(GL_TRIANGLE_STRIP);
  glTexCoord2f(uvx, uvy);
  glVertex2f(dx, dy);
  glTexCoord2f(uvw, uvy);
  glVertex2f(ax, ay);
  glTexCoord2f(uvx, uvh);
  glVertex2f(cx, cy);
  glTexCoord2f(uvw, uvh);
  glVertex2f(bx, by);
  glEnd();
  return 0;
}

int t_sprite::CreateUVFromData(float textureWidth, float textureHeight) {
  const float fx = (1.0f / textureWidth) * 0.857f;
  const float fy = (1.0f / textureHeight) * 0.508f;
  uvx = x * fx;
  uvy = y * fy;
  uvw = uvx + width * fx;
  uvh = uvy + height * fy;
  return 0;
}

int t_sprite::SetData(int left, int top, int w, int h, int slot, int cellColumn, int cellRow) {
  x = left;
  y = top;
  width = w;
  height = h;
  image = slot;
  frame = cellColumn;
  line = cellRow;
  return 0;
}

int t_sprite::SetCustomData(int left, int top, int w, int h, int slot) {
  x = left;
  y = top;
  width = w;
  height = h;
  image = slot;
  return 0;
}
