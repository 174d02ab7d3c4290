// The toolkit's image wrappers: free functions that look an image of the shared cache up
// by name (creating the cache on first use), set a slot's cell size and draw the whole
// image, one cell of a strip or grid, or a part of a cell into a destination box. A slot
// outside the cache or one that holds no image draws nothing; all draws return 0.
#pragma once
#include <string>

// The slot of the named image, tried once more one folder up ("../" + name); -1 when
// neither loads. frameWidth as the cache's GetImage takes it.
int MGetImage(const std::string& name, int frameWidth);
// Pixel height of the slot's image; slot -1 first looks up name + ".png". 0 without one.
int MGetImageHeight(const std::string& name, int slot);
int MSetFrameWidth(int slot, int width);

int MDrawImage(int x, int y, int w, int h, const std::string& name);
int MDrawImageNum(int x, int y, int w, int h, int slot);
int MDrawImageFrame(int x, int y, int w, int h, const std::string& name, int frame);
int MDrawImageFrameWidth(int x, int y, int w, int h, const std::string& name, int frame,
                         int frameWidth);
int MDrawImageFrameWidthHeight(int x, int y, int w, int h, const std::string& name, int frame,
                               int frameWidth, int frameHeight);
// The cell at column, row of a grid of columns x rows cut from the whole image; a grid
// without columns or rows draws nothing.
int MDrawImageFrameXCYC(int x, int y, int w, int h, const std::string& name, int column, int row,
                        int columns, int rows);
int MDrawImageNumFrame(int x, int y, int w, int h, int slot, int frame);
int MDrawImageNumFrameWidthHeight(int x, int y, int w, int h, int slot, int frame, int frameWidth,
                                  int frameHeight);
int MDrawImageNumFramePart(int x, int y, int w, int h, int slot, int frame, float from, float to);
int MDrawImageNumFrameLineWidthHeight(int x, int y, int w, int h, int slot, int frame, int line,
                                      int frameWidth, int frameHeight);
int MDrawImageNumFrameLineWidthHeightPart(int x, int y, int w, int h, int slot, int frame, int line,
                                          int frameWidth, int frameHeight, float part);
int MDrawImageNumFrameRect(int x, int y, int w, int h, int slot, int sx, int sy, int sw, int sh);
int MDrawCustomImageNum(int x, int y, int w, int h, int slot);
int MDrawCustomImageNumFrame(int x, int y, int w, int h, int a, int b, int slot, int frame);
int MDrawCustomImageNumFramePart(int x, int y, int w, int h, int a, int b, int slot, int frame,
                                 float from, float to);
int MDrawCImageNumFrame(int x, int y, int w, int h, int slot, int frame);
