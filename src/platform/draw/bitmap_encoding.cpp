#include "platform/draw/bitmap_encoding.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include <unistd.h>

#include "platform/runtime/runtime_error.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelsPerMeter = 3780;  // 96 dpi

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

int RuntimeCodeForErrno(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
      return kErrPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return kErrPermissionDenied;
    case ENOSPC:
      return kErrDiskFull;
    case ENAMETOOLONG:
    case EINVAL:
      return kErrBadFileName;
    default:
      return kErrDeviceIO;
  }
}

bool Fail(std::string* error, int err) {
  if (error) *error = RuntimeErrorText(RuntimeCodeForErrno(err));
  return false;
}

}  // namespace

std::vector<uint8_t> EncodeBitmap24(int width, int height, const std::function<int32_t(int, int)>& pixel) {
  const uint32_t w = width > 0 ? static_cast<uint32_t>(width) : 0;
  const uint32_t h = height > 0 ? static_cast<uint32_t>(height) : 0;
  const uint32_t rowBytes = (w * 3 + 3) / 4 * 4;
  const uint32_t dataSize = rowBytes * h;
  std::vector<uint8_t> out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + dataSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, kFileHeaderSize + kInfoHeaderSize + dataSize);
  Put32(out, 0);
  Put32(out, kFileHeaderSize + kInfoHeaderSize);
  Put32(out, kInfoHeaderSize);
  Put32(out, w);
  Put32(out, h);
  Put16(out, 1);   // planes
  Put16(out, 24);  // bits per pixel
  Put32(out, 0);   // no compression
  Put32(out, dataSize);
  Put32(out, kPixelsPerMeter);
  Put32(out, kPixelsPerMeter);
  Put32(out, 0);
  Put32(out, 0);
  for (uint32_t row = 0; row < h; ++row) {
    const int y = static_cast<int>(h - 1 - row);
    for (uint32_t x = 0; x < w; ++x) {
      const auto c = static_cast<uint32_t>(pixel(static_cast<int>(x), y));
      out.push_back(static_cast<uint8_t>((c >> 16) & 0xFF));  // blue
      out.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));   // green
      out.push_back(static_cast<uint8_t>(c & 0xFF));          // red
    }
    for (uint32_t pad = w * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

std::string TemporaryNameBeside(const std::string& target) {
  std::random_device rd;
  return target + ".tmp" + std::to_string(rd() % 1000000);
}

bool ReplaceFile(const std::string& temporary, const std::string& target, std::string* error) {
  std::error_code ec;
  std::filesystem::rename(temporary, target, ec);
  if (!ec) return true;
  std::filesystem::remove(temporary, ec);
  return Fail(error, ec.value());
}

bool WriteBytesAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
  if (path.empty()) return Fail(error, ENOENT);
  const std::string temporary = TemporaryNameBeside(path);
  std::FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) return Fail(error, errno);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const int writeErr = errno;
  const bool flushed = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
  const int flushErr = errno;
  const bool closed = std::fclose(f) == 0;
  const int closeErr = errno;
  if (!written || !flushed || !closed) {
    std::remove(temporary.c_str());
    return Fail(error, !written ? writeErr : !flushed ? flushErr : closeErr);
  }
  return ReplaceFile(temporary, path, error);
}
