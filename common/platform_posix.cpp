#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <cstdlib>

#include "platform.hpp"

namespace neo::platform {

bool is_directory(std::FILE* stream) {
  struct stat st {};
  return fstat(fileno(stream), &st) == 0 && S_ISDIR(st.st_mode);
}

bool same_file(std::FILE* stream, const char* path) {
  struct stat open_st {};
  struct stat path_st {};
  if (fstat(fileno(stream), &open_st) != 0 || stat(path, &path_st) != 0) return false;
  return open_st.st_dev == path_st.st_dev && open_st.st_ino == path_st.st_ino;
}

bool seek(std::FILE* stream, std::uint64_t offset) {
  static_assert(sizeof(off_t) >= 8, "64-bit file offsets are needed");
  return fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0;
}

std::optional<std::uint64_t> measure(std::FILE* stream) {
  if (fseeko(stream, 0, SEEK_END) != 0) return std::nullopt;
  const off_t end = ftello(stream);
  if (end < 0 || fseeko(stream, 0, SEEK_SET) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(end);
}

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
}

ZeroedBuffer::ZeroedBuffer(std::size_t size) : size_(size) {
  if (size >= kHugePage) {
    // Over-map by one huge page so the block can start on a huge-page boundary.
    mapped_ = size + kHugePage;
    void* p = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return;
    mapping_ = p;
    auto start = (reinterpret_cast<std::uintptr_t>(p) + kHugePage - 1) & ~(kHugePage - 1);
    data_ = reinterpret_cast<unsigned char*>(start);
#ifdef MADV_HUGEPAGE
    madvise(data_, size, MADV_HUGEPAGE);  // a hint; ignored where unsupported
#endif
    return;
  }
  data_ = static_cast<unsigned char*>(std::calloc(size == 0 ? 1 : size, 1));
}

ZeroedBuffer::~ZeroedBuffer() {
  if (mapping_ != nullptr)
    munmap(mapping_, mapped_);
  else
    std::free(data_);
}

}  // namespace neo::platform
