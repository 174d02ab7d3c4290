// Byte streams: the interface, opening files as streams (memory streams are in
// memorystream.h), and the typed reads and writes that file readers and writers
// use: bytes, 16- and 32-bit integers in either byte order, 32-bit floats,
// fixed-length strings, lines and blocks.
//
// Reads past the end give a short count and zeros, never stale bytes. A failed
// write marks the stream, and closing it then answers false.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

class TStream {
 public:
  virtual ~TStream() = default;
  // Up to count bytes into buffer; the number read.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // count bytes from buffer; the number written. A short write marks the stream failed.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Pos() const = 0;
  virtual int64_t Size() const = 0;
  // Moves to pos (below 0 counts as 0; past the end is allowed: reads there give
  // nothing and a write fills the gap with zeros); the new position.
  virtual int64_t Seek(int64_t pos) = 0;
  // Ends the stream; false when a write failed now or earlier. Later reads give
  // nothing and later writes fail.
  virtual bool Close() = 0;

  bool Failed() const { return failed_; }

 protected:
  bool failed_ = false;
};

// A regular file for reading; nullptr when it is missing or not a regular file.
std::unique_ptr<TStream> ReadStream(const std::string& path);
// A file for writing, created or emptied; nullptr when it cannot be created.
std::unique_ptr<TStream> WriteStream(const std::string& path);
// Reading only: as ReadStream. Writing only: as WriteStream. Both: the file kept
// as it is (created when missing) at position 0. Neither: nullptr.
std::unique_ptr<TStream> OpenStream(const std::string& path, bool readable, bool writeable);

// Typed reads; missing bytes past the end read as 0.
int ReadByte(TStream& stream);       // 0..255
int ReadShort(TStream& stream);      // little-endian, unsigned 0..65535
int ReadInt(TStream& stream);        // little-endian, signed 32-bit
float ReadFloat(TStream& stream);    // little-endian IEEE single
int ReadShortBE(TStream& stream);    // big-endian, unsigned 0..65535
int ReadIntBE(TStream& stream);      // big-endian, signed 32-bit
// length bytes as characters (one byte each); shorter when the stream ends first.
std::string ReadString(TStream& stream, int length);
// Up to a line feed, a NUL byte or the end; every CR byte is dropped. The ending
// byte is consumed and not part of the line.
std::string ReadLine(TStream& stream);
// Up to count bytes into buffer, the rest of the count zero-filled; the number read.
int64_t ReadBytes(TStream& stream, void* buffer, int64_t count);

// Typed writes; true when every byte was written.
bool WriteByte(TStream& stream, int value);   // the low 8 bits
bool WriteShort(TStream& stream, int value);  // the low 16 bits, little-endian
bool WriteInt(TStream& stream, int value);    // little-endian
bool WriteFloat(TStream& stream, float value);
bool WriteShortBE(TStream& stream, int value);
bool WriteIntBE(TStream& stream, int value);
// One byte per character, no length and no terminator.
bool WriteString(TStream& stream, const std::string& text);
// The text followed by CR LF.
bool WriteLine(TStream& stream, const std::string& text);
// The number of bytes written.
int64_t WriteBytes(TStream& stream, const void* buffer, int64_t count);

// True when the position is at or past the size.
bool Eof(TStream& stream);
int64_t StreamPos(TStream& stream);
int64_t StreamSize(TStream& stream);
int64_t SeekStream(TStream& stream, int64_t pos);
bool CloseStream(TStream& stream);
