// The raw-inflate adapter's results, with zlib's own deflate as the source of streams.
#include "engine/raw_inflater.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"
#include "support/zip_builder.h"

namespace xr::engine {
namespace {

struct Outcome {
  int open = -1;
  int inflate = -1;
  std::string output;
};

// Inflates a file holding `fileBytes` into one buffer, or through a sink when `pieces` is set.
Outcome InflateFile(const std::string& fileBytes, std::size_t outputSize, bool pieces) {
  test::ScratchFolder scratch;
  const auto path = scratch.Write("stream.tmp", fileBytes);
  Outcome outcome;
  RawInflater::Handle handle = nullptr;
  outcome.open = RawInflater::Open(path, &handle);
  if (outcome.open != RawInflater::kOk) return outcome;
  if (pieces) {
    outcome.inflate =
        RawInflater::InflateTo(handle, outputSize, [&](std::span<const std::uint8_t> piece) {
          outcome.output.append(reinterpret_cast<const char*>(piece.data()), piece.size());
          return true;
        });
  } else {
    std::string output(outputSize, '\x55');
    outcome.inflate =
        RawInflater::Inflate(handle, outputSize, reinterpret_cast<std::uint8_t*>(output.data()));
    outcome.output = output;
  }
  RawInflater::Close(handle);
  return outcome;
}

TEST(RawInflater, FillsTheBufferExactlyOrSaysWhyNot) {
  const std::string text = "Sheet text, " + std::string(50'000, 'q') + " and the end.";
  const std::string noise = test::IncompressibleBytes(100'000);  // many 16 KiB reads of input
  const std::string stream = test::RawDeflate(text);
  const std::string noisy = test::RawDeflate(noise);
  const struct {
    const char* what;
    std::string file;
    std::size_t outputSize;
    int result;
    std::string output;  // checked when the result is kOk
  } cases[] = {
      {"exact size", stream, text.size(), RawInflater::kOk, text},
      {"input larger than the output, many reads", noisy, noise.size(), RawInflater::kOk, noise},
      {"buffer smaller than the stream", stream, 20, RawInflater::kOk, text.substr(0, 20)},
      {"output size 0", "", 0, RawInflater::kOk, ""},
      {"stream ends before the buffer is full", stream, text.size() + 1, RawInflater::kStreamEnded,
       ""},
      {"input ends inside the stream", stream.substr(0, stream.size() / 2), text.size(),
       RawInflater::kReadFailed, ""},
      {"empty file", "", 10, RawInflater::kReadFailed, ""},
      {"not a deflate stream", std::string(64, '\xff'), 10, RawInflater::kInvalidStream, ""},
  };
  for (const auto& c : cases) {
    for (const bool pieces : {false, true}) {
      const Outcome outcome = InflateFile(c.file, c.outputSize, pieces);
      const std::string what =
          std::string(c.what) + (pieces ? ", through a sink" : ", into a buffer");
      EXPECT_EQ(outcome.open, RawInflater::kOk) << what;
      EXPECT_EQ(outcome.inflate, c.result) << what;
      if (c.result == RawInflater::kOk) {
        EXPECT_TRUE(outcome.output == c.output) << what;
      }
    }
  }
}

TEST(RawInflater, StopsWhenTheSinkRefusesAPiece) {
  test::ScratchFolder scratch;
  const std::string text(1 << 20, 't');
  const auto path = scratch.Write("stream.tmp", test::RawDeflate(text));
  RawInflater::Handle handle = nullptr;
  ASSERT_EQ(RawInflater::Open(path, &handle), RawInflater::kOk);
  int pieces = 0;
  EXPECT_EQ(RawInflater::InflateTo(handle, text.size(),
                                   [&](std::span<const std::uint8_t>) { return ++pieces < 2; }),
            RawInflater::kSinkFailed);
  EXPECT_EQ(pieces, 2);
  RawInflater::Close(handle);
}

TEST(RawInflater, RefusesAMissingFileAndANullHandle) {
  test::ScratchFolder scratch;
  RawInflater::Handle handle = reinterpret_cast<RawInflater::Handle>(1);
  EXPECT_EQ(RawInflater::Open(scratch / "missing.tmp", &handle), RawInflater::kCannotOpen);
  EXPECT_EQ(handle, nullptr);
  std::uint8_t byte = 0;
  EXPECT_EQ(RawInflater::Inflate(nullptr, 1, &byte), RawInflater::kInvalidHandle);
  EXPECT_EQ(RawInflater::InflateTo(nullptr, 1, [](auto) { return true; }),
            RawInflater::kInvalidHandle);
  RawInflater::Close(nullptr);
}

}  // namespace
}  // namespace xr::engine
