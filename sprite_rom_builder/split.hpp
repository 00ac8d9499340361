// Cutting one C ROM out of the planar image: byte m of the split file is
// image byte parity + 2 * (start + m), all in 32-bit arithmetic.
#pragma once
#include <cstddef>
#include <cstdint>

namespace neo::sprites {

struct SplitRequest {
  std::uint32_t start;
  std::uint32_t parity;
  std::uint32_t size;
};

struct SplitPlan {
  std::uint64_t first;  // image index of the split file's byte 0
  std::uint32_t count;  // bytes to write, every second image byte from `first`
  bool inside;          // every index read lies within 0..length
};

// Index `length` is the zero byte after the image and may be read. A
// request whose start + size passes 0xFFFFFFFF writes nothing.
SplitPlan plan_split(const SplitRequest& request, std::uint32_t length);

// out[m] = image[first + 2m] for m < count.
void gather_split(const std::uint8_t* image, std::uint64_t first, std::size_t count,
                  std::uint8_t* out);

}  // namespace neo::sprites
