// t_entity: a moving object drawn with two sprite numbers in alternating phases, with
// interpolated movement, a short death display and small periodic displacements.
#include <cstdint>

#include "framework/random.h"
#include "game/sprites.h"
#include "platform/numbers.h"

namespace {

// A sprite of the table drawn at its own grid cell, when that entry exists.
void DrawTableSprite(int number, float px, float py, int zoom) {
  if (number < 0 || number >= kSpriteTableSize || !_sprites[number]) return;
  _sprites[number]->Draw(TruncToInt(px), TruncToInt(py), zoom);
}

}  // namespace

t_entity::t_entity() : framernd(fastrand(0, 999)) {}

int t_entity::setTime() {
  time = static_cast<int64_t>(MilliSecs()) + framernd;
  return 0;
}

float t_entity::getFXX(float scale) {
  const double t = static_cast<float>(time);
  double offset = 0.0;
  switch (fx) {
    case 2:
    case 4: offset = 3.0 * Sin(t); break;
    case 6: offset = 3.0 * Cos(0.2 * t); break;
    case 7: offset = Rand(-3, 3); break;
    default: break;
  }
  return static_cast<float>(offset) * scale;
}

float t_entity::getFXY(float scale) {
  const double t = static_cast<float>(time);
  double offset = 0.0;
  switch (fx) {
    case 1: offset = 1.0 + Sin(t); break;
    case 2: offset = 3.0 * Cos(t); break;
    case 3: offset = 1.5 * Cos(t); break;
    case 6: offset = 3.0 * Sin(0.2 * t); break;
    case 7: offset = Rand(-3, 3); break;
    default: break;
  }
  return static_cast<float>(offset) * scale;
}

int t_entity::SetSprite(int s, int s2) {
  sprite = s;
  sprite2 = s2 == -1 ? s : s2;
  return 0;
}

int t_entity::setFX(int f) {
  fx = f;
  return 0;
}

int t_entity::SetFrame(int period) {
  frametime = period;
  halftime = TruncToInt(period * 0.5);
  return 0;
}

int t_entity::Reset() {
  zoom = 1;
  flag_alive = 0;
  deadtime = -1;
  return SetFrame(800);
}

int t_entity::SetPosFromTo(float tx, float ty, float th) {
  from_x = pos_x;
  from_y = pos_y;
  from_height = pos_height;
  to_x = tx;
  to_y = ty;
  to_height = th;
  slerp = 0.0f;
  return 0;
}

int t_entity::SetMapPos(int mx, int my, float h) {
  x = mx;
  y = my;
  height = h;
  return 0;
}

int t_entity::SetPos(float px, float py, float ph) {
  prev_x = pos_x;
  prev_y = pos_y;
  prev_height = pos_height;
  pos_x = px;
  pos_y = py;
  pos_height = ph;
  return 0;
}

int t_entity::SlerpPos(float t) {
  return SetPos(from_x + (to_x - from_x) * t, from_y + (to_y - from_y) * t,
                from_height + (to_height - from_height) * t);
}

int t_entity::MovePos(float dx, float dy, float dh) {
  return SetPos(pos_x + dx, pos_y + dy, pos_height + dh);
}

int t_entity::MoveUp(float d) {
  prev_y = pos_y;
  pos_y = pos_y - down * d;
  return 0;
}

int t_entity::MoveDown(float d) {
  prev_y = pos_y;
  pos_y = pos_y + down * d;
  return 0;
}

int t_entity::SetDead() {
  deadtime = TruncToInt(static_cast<double>(MilliSecs()) + 500.0);
  flag_alive = 0;
  return 0;
}

int t_entity::Draw() {
  const int now = MilliSecs();
  if (now < deadtime) {
    DrawTableSprite(deadsprite, pos_x, pos_y, zoom);
    return 0;
  }
  if (flag_alive == 0) return 0;
  // A period of 0 has no second phase (and must not divide).
  const int64_t phase = frametime == 0 ? 0 : (static_cast<int64_t>(now) + framernd) % frametime;
  DrawTableSprite(phase > halftime ? sprite2 : sprite, pos_x, pos_y, zoom);
  return 0;
}
