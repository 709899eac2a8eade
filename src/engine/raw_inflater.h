// A raw deflate stream (RFC 1951, no zlib or gzip wrapper, 32 KiB window) read from a file and
// inflated into a caller's buffer of the exact expected size.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/file.h"

namespace xr::engine {

class RawInflater {
 public:
  // Result codes; callers only ask whether the result is kOk.
  enum Result : int {
    kOk = 0,
    kCannotOpen = 1,      // Open: the file cannot be opened
    kNoMemory = 2,        // no memory for the adapter or the inflate state
    kStreamEnded = 5,     // the stream ended before the buffer was full
    kReadFailed = 7,      // reading failed or gave no data while the stream was unfinished
    kInvalidHandle = 9,
    kNoPosition = 16,     // Open: the file position cannot be read
    kInvalidStream = 18,  // the inflater reports an error, running out of input included
  };

  struct State;
  using Handle = State*;

  // Opens `path` (read sharing allowed; it must exist). On success *handle owns the file.
  static int Open(const platform::Path& path, Handle* handle);

  // Inflates from the file's first byte until `output` holds exactly `outputSize` bytes; nothing
  // beyond that is produced. The whole file is the stream's input: it is read in pieces of at
  // most 16384 bytes until it ends, and only bytes really read reach the inflater. No checksum is
  // verified. An output size of 0 is kOk at once.
  static int Inflate(Handle handle, std::size_t outputSize, std::uint8_t* output);

  // Releases the state and closes the file; a null handle is ignored.
  static void Close(Handle handle);
};

}  // namespace xr::engine
