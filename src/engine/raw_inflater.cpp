// The raw-inflate adapter over zlib (window bits -15).
#include "engine/raw_inflater.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <new>

namespace xr::engine {

struct RawInflater::State {
  platform::File file;
  std::uint8_t input[16384];
};

int RawInflater::Open(const platform::Path& path, Handle* handle) {
  *handle = nullptr;
  platform::File file = platform::File::OpenRead(path, platform::Share::Read);
  if (!file) return kCannotOpen;
  if (!file.Position()) return kNoPosition;
  auto* state = new (std::nothrow) State;
  if (!state) return kNoMemory;
  state->file = std::move(file);
  *handle = state;
  return kOk;
}

int RawInflater::Inflate(Handle handle, std::size_t outputSize, std::uint8_t* output) {
  if (!handle) return kInvalidHandle;
  if (outputSize == 0) return kOk;
  if (!handle->file.Seek(0)) return kReadFailed;

  z_stream stream{};
  stream.next_in = Z_NULL;
  stream.avail_in = 0;
  const int init = inflateInit2(&stream, -MAX_WBITS);
  if (init != Z_OK) return init == Z_MEM_ERROR ? kNoMemory : kInvalidStream;

  std::size_t produced = 0;
  int result = kOk;
  for (;;) {
    if (stream.avail_in == 0) {
      const auto got = handle->file.Read(handle->input, sizeof handle->input);
      if (!got || *got == 0) {
        result = kReadFailed;
        break;
      }
      stream.next_in = handle->input;
      stream.avail_in = static_cast<uInt>(*got);
    }
    // avail_out is 32 bits wide; a larger buffer is filled in turns.
    const std::size_t room = std::min<std::size_t>(outputSize - produced, UINT_MAX);
    stream.next_out = output + produced;
    stream.avail_out = static_cast<uInt>(room);
    const int status = inflate(&stream, Z_NO_FLUSH);
    produced += room - stream.avail_out;
    if (produced == outputSize) break;  // full: whatever the stream holds beyond is not produced
    if (status == Z_STREAM_END) {
      result = kStreamEnded;
      break;
    }
    if (status == Z_BUF_ERROR && stream.avail_in == 0) continue;  // wants more input
    if (status != Z_OK) {
      result = status == Z_MEM_ERROR ? kNoMemory : kInvalidStream;
      break;
    }
  }
  inflateEnd(&stream);
  return result;
}

void RawInflater::Close(Handle handle) { delete handle; }

}  // namespace xr::engine
