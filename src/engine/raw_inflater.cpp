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

namespace {

constexpr std::size_t kSinkPiece = 128 * 1024;

// Drives zlib until `outputSize` bytes came out. `place(produced, remaining)` says where the next
// bytes go (a span of at most `remaining` bytes); `took(piece)` is told of each piece produced
// and may refuse it.
template <typename Place, typename Took>
int RunInflate(RawInflater::State& state, std::uint64_t outputSize, Place place, Took took) {
  if (outputSize == 0) return RawInflater::kOk;
  if (!state.file.Seek(0)) return RawInflater::kReadFailed;

  z_stream stream{};
  stream.next_in = Z_NULL;
  stream.avail_in = 0;
  const int init = inflateInit2(&stream, -MAX_WBITS);
  if (init != Z_OK)
    return init == Z_MEM_ERROR ? RawInflater::kNoMemory : RawInflater::kInvalidStream;

  std::uint64_t produced = 0;
  int result = RawInflater::kOk;
  for (;;) {
    if (stream.avail_in == 0) {
      const auto got = state.file.Read(state.input, sizeof state.input);
      if (!got || *got == 0) {
        result = RawInflater::kReadFailed;
        break;
      }
      stream.next_in = state.input;
      stream.avail_in = static_cast<uInt>(*got);
    }
    // avail_out is 32 bits wide; a larger output is filled in turns.
    const std::span<std::uint8_t> space = place(produced, outputSize - produced);
    const std::size_t room = std::min<std::size_t>(space.size(), UINT_MAX);
    stream.next_out = space.data();
    stream.avail_out = static_cast<uInt>(room);
    const int status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t made = room - stream.avail_out;
    if (made > 0 && !took(std::span<const std::uint8_t>(space.data(), made))) {
      result = RawInflater::kSinkFailed;
      break;
    }
    produced += made;
    if (produced == outputSize) break;  // full: whatever the stream holds beyond is not produced
    if (status == Z_STREAM_END) {
      result = RawInflater::kStreamEnded;
      break;
    }
    if (status == Z_BUF_ERROR && stream.avail_in == 0) continue;  // wants more input
    if (status != Z_OK) {
      result = status == Z_MEM_ERROR ? RawInflater::kNoMemory : RawInflater::kInvalidStream;
      break;
    }
  }
  inflateEnd(&stream);
  return result;
}

}  // namespace

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
  return RunInflate(
      *handle, outputSize,
      [output](std::uint64_t produced, std::uint64_t remaining) {
        return std::span<std::uint8_t>(output + produced, static_cast<std::size_t>(remaining));
      },
      [](std::span<const std::uint8_t>) { return true; });
}

int RawInflater::InflateTo(Handle handle, std::uint64_t outputSize, const Sink& sink) {
  if (!handle) return kInvalidHandle;
  if (outputSize == 0) return kOk;
  auto* piece = new (std::nothrow) std::uint8_t[kSinkPiece];
  if (!piece) return kNoMemory;
  // The piece is filled across several inflate calls and handed on when full or at the end, so
  // the sink sees few, large pieces whatever the input chunks give.
  std::size_t filled = 0;
  std::uint64_t handed = 0;
  const int result = RunInflate(
      *handle, outputSize,
      [&](std::uint64_t, std::uint64_t remaining) {
        const std::uint64_t untilFull = kSinkPiece - filled;
        return std::span<std::uint8_t>(piece + filled,
                                       static_cast<std::size_t>(std::min(remaining, untilFull)));
      },
      [&](std::span<const std::uint8_t> bytes) {
        filled += bytes.size();
        const bool last = handed + filled == outputSize;
        if (filled < kSinkPiece && !last) return true;
        const bool taken = sink(std::span<const std::uint8_t>(piece, filled));
        handed += filled;
        filled = 0;
        return taken;
      });
  delete[] piece;
  return result;
}

void RawInflater::Close(Handle handle) { delete handle; }

}  // namespace xr::engine
