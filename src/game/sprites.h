// Sprites and entities: t_sprite, one rectangle of an atlas image held in the shared
// image cache, drawn plain, scaled, mirrored, squashed or on a free quadrilateral;
// the sprite table _sprites indexed by sprite number; and t_entity, a moving object
// animated between two sprite numbers with small periodic displacement effects.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

constexpr int kSpriteTableSize = 1024;  // sprite numbers 0 to 1023

class t_sprite {
 public:
  t_sprite() = default;
  virtual ~t_sprite() = default;

  int x = 0;  // the rectangle in the atlas, pixels from its top-left corner
  int y = 0;
  int width = 0;  // also the cell size of the frame grid
  int height = 0;
  float uvx = 0.0f;  // texture coordinates: left, top, right, bottom
  float uvy = 0.0f;
  float uvw = 0.0f;
  float uvh = 0.0f;
  int frame = 0;  // cell column and row of the grid form
  int line = 0;
  std::string strFile;  // source file name, kept for the owner
  int image = -1;       // slot in Images, -1 none

  // Grid-form draws: cell (frame, line) of a width x height grid over the whole image.
  virtual int DrawRect(int x, int y, int w, int h);
  virtual int DrawRectPart(int x, int y, int w, int h, float part);
  virtual int Draw(int x, int y, int factor);
  // Custom-form draws: the rectangle x, y, width, height of the atlas.
  virtual int DrawCustom(int x, int y, float scale);
  virtual int DrawCustomReverse(int x, int y, float scale);
  virtual int DrawCustomXY(int x, int y, float scaleX, float scaleY);
  virtual int DrawCustomXYReverse(int x, int y, float scaleX, float scaleY);
  // The upper three quarters, squashed to three quarters and lowered a fifth of the height.
  virtual int DrawCustomWXY(int x, int y, float scaleX, float scaleY);
  virtual int DrawCustomWXYReverse(int x, int y, float scaleX, float scaleY);
  // The texture rectangle on a free quadrilateral: a top-right, b bottom-right,
  // c bottom-left, d top-left; colour channels 0 to 1.
  virtual int DrawTexPoly(float ax, float ay, float bx, float by, float cx, float cy, float dx,
                          float dy, float red, float green, float blue, float alpha);
  virtual int CreateUVFromData(float textureWidth, float textureHeight);
  virtual int SetData(int x, int y, int width, int height, int image, int frame, int line);
  virtual int SetCustomData(int x, int y, int width, int height, int image);
};

// Entries are empty until the sprite loader fills them; entry 0 marks the table loaded.
extern std::array<std::unique_ptr<t_sprite>, kSpriteTableSize> _sprites;

class TQuillonCore;
// The card metrics and the first sprite number of each named range into the game
// object's fields, as the sprite loader sets them before it cuts.
void SetSpriteFields(TQuillonCore& core);

class t_entity {
 public:
  t_entity();
  virtual ~t_entity() = default;

  int x = 0;  // map cell
  int y = 0;
  float height = 0.0f;
  int kind = 0;
  int monsterAI = 0;
  int nextAI = 0;
  int64_t tempAITime = 0;
  float from_x = 0.0f, from_y = 0.0f, from_height = 0.0f;
  float to_x = 0.0f, to_y = 0.0f, to_height = 0.0f;
  float slerp = 0.0f;
  float pos_x = 0.0f, pos_y = 0.0f, pos_height = 0.0f;  // screen pixels and height
  float prev_x = 0.0f, prev_y = 0.0f, prev_height = 0.0f;
  int sprite = 0;   // animation phase 1
  int sprite2 = 0;  // animation phase 2
  int direction = 0;
  int fx = 0;         // displacement effect number
  int64_t time = 0;   // time base of the effects, milliseconds
  float speed = 1.0f;
  float coreSpeed = 1.0f;
  int life = 3;
  int bullets = 3;
  int flag_alive = 0;
  float enmove = 0.0f;
  int deadtime = -1;   // the death sprite shows until this millisecond time
  int deadsprite = 8;
  int nType = 0;
  int canKill = 1;
  float down = 1.0f;  // step factor of MoveUp and MoveDown
  int score = 100;
  int zoom = 1;
  int framernd = 0;   // 0..999, phase offset of the animation and of time
  int frametime = 800;
  int halftime = 400;

  virtual int setTime();
  virtual float getFXX(float scale);
  virtual float getFXY(float scale);
  virtual int SetSprite(int s, int s2);
  virtual int setFX(int f);
  virtual int SetFrame(int period);
  virtual int Reset();
  virtual int SetPosFromTo(float tx, float ty, float th);
  virtual int SetMapPos(int mx, int my, float h);
  virtual int SetPos(float px, float py, float ph);
  virtual int SlerpPos(float t);
  virtual int MovePos(float dx, float dy, float dh);
  virtual int MoveUp(float d);
  virtual int MoveDown(float d);
  virtual int SetDead();
  virtual int Draw();
};
