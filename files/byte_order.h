#pragma once
// Numbers in grid files, which have a byte order of their own whatever the
// machine's: NTv2 files little-endian, GTX files big-endian.

#include <cstdint>
#include <cstring>

namespace kortavex {

enum class ByteOrder { LittleEndian, BigEndian };

// The unsigned integer of the `count` bytes (at most 8) at `bytes`.
inline std::uint64_t unsignedAt(const unsigned char* bytes, int count, ByteOrder order) {
  std::uint64_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[order == ByteOrder::BigEndian ? i : count - 1 - i];
  return value;
}

// IEEE 754 single and double floats.
inline float floatAt(const unsigned char* bytes, ByteOrder order) {
  const auto bits = static_cast<std::uint32_t>(unsignedAt(bytes, 4, order));
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline double doubleAt(const unsigned char* bytes, ByteOrder order) {
  const std::uint64_t bits = unsignedAt(bytes, 8, order);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace kortavex
