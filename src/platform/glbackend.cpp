// The OpenGL drawing backend: primitives become indexed vertices in canvas pixels,
// gathered into batches that share one set of GL state and drawn with one call (or,
// with batching off, one glBegin/glEnd pair each). The GL state is applied from the
// batch's key before each draw; the last applied key is remembered per context.
#include "platform/glbackend.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/drawgeometry.h"
#include "platform/drawglue.h"
#include "platform/image.h"
#include "platform/imagefont.h"
#include "platform/print.h"

namespace {

constexpr size_t MAX_BATCH_VERTICES = 1 << 18;

struct Vertex {
  float x, y, u, v;
  uint8_t rgba[4];
};

struct BatchKey {
  TPrimitiveKind kind = TPrimitiveKind::Triangles;
  GLuint texture = 0;  // 0: untextured
  int blend = ALPHABLEND;
  bool alphaTest = false;
  int alphaFunc = ALPHA_ALWAYS;
  float alphaRef = 0.0f;
  TScissor scissor;
  float lineWidth = 1.0f;  // lines and points
  bool lineSmooth = false;

  bool operator==(const BatchKey& o) const {
    return kind == o.kind && texture == o.texture && blend == o.blend && alphaTest == o.alphaTest &&
           alphaFunc == o.alphaFunc && alphaRef == o.alphaRef && scissor.enabled == o.scissor.enabled &&
           scissor.x == o.scissor.x && scissor.y == o.scissor.y && scissor.width == o.scissor.width &&
           scissor.height == o.scissor.height && lineWidth == o.lineWidth && lineSmooth == o.lineSmooth;
  }
};

// The drawing area of SetDrawingArea: a rectangle of the current window, from its top
// left; unset, the whole window.
struct Area {
  bool set = false;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Area&) const = default;
};
Area drawingArea;

// The context being drawn into: the SDL id of its window, the canvas size (the drawing
// area's), and where the canvas lies in the window, from its left and bottom edges.
struct Target {
  uint32_t window = 0;
  int width = 0;
  int height = 0;
  int left = 0;
  int bottom = 0;
  bool clipped = false;  // a drawing area: nothing may land outside it
};

Target currentTarget() {
  Target target;
  if (!SDL_WasInit(SDL_INIT_VIDEO) || !SDL_GL_GetCurrentContext()) return target;
  SDL_Window* window = SDL_GL_GetCurrentWindow();
  if (!window) return target;
  target.window = SDL_GetWindowID(window);
  SDL_GL_GetDrawableSize(window, &target.width, &target.height);
  if (drawingArea.set) {
    const int windowHeight = target.height;
    const int x = std::clamp(drawingArea.x, 0, target.width);
    const int y = std::clamp(drawingArea.y, 0, windowHeight);
    target.width = std::clamp(drawingArea.width, 0, target.width - x);
    target.height = std::clamp(drawingArea.height, 0, windowHeight - y);
    target.left = x;
    target.bottom = windowHeight - y - target.height;
    target.clipped = true;
  }
  return target;
}

