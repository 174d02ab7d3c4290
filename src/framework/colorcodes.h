// Control colour codes: the 48 fixed colours a style word can carry in bits 11-18.
#pragma once

constexpr int kColorCodeCount = 48;
constexpr int kColorCodeMask = 0x7F800;
constexpr int kColorCodeShift = 11;
constexpr int kStyleNumberMask = 0x1FF;

// Loads the style word's colour code (1-48) into AppCol, makes AppCol the draw colour
// when the word is above 1024 and apply is not 0, and returns the style number.
int SetMuisColor(int style, int apply);
