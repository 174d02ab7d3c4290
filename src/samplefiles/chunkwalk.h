// Steps shared by the chunked container readers: reading a chunk id byte by byte (RIFF
// WAVE, AIFF, IFF), skipping a chunk with its pad byte (AIFF, IFF: the WAV reader judges
// its pad bytes itself) and the bytes left (the PCM decoders).
#pragma once
#include <cstdint>
#include <string>

class TStream;

// The next four bytes as an id, each read only while the stream has not ended; false
// when it ends first.
bool ReadChunkId(TStream& stream, std::string& id);
// Moves to the end of a chunk whose body started at bodyStart. A chunk of odd size is
// followed by a pad byte, which is passed over whatever its value.
void SkipChunk(TStream& stream, int64_t bodyStart, uint32_t size);
// Bytes from the stream's position to its end (0 past the end).
int64_t BytesLeft(TStream& stream);
