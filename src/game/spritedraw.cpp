// The game object's sprite draws by number: at the sprite's own size, scaled, and
// mirrored, with the position truncated to whole pixels.
#include "game/quilloncore.h"
#include "game/sprites.h"
#include "platform/numbers.h"

namespace {

// The numbered sprite, or nullptr for an empty entry or a number outside the table.
t_sprite* Sprite(int n) {
  if (n < 0 || n >= kSpriteTableSize) return nullptr;
  return _sprites[n].get();
}

}  // namespace

int TQuillonCore::_DrawSprite(int n, float x, float y) {
  if (t_sprite* sprite = Sprite(n)) sprite->Draw(TruncToInt(x), TruncToInt(y), 1);
  return 0;
}

int TQuillonCore::_DrawCSprite(int n, float x, float y, float scale) {
  if (t_sprite* sprite = Sprite(n)) sprite->DrawCustom(TruncToInt(x), TruncToInt(y), scale);
  return 0;
}

int TQuillonCore::_DrawCRSprite(int n, float x, float y, float scale) {
  if (t_sprite* sprite = Sprite(n)) sprite->DrawCustomReverse(TruncToInt(x), TruncToInt(y), scale);
  return 0;
}

int TQuillonCore::_DrawCSpriteXY(int n, float x, float y, float scaleX, float scaleY) {
  if (t_sprite* sprite = Sprite(n)) sprite->DrawCustomXY(TruncToInt(x), TruncToInt(y), scaleX, scaleY);
  return 0;
}

int TQuillonCore::_DrawCRSpriteXY(int n, float x, float y, float scaleX, float scaleY) {
  if (t_sprite* sprite = Sprite(n)) {
    sprite->DrawCustomXYReverse(TruncToInt(x), TruncToInt(y), scaleX, scaleY);
  }
  return 0;
}
