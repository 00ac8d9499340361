#include "split.hpp"

namespace neo::sprites {

SplitPlan plan_split(const SplitRequest& request, std::uint32_t length) {
  const std::uint32_t end = request.start + request.size;  // wraps as the loop bound does
  const std::uint32_t count = end < request.start ? 0 : request.size;
  const std::uint32_t first = request.parity + 2u * request.start;
  if (count == 0) return {first, 0, true};
  // The image is under 2 GiB, so the indexes cannot wrap back into it:
  // either all of first, first + 2, ... are at most `length`, or one is past it.
  const std::uint64_t last = std::uint64_t{first} + 2 * (std::uint64_t{count} - 1);
  return {first, count, last <= length};
}

void gather_split(const std::uint8_t* image, std::uint64_t first, std::size_t count,
                  std::uint8_t* out) {
  const std::uint8_t* from = image + first;
  for (std::size_t m = 0; m < count; ++m) out[m] = from[2 * m];
}

}  // namespace neo::sprites
