// Outcomes of the archive writer's operations.
#pragma once

#include <cstdint>

namespace xr::zip {

enum ZipResult : std::uint32_t {
  ZipOk = 0,
  // The archive file cannot be created, or a source file cannot be opened, examined or read.
  ZipCannotOpen = 0x200,
  // A header, the entry data, the compressor or the central directory failed.
  ZipWriteFailed = 0x400,
  // The entry would take a size, an offset or the entry count past the format's 32-bit and
  // 16-bit fields; nothing of it is written.
  ZipTooLarge = 0x800,
  // The source file's size changed while it was read; its bytes stay in the file unlisted.
  ZipSourceChanged = 0x1000,
  // An entry name that is empty, longer than kMaxEntryName bytes or holds a NUL byte.
  ZipBadArguments = 0x10000,
  // AddFile after Close.
  ZipEnded = 0x50000,
};

}  // namespace xr::zip