uint8_t channel(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

uint8_t unitChannel(float value) {
  if (!(value > 0.0f)) return 0;
  if (value >= 1.0f) return 255;
  return static_cast<uint8_t>(std::lround(value * 255.0f));
}

GLenum glMode(TPrimitiveKind kind) {
  switch (kind) {
    case TPrimitiveKind::Lines: return GL_LINES;
    case TPrimitiveKind::Points: return GL_POINTS;
    default: return GL_TRIANGLES;
  }
}

class GlBackend : public TDrawBackend {
 public:
  bool batching = true;

  int CanvasWidth() override { return currentTarget().width; }
  int CanvasHeight() override { return currentTarget().height; }

  void Cls(const TDrawState& state) override {
    const Target target = currentTarget();
    if (!target.window) return;
    flush();
    BatchKey key = keyFor(state, target, TPrimitiveKind::Triangles, 0);
    applyScissor(target, key.scissor);
    glClearColor(channel(state.clsRed) / 255.0f, channel(state.clsGreen) / 255.0f, channel(state.clsBlue) / 255.0f,
                 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }

  void DrawLine(const TDrawState& state, float x1, float y1, float x2, float y2, bool lastPixel) override {
    const Target target = currentTarget();
    const TCanvasMap map = CanvasMapFor(state, target.width, target.height);
    TPoint from, to;
    if (ThinLine(state, map, x1, y1, x2, y2, lastPixel, from, to)) {
      // OpenGL's own lines cost the software renderer less than a quad.
      if (!begin(state, target, TPrimitiveKind::Lines, 0, 2, 1.0f, false)) return;
      const auto base = static_cast<uint32_t>(vertices_.size());
      const Colour colour = colourOf(state);
      vertices_.push_back(vertex(from, 0.0f, 0.0f, colour));
      vertices_.push_back(vertex(to, 0.0f, 0.0f, colour));
      indices_.insert(indices_.end(), {base, base + 1});
    } else {
      if (!begin(state, target, TPrimitiveKind::Triangles, 0, 4)) return;
      addQuad(LineQuad(state, map, x1, y1, x2, y2, lastPixel), colourOf(state), nullptr);
    }
    end();
  }

  void DrawRect(const TDrawState& state, float x, float y, float width, float height) override {
    const Target target = currentTarget();
    if (!begin(state, target, TPrimitiveKind::Triangles, 0, 4)) return;
    const TCanvasMap map = CanvasMapFor(state, target.width, target.height);
    addQuad(PlaceBox(state, map, x, y, -state.handleX, -state.handleY, width - state.handleX,
                     height - state.handleY),
            colourOf(state), nullptr);
    end();
  }

  void DrawOval(const TDrawState& state, float x, float y, float width, float height) override {
    const Target target = currentTarget();
    const TCanvasMap map = CanvasMapFor(state, target.width, target.height);
    const std::vector<TPoint> outline = OvalOutline(state, map, x, y, width, height);
    if (!begin(state, target, TPrimitiveKind::Triangles, 0, outline.size())) return;
    const auto base = static_cast<uint32_t>(vertices_.size());
    const Colour colour = colourOf(state);
    for (const TPoint& p : outline) vertices_.push_back(vertex(p, 0.0f, 0.0f, colour));
    for (uint32_t i = 1; i + 1 < outline.size(); ++i) indices_.insert(indices_.end(), {base, base + i, base + i + 1});
    end();
  }

  void DrawText(const TDrawState& state, TImageFont& font, const std::string& text, float x, float y) override {
    const Target target = currentTarget();
    if (!target.window) return;
    const std::vector<TImageFont::TGlyphQuad>& quads = font.Layout(text);  // may add glyphs to the atlas
    if (quads.empty()) return;
    TImage& atlas = font.Atlas();
    const GLuint texture = ensureTexture(atlas, 0, target);
    if (!texture) return;
    if (!begin(state, target, TPrimitiveKind::Triangles, texture, quads.size() * 4)) return;
    const TCanvasMap map = CanvasMapFor(state, target.width, target.height);
    const TPixmap& pixels = *atlas.frames[0].pixmap;
    const Colour colour = colourOf(state);
    for (const TImageFont::TGlyphQuad& q : quads) {
      const float x0 = q.x - state.handleX;
      const float y0 = q.y - state.handleY;
      const float u0 = static_cast<float>(q.sourceX) / pixels.width;
      const float v0 = static_cast<float>(q.sourceY) / pixels.height;
      const float u1 = static_cast<float>(q.sourceX + q.width) / pixels.width;
      const float v1 = static_cast<float>(q.sourceY + q.height) / pixels.height;
      const std::array<float, 4> uv{u0, v0, u1, v1};
      addQuad(PlaceBox(state, map, x, y, x0, y0, x0 + q.width, y0 + q.height), colour, &uv);
    }
    end();
  }

  void DrawImage(const TDrawState& state, const TImageDraw& draw) override {
    const Target target = currentTarget();
    if (!target.window || !draw.image) return;
    const GLuint texture = ensureTexture(*draw.image, draw.frame, target);
    if (!texture) return;
    if (!begin(state, target, TPrimitiveKind::Triangles, texture, 4)) return;
    const TCanvasMap map = CanvasMapFor(state, target.width, target.height);
    const TPixmap& pixels = *draw.image->frames[draw.frame].pixmap;
    float x0, y0, x1, y1;
    ImageBox(draw, x0, y0, x1, y1);
    const std::array<float, 4> uv{draw.sourceX / pixels.width, draw.sourceY / pixels.height,
                                  (draw.sourceX + draw.sourceWidth) / pixels.width,
                                  (draw.sourceY + draw.sourceHeight) / pixels.height};
    addQuad(PlaceBox(state, map, draw.x, draw.y, x0, y0, x1, y1), colourOf(state), &uv);
    end();
  }

  void DrawImmediate(const TDrawState& state, const TImmediatePrimitive& primitive) override {
    const TPrimitiveKind kind = PrimitiveKind(primitive.mode);
    std::vector<uint32_t> order = PrimitiveIndices(primitive.mode, primitive.vertices.size());
    if (order.empty()) return;
    const Target target = currentTarget();
    const GLuint texture = state.texturing ? state.boundTexture : 0;
    const float width = std::isfinite(state.glLineWidth) && state.glLineWidth > 0.0f ? state.glLineWidth : 1.0f;
    if (!begin(state, target, kind, texture, primitive.vertices.size(), width, state.lineSmooth)) return;
    const TCanvasMap map = CanvasMapFor(state, target.width, target.height);
    const auto base = static_cast<uint32_t>(vertices_.size());
    for (const TImmediateVertex& v : primitive.vertices) {
      const Colour colour{unitChannel(v.red), unitChannel(v.green), unitChannel(v.blue), unitChannel(v.alpha)};
      vertices_.push_back(vertex(ToCanvas(map, {v.x, v.y}), v.u, v.v, colour));
    }
    for (uint32_t index : order) indices_.push_back(base + index);
    end();
  }

  unsigned TextureName(TImage& image, int frame) override {
    if (frame < 0 || frame >= static_cast<int>(image.frames.size())) return 0;
    const Target target = currentTarget();
    return target.window ? ensureTexture(image, frame, target) : 0;
  }

  void Flush() override { flush(); }

  bool ReadPixels(int x, int y, int width, int height, std::vector<uint8_t>& rgba) override {
    rgba.clear();
    const Target target = currentTarget();
    if (!target.window || x < 0 || y < 0 || width <= 0 || height <= 0 || x + width > target.width ||
        y + height > target.height)
      return false;
    flush();
    std::vector<uint8_t> upsideDown(static_cast<size_t>(width) * height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(target.left + x, target.bottom + target.height - y - height, width, height, GL_RGBA, GL_UNSIGNED_BYTE, upsideDown.data());
    rgba.resize(upsideDown.size());
    const size_t row = static_cast<size_t>(width) * 4;
    for (int r = 0; r < height; ++r)
      std::copy_n(upsideDown.data() + (height - 1 - r) * row, row, rgba.data() + r * row);
    return true;
  }

  void SnapshotCanvas() override {
    const Target target = currentTarget();
    if (!target.window || target.width <= 0 || target.height <= 0) return;
    flush();
    if (snapshot_ && snapshotOwner_ != target.window) {
      ReleaseTexture(snapshotOwner_, snapshot_);
      snapshot_ = 0;
    }
    if (!snapshot_) glGenTextures(1, &snapshot_);
    snapshotOwner_ = target.window;
    glBindTexture(GL_TEXTURE_2D, snapshot_);
    forgetApplied();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glReadBuffer(GL_BACK);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, target.left, target.bottom, target.width, target.height, 0);
  }

  void DrawSnapshot() override {
    const Target target = currentTarget();
    if (!target.window || !snapshot_ || snapshotOwner_ != target.window) return;
    TDrawState plain;
    plain.blend = SOLIDBLEND;
    if (!begin(plain, target, TPrimitiveKind::Triangles, snapshot_, 4)) return;
    const float w = static_cast<float>(target.width);
    const float h = static_cast<float>(target.height);
    // The copy's first row is the canvas's bottom one.
    const std::array<float, 4> uv{0.0f, 1.0f, 1.0f, 0.0f};
    addQuad({TPoint{0, 0}, TPoint{w, 0}, TPoint{w, h}, TPoint{0, h}}, Colour{255, 255, 255, 255}, &uv);
    end();
  }

  void release(uint32_t owner, GLuint texture) {
    if (owner == RECORDED_TEXTURE_OWNER || texture == 0) return;
    const Target target = currentTarget();
    if (target.window == owner) {
      if (hasBatch_ && key_.texture == texture) flush();
      glDeleteTextures(1, &texture);
      if (applied_.texture == texture) forgetApplied();
    } else if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetWindowFromID(owner)) {
      releases_[owner].push_back(texture);
    }
  }

  void flush() {
    if (!hasBatch_) return;
    hasBatch_ = false;
    const Target target = currentTarget();
    if (target.window == batchWindow_ && !indices_.empty()) {
      // Opaque untextured alpha blending writes the source as it is: no blending needed
      // (unless smoothing turns coverage into alpha).
      BatchKey key = key_;
      if (key.blend == ALPHABLEND && !key.texture && !key.lineSmooth && opaque_) key.blend = SOLIDBLEND;
      apply(target, key);
      const GLenum mode = glMode(key_.kind);
      if (batching) {
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(2, GL_FLOAT, sizeof(Vertex), &vertices_[0].x);
        glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(Vertex), &vertices_[0].rgba[0]);
        if (key_.texture) {
          glEnableClientState(GL_TEXTURE_COORD_ARRAY);
          glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &vertices_[0].u);
        } else {
          glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        }
        glDrawRangeElements(mode, 0, static_cast<GLuint>(vertices_.size() - 1), static_cast<GLsizei>(indices_.size()),
                            GL_UNSIGNED_INT, indices_.data());
      } else {
        glBegin(mode);
        for (uint32_t index : indices_) {
          const Vertex& v = vertices_[index];
          glColor4ubv(v.rgba);
          if (key_.texture) glTexCoord2f(v.u, v.v);
          glVertex2f(v.x, v.y);
        }
        glEnd();
      }
    }
    vertices_.clear();
    indices_.clear();
    opaque_ = true;
  }

 private:
  struct Colour {
    uint8_t r, g, b, a;
  };

  static Colour colourOf(const TDrawState& state) {
    return {channel(state.red), channel(state.green), channel(state.blue), unitChannel(state.alpha)};
  }

  Vertex vertex(TPoint p, float u, float v, Colour c) {
    opaque_ = opaque_ && c.a == 255;
    return Vertex{p.x, p.y, u, v, {c.r, c.g, c.b, c.a}};
  }

  void addQuad(const std::array<TPoint, 4>& corners, Colour colour, const std::array<float, 4>* uv) {
    const auto base = static_cast<uint32_t>(vertices_.size());
    const float u0 = uv ? (*uv)[0] : 0.0f, v0 = uv ? (*uv)[1] : 0.0f;
    const float u1 = uv ? (*uv)[2] : 0.0f, v1 = uv ? (*uv)[3] : 0.0f;
    vertices_.push_back(vertex(corners[0], u0, v0, colour));
    vertices_.push_back(vertex(corners[1], u1, v0, colour));
    vertices_.push_back(vertex(corners[2], u1, v1, colour));
    vertices_.push_back(vertex(corners[3], u0, v1, colour));
    indices_.insert(indices_.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
  }

  BatchKey keyFor(const TDrawState& state, const Target& target, TPrimitiveKind kind, GLuint texture,
                  float lineWidth = 1.0f, bool lineSmooth = false) {
    BatchKey key;
    key.kind = kind;
    key.texture = texture;
    key.blend = state.blend;
    key.alphaTest = state.alphaTest;
    if (key.alphaTest) {
      key.alphaFunc = state.alphaFunc;
      key.alphaRef = state.alphaRef;
    }
    key.scissor = ScissorFor(state, CanvasMapFor(state, target.width, target.height));
    if (target.clipped) {
      // The area is the canvas: a clip rectangle of its own, and none less than all of it.
      if (!key.scissor.enabled) {
        key.scissor.enabled = true;
        key.scissor.width = target.width;
        key.scissor.height = target.height;
      }
      key.scissor.x += target.left;
      key.scissor.y += target.bottom;
    }
    if (kind != TPrimitiveKind::Triangles) {
      key.lineWidth = lineWidth;
      key.lineSmooth = lineSmooth;
    }
    return key;
  }

  // Makes room in the batch for a primitive with this key; false when nothing can draw.
  bool begin(const TDrawState& state, const Target& target, TPrimitiveKind kind, GLuint texture,
             size_t vertexCount, float lineWidth = 1.0f, bool lineSmooth = false) {
    if (!target.window || target.width <= 0 || target.height <= 0 || kind == TPrimitiveKind::None) return false;
    const BatchKey key = keyFor(state, target, kind, texture, lineWidth, lineSmooth);
    if (hasBatch_ && (batchWindow_ != target.window || !(key == key_) ||
                      vertices_.size() + vertexCount > MAX_BATCH_VERTICES))
      flush();
    if (!hasBatch_) {
      releasePending(target.window);
      key_ = key;
      batchWindow_ = target.window;
      hasBatch_ = true;
    }
    return true;
  }

  void end() {
    if (!batching) flush();
  }

  // Textures given back while another context was current.
  void releasePending(uint32_t window) {
    if (releases_.empty()) return;
    auto found = releases_.find(window);
    if (found != releases_.end()) {
      glDeleteTextures(static_cast<GLsizei>(found->second.size()), found->second.data());
      releases_.erase(found);
      forgetApplied();
    }
    std::erase_if(releases_, [](const auto& entry) { return !SDL_GetWindowFromID(entry.first); });
  }

  GLuint ensureTexture(TImage& image, int frame, const Target& target) {
    TImageFrame& f = image.frames[frame];
    if (!f.pixmap || f.pixmap->width <= 0 || f.pixmap->height <= 0) return 0;
    if (f.textureOwner == target.window && f.textureVersion == f.version) return f.texture;  // 0: too large
    if (f.texture && f.textureOwner != target.window) {
      release(f.textureOwner, f.texture);
      f.texture = 0;
    }
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    if (f.pixmap->width > maxSide || f.pixmap->height > maxSide) {
      Print("DrawImage: image too large for a texture");
      f.textureOwner = target.window;  // said once for this context
      f.textureVersion = f.version;
      return 0;
    }
    if (hasBatch_ && key_.texture == f.texture && f.texture) flush();  // its pixels change under the batch
    if (!f.texture) glGenTextures(1, &f.texture);
    f.textureOwner = target.window;
    f.textureVersion = f.version;
    glBindTexture(GL_TEXTURE_2D, f.texture);
    forgetApplied();
    const GLint filter = (image.flags & FILTEREDIMAGE) ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, f.pixmap->pitch / 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, f.pixmap->width, f.pixmap->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 f.pixmap->pixels.data());
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    return f.texture;
  }

  void forgetApplied() { appliedValid_ = false; }

  void applyScissor(const Target& target, const TScissor& scissor) {
    prepareContext(target);
    if (scissor.enabled) {
      glEnable(GL_SCISSOR_TEST);
      glScissor(scissor.x, scissor.y, scissor.width, scissor.height);
    } else {
      glDisable(GL_SCISSOR_TEST);
    }
    applied_.scissor = scissor;
  }

  // The fixed state of 2D drawing and the canvas projection, when the context or its
  // size changed since the last draw.
  void prepareContext(const Target& target) {
    if (appliedValid_ && appliedWindow_ == target.window && appliedWidth_ == target.width &&
        appliedHeight_ == target.height && appliedLeft_ == target.left && appliedBottom_ == target.bottom)
      return;
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DITHER);
    glShadeModel(GL_SMOOTH);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glViewport(target.left, target.bottom, target.width, target.height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, target.width, target.height, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    appliedWindow_ = target.window;
    appliedWidth_ = target.width;
    appliedHeight_ = target.height;
    appliedLeft_ = target.left;
    appliedBottom_ = target.bottom;
    appliedValid_ = false;
    applyAll_ = true;
  }

  void apply(const Target& target, const BatchKey& key) {
    prepareContext(target);
    const bool all = applyAll_ || !appliedValid_;
    applyAll_ = false;
    const BatchKey& was = applied_;
    if (all || !(key.scissor.enabled == was.scissor.enabled && key.scissor.x == was.scissor.x &&
                 key.scissor.y == was.scissor.y && key.scissor.width == was.scissor.width &&
                 key.scissor.height == was.scissor.height))
      applyScissor(target, key.scissor);
    if (all || key.blend != was.blend) {
      switch (key.blend) {
        case ALPHABLEND:
          glEnable(GL_BLEND);
          glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
          break;
        case LIGHTBLEND:
          glEnable(GL_BLEND);
          glBlendFunc(GL_SRC_ALPHA, GL_ONE);
          break;
        case SHADEBLEND:
          glEnable(GL_BLEND);
          glBlendFunc(GL_DST_COLOR, GL_ZERO);
          break;
        default: glDisable(GL_BLEND); break;
      }
    }
    if (all || key.alphaTest != was.alphaTest || key.alphaFunc != was.alphaFunc || key.alphaRef != was.alphaRef) {
      if (key.alphaTest) {
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(static_cast<GLenum>(key.alphaFunc), key.alphaRef);
      } else {
        glDisable(GL_ALPHA_TEST);
      }
    }
    if (all || key.texture != was.texture) {
      if (key.texture) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, key.texture);
      } else {
        glDisable(GL_TEXTURE_2D);
      }
    }
    if (key.kind == TPrimitiveKind::Lines) {
      glLineWidth(key.lineWidth);
      if (key.lineSmooth)
        glEnable(GL_LINE_SMOOTH);
      else
        glDisable(GL_LINE_SMOOTH);
    } else if (key.kind == TPrimitiveKind::Points) {
      glPointSize(key.lineWidth);
    }
    applied_ = key;
    appliedValid_ = true;
  }

  std::vector<Vertex> vertices_;
  std::vector<uint32_t> indices_;
  BatchKey key_;
  bool hasBatch_ = false;
  bool opaque_ = true;  // every vertex of the batch has alpha 255
  uint32_t batchWindow_ = 0;
  BatchKey applied_;
  bool appliedValid_ = false;
  bool applyAll_ = true;
  uint32_t appliedWindow_ = 0;
  int appliedWidth_ = 0;
  int appliedHeight_ = 0;
  int appliedLeft_ = 0;
  int appliedBottom_ = 0;
  std::map<uint32_t, std::vector<GLuint>> releases_;
  GLuint snapshot_ = 0;
  uint32_t snapshotOwner_ = 0;
};

// Never destroyed: images may give their textures back while the program exits.
GlBackend& backend() {
  static GlBackend* b = new GlBackend;
  return *b;
}

}  // namespace

TDrawBackend& OpenGLBackend() { return backend(); }

void SetDrawBatching(bool on) {
  backend().flush();
  backend().batching = on;
}

bool DrawBatching() { return backend().batching; }

void ReleaseTexture(uint32_t owner, unsigned texture) { backend().release(owner, texture); }

void FlushDrawing() { backend().flush(); }

void SetDrawingArea(bool set, int x, int y, int width, int height) {
  Area area;
  if (set) area = Area{true, x, y, width, height};
  if (area == drawingArea) return;
  backend().flush();  // what was drawn belongs to the old area
  drawingArea = area;
}
