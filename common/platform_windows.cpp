#include <windows.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdlib>

#include "platform.hpp"

namespace neo::platform {

bool is_directory(std::FILE* stream) {
  struct _stat64 st {};
  return _fstat64(_fileno(stream), &st) == 0 && (st.st_mode & _S_IFDIR) != 0;
}

namespace {

bool identity(HANDLE h, BY_HANDLE_FILE_INFORMATION& info) {
  return h != INVALID_HANDLE_VALUE && GetFileInformationByHandle(h, &info) != 0;
}

}  // namespace

bool same_file(std::FILE* stream, const char* path) {
  BY_HANDLE_FILE_INFORMATION open_info{};
  BY_HANDLE_FILE_INFORMATION path_info{};
  auto open_handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  if (!identity(open_handle, open_info)) return false;
  HANDLE h = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool ok = identity(h, path_info);
  CloseHandle(h);
  return ok && open_info.dwVolumeSerialNumber == path_info.dwVolumeSerialNumber &&
         open_info.nFileIndexHigh == path_info.nFileIndexHigh &&
         open_info.nFileIndexLow == path_info.nFileIndexLow;
}

bool seek(std::FILE* stream, std::uint64_t offset) {
  return _fseeki64(stream, static_cast<__int64>(offset), SEEK_SET) == 0;
}

std::optional<std::uint64_t> measure(std::FILE* stream) {
  // A pipe or console cannot be measured, whatever the C library says of a seek on it.
  if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)))) != FILE_TYPE_DISK)
    return std::nullopt;
  if (_fseeki64(stream, 0, SEEK_END) != 0) return std::nullopt;
  const __int64 end = _ftelli64(stream);
  if (end < 0 || _fseeki64(stream, 0, SEEK_SET) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(end);
}

ZeroedBuffer::ZeroedBuffer(std::size_t size) : size_(size) {
  data_ = static_cast<unsigned char*>(std::calloc(size == 0 ? 1 : size, 1));
}

ZeroedBuffer::~ZeroedBuffer() { std::free(data_); }

}  // namespace neo::platform
