// Typed reads and writes over any stream, and the free stream functions.
#include "platform/streams.h"

#include <cstring>

namespace {

// Reads n bytes (n <= 4); missing ones are 0.
void readRaw(TStream& stream, uint8_t* bytes, int n) {
  std::memset(bytes, 0, static_cast<size_t>(n));
  stream.Read(bytes, n);
}

uint32_t littleEndian(const uint8_t* b, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[i];
  return v;
}

uint32_t bigEndian(const uint8_t* b, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | b[i];
  return v;
}

bool writeRaw(TStream& stream, const uint8_t* bytes, int n) { return stream.Write(bytes, n) == n; }

bool writeLittle(TStream& stream, uint32_t value, int n) {
  uint8_t b[4];
  for (int i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(value >> (8 * i));
  return writeRaw(stream, b, n);
}

bool writeBig(TStream& stream, uint32_t value, int n) {
  uint8_t b[4];
  for (int i = 0; i < n; ++i) b[n - 1 - i] = static_cast<uint8_t>(value >> (8 * i));
  return writeRaw(stream, b, n);
}

}  // namespace

int ReadByte(TStream& stream) {
  uint8_t b[1];
  readRaw(stream, b, 1);
  return b[0];
}

int ReadShort(TStream& stream) {
  uint8_t b[2];
  readRaw(stream, b, 2);
  return static_cast<int>(littleEndian(b, 2));
}

int ReadInt(TStream& stream) {
  uint8_t b[4];
  readRaw(stream, b, 4);
  return static_cast<int>(littleEndian(b, 4));
}

float ReadFloat(TStream& stream) {
  uint8_t b[4];
  readRaw(stream, b, 4);
  uint32_t bits = littleEndian(b, 4);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

int ReadShortBE(TStream& stream) {
  uint8_t b[2];
  readRaw(stream, b, 2);
  return static_cast<int>(bigEndian(b, 2));
}

int ReadIntBE(TStream& stream) {
  uint8_t b[4];
  readRaw(stream, b, 4);
  return static_cast<int>(bigEndian(b, 4));
}

std::string ReadString(TStream& stream, int length) {
  if (length <= 0) return "";
  std::string text(static_cast<size_t>(length), '\0');
  int64_t got = stream.Read(text.data(), length);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

std::string ReadLine(TStream& stream) {
  std::string line;
  uint8_t c;
  while (stream.Read(&c, 1) == 1) {
    if (c == '\n' || c == 0) break;
    if (c != '\r') line.push_back(static_cast<char>(c));
  }
  return line;
}

int64_t ReadBytes(TStream& stream, void* buffer, int64_t count) {
  if (count <= 0 || !buffer) return 0;
  int64_t got = stream.Read(buffer, count);
  if (got < 0) got = 0;
  std::memset(static_cast<uint8_t*>(buffer) + got, 0, static_cast<size_t>(count - got));
  return got;
}

bool WriteByte(TStream& stream, int value) { return writeLittle(stream, static_cast<uint32_t>(value), 1); }
bool WriteShort(TStream& stream, int value) { return writeLittle(stream, static_cast<uint32_t>(value), 2); }
bool WriteInt(TStream& stream, int value) { return writeLittle(stream, static_cast<uint32_t>(value), 4); }
bool WriteShortBE(TStream& stream, int value) { return writeBig(stream, static_cast<uint32_t>(value), 2); }
bool WriteIntBE(TStream& stream, int value) { return writeBig(stream, static_cast<uint32_t>(value), 4); }

bool WriteFloat(TStream& stream, float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return writeLittle(stream, bits, 4);
}

bool WriteString(TStream& stream, const std::string& text) {
  if (text.empty()) return true;
  return stream.Write(text.data(), static_cast<int64_t>(text.size())) == static_cast<int64_t>(text.size());
}

bool WriteLine(TStream& stream, const std::string& text) {
  bool ok = WriteString(stream, text);
  return writeRaw(stream, reinterpret_cast<const uint8_t*>("\r\n"), 2) && ok;
}

int64_t WriteBytes(TStream& stream, const void* buffer, int64_t count) {
  if (count <= 0 || !buffer) return 0;
  return stream.Write(buffer, count);
}

bool Eof(TStream& stream) { return stream.Pos() >= stream.Size(); }
int64_t StreamPos(TStream& stream) { return stream.Pos(); }
int64_t StreamSize(TStream& stream) { return stream.Size(); }
int64_t SeekStream(TStream& stream, int64_t pos) { return stream.Seek(pos); }
bool CloseStream(TStream& stream) { return stream.Close(); }
