// Random numbers of the toolkit: a ranged integer from the C library's generator, and
// seeds derived from texts for the platform's seedable generator.
#pragma once
#include <string>

// Seeds the platform generator from the wall clock, so every run starts from its own
// state; once, at program start.
void InitRandomModule();

// lo + (rand() mod (hi - lo + 1)); gives lo when hi < lo.
int fastrand(int lo, int hi);

// "RANDOM" gives the generator's current seed; any other text a product over its bytes.
int GetSeed(const std::string& text);

// Seeds the platform generator with GetSeed(text) and logs the seed.
void SetSeed(const std::string& text);
