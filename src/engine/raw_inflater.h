// A raw deflate stream (RFC 1951, no zlib or gzip wrapper, 32 KiB window) read from a file and
// inflated to exactly the expected size, into a caller's buffer or piece by piece to a sink.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "platform/file.h"

namespace xr::engine {

class RawInflater {
 public:
  // Result codes; callers only ask whether the result is kOk.
  enum Result : int {
    kOk = 0,
    kCannotOpen = 1,   // Open: the file cannot be opened
    kNoMemory = 2,     // no memory for the adapter or the inflate state
    kStreamEnded = 5,  // the stream ended before the output was complete
    kReadFailed = 7,   // reading failed or gave no data while the stream was unfinished
    kInvalidHandle = 9,
    kNoPosition = 16,     // Open: the file position cannot be read
    kInvalidStream = 18,  // the inflater reports an error, running out of input included
    kSinkFailed = 20,     // InflateTo: the sink refused a piece
  };

  struct State;
  using Handle = State*;
  // Takes each inflated piece in order; false stops the inflation.
  using Sink = std::function<bool(std::span<const std::uint8_t>)>;

  // Opens `path` (read sharing allowed; it must exist). On success *handle owns the file.
  static int Open(const platform::Path& path, Handle* handle);

  // Inflates from the file's first byte until `output` holds exactly `outputSize` bytes; nothing
  // beyond that is produced. The whole file is the stream's input: it is read in pieces of at
  // most 16384 bytes until it ends, and only bytes really read reach the inflater. No checksum is
  // verified. An output size of 0 is kOk at once.
  static int Inflate(Handle handle, std::size_t outputSize, std::uint8_t* output);

  // The same, handing the output to `sink` in pieces of at most 128 KiB instead of one buffer.
  // The sink has seen a prefix of the output when the result is not kOk.
  static int InflateTo(Handle handle, std::uint64_t outputSize, const Sink& sink);

  // Releases the state and closes the file; a null handle is ignored.
  static void Close(Handle handle);
};

}  // namespace xr::engine
