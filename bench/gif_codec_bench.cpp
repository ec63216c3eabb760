// Decodes and encodes the generated GIF corpus with our codec and with giflib, side by side, and
// prints throughput in decoded (or encoded) pixels per second with the ratio ours / giflib.
// Usage: gif_codec_bench [scale] [seconds per measurement]
#include <gif_lib.h>

#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "GifCorpus.h"
#include "imaging/gif/DibFile.h"
#include "imaging/gif/FrameDib.h"
#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/LzwEncoder.h"

namespace {

// CPU time of this thread: the figures stay fair on a machine shared with other work.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Runs work until at least `seconds` of CPU time have passed; returns seconds per run.
double SecondsPerRun(const std::function<void()>& work, double seconds) {
  work();  // warm up
  int runs = 0;
  const double start = ThreadSeconds();
  double elapsed = 0;
  do {
    work();
    ++runs;
    elapsed = ThreadSeconds() - start;
  } while (elapsed < seconds);
  return elapsed / runs;
}

struct MemoryInput {
  const std::vector<uint8_t>* file;
  size_t position;
};

int ReadMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* input = static_cast<MemoryInput*>(gif->UserData);
  const size_t count =
      std::min<size_t>(static_cast<size_t>(length), input->file->size() - input->position);
  std::memcpy(buffer, input->file->data() + input->position, count);
  input->position += count;
  return static_cast<int>(count);
}

int WriteMemory(GifFileType* gif, const GifByteType* buffer, int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
  out->insert(out->end(), buffer, buffer + length);
  return length;
}

void GiflibDecode(const std::vector<uint8_t>& file) {
  MemoryInput input{&file, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&input, ReadMemory, &error);
  if (!gif || DGifSlurp(gif) != GIF_OK) {
    std::fprintf(stderr, "giflib refused a corpus file\n");
    std::exit(1);
  }
  DGifCloseFile(gif, &error);
}

void OurDecode(const std::vector<uint8_t>& file) {
  TGIFImageBase image;
  image.LoadFromBytes(file.data(), file.size(), false);
  std::vector<uint8_t> dib;
  for (int i = 0; i < image.FrameCount(); ++i) {
    const TDvGIFFrame& frame = image.Frame(i);
    BuildFrameDibFile(frame.Item(), frame.interlaced, true, nullptr, dib);
  }
}

// One frame to encode: its pixels as a DIB (ours) and as rows of indices (giflib).
struct EncodeJob {
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t colorBits = 8;
  std::vector<uint8_t> dib;
  TDibLayout layout;
  std::vector<uint8_t> indices;
};

std::vector<EncodeJob> MakeEncodeJobs(const std::vector<uint8_t>& file) {
  TGIFImageBase image;
  image.LoadFromBytes(file.data(), file.size(), false);
  std::vector<EncodeJob> jobs;
  for (int i = 0; i < image.FrameCount(); ++i) {
    EncodeJob job;
    const TDvGIFFrame& frame = image.Frame(i);
    job.colorBits = frame.Item().bitsPerPixel;
    BuildFrameDibFile(frame.Item(), false, true, nullptr, job.dib);
    job.layout = ParseDibFile(job.dib.data(), job.dib.size());
    job.width = job.layout.width;
    job.height = job.layout.height;
    for (uint32_t y = 0; y < job.height; ++y) {
      const uint8_t* row = DibRow(job.dib.data(), job.layout, y);
      for (uint32_t x = 0; x < job.width; ++x) {
        uint32_t value = row[x];
        if (job.layout.bits == 4) value = (x & 1) ? (row[x / 2] & 15) : (row[x / 2] >> 4);
        if (job.layout.bits == 1) value = (row[x / 8] >> (7 - x % 8)) & 1;
        job.indices.push_back(static_cast<uint8_t>(value));
      }
    }
    jobs.push_back(std::move(job));
  }
  return jobs;
}

void OurEncode(const std::vector<EncodeJob>& jobs) {
  for (const EncodeJob& job : jobs) {
    TLzwPixelSource source;
    source.pixels = job.dib.data() + job.layout.pixelOffset;
    source.width = job.width;
    source.height = job.height;
    source.dibBits = job.layout.bits;
    TMemoryStream out;
    EncodeLzwFrame(out, source, nullptr);
  }
}

void GiflibEncode(const std::vector<EncodeJob>& jobs) {
  for (const EncodeJob& job : jobs) {
    std::vector<uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteMemory, &error);
    std::vector<GifColorType> colors(size_t{1} << job.colorBits);
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colors.size()), colors.data());
    bool ok = gif &&
              EGifPutScreenDesc(gif, static_cast<int>(job.width), static_cast<int>(job.height), 8,
                                0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, static_cast<int>(job.width), static_cast<int>(job.height),
                               false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(job.width);
    for (uint32_t y = 0; ok && y < job.height; ++y) {
      std::memcpy(line.data(), job.indices.data() + size_t{y} * job.width, job.width);
      ok = EGifPutLine(gif, line.data(), static_cast<int>(job.width)) == GIF_OK;
    }
    if (gif) ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    if (!ok) {
      std::fprintf(stderr, "giflib failed to encode\n");
      std::exit(1);
    }
  }
}

uint64_t PixelsOf(const std::vector<EncodeJob>& jobs) {
  uint64_t pixels = 0;
  for (const EncodeJob& job : jobs)
    pixels += uint64_t{job.width} * job.height;
  return pixels;
}

}  // namespace

int main(int argc, char** argv) {
  const uint32_t scale = argc > 1 ? static_cast<uint32_t>(std::atoi(argv[1])) : 4;
  const double seconds = argc > 2 ? std::atof(argv[2]) : 0.3;
  const std::vector<CorpusFile> corpus = MakeGifCorpus(scale);

  std::printf("GIF codec benchmark: corpus scale %u, %zu files, %.2f s per measurement\n", scale,
              corpus.size(), seconds);
  std::printf("%-28s %10s | %12s %12s %6s | %12s %12s %6s\n", "file", "pixels", "dec ours",
              "dec giflib", "ratio", "enc ours", "enc giflib", "ratio");
  double decodeOurs = 0, decodeGiflib = 0, encodeOurs = 0, encodeGiflib = 0;
  uint64_t totalPixels = 0;
  for (const CorpusFile& file : corpus) {
    const std::vector<EncodeJob> jobs = MakeEncodeJobs(file.bytes);
    const uint64_t pixels = PixelsOf(jobs);
    const double ourDecode = SecondsPerRun([&] { OurDecode(file.bytes); }, seconds);
    const double peerDecode = SecondsPerRun([&] { GiflibDecode(file.bytes); }, seconds);
    const double ourEncode = SecondsPerRun([&] { OurEncode(jobs); }, seconds);
    const double peerEncode = SecondsPerRun([&] { GiflibEncode(jobs); }, seconds);
    decodeOurs += ourDecode;
    decodeGiflib += peerDecode;
    encodeOurs += ourEncode;
    encodeGiflib += peerEncode;
    totalPixels += pixels;
    auto mps = [pixels](double time) { return static_cast<double>(pixels) / time / 1e6; };
    std::printf("%-28s %10llu | %9.1f MP/s %7.1f MP/s %5.2fx | %7.1f MP/s %7.1f MP/s %5.2fx\n",
                file.name.c_str(), static_cast<unsigned long long>(pixels), mps(ourDecode),
                mps(peerDecode), peerDecode / ourDecode, mps(ourEncode), mps(peerEncode),
                peerEncode / ourEncode);
  }
  auto total = [totalPixels](double time) { return static_cast<double>(totalPixels) / time / 1e6; };
  std::printf("\nwhole corpus (%llu pixels, every file once):\n",
              static_cast<unsigned long long>(totalPixels));
  std::printf("  decoding: ours %.1f MP/s, giflib DGifSlurp %.1f MP/s, ratio %.2f (goal >= 1.5)\n",
              total(decodeOurs), total(decodeGiflib), decodeGiflib / decodeOurs);
  std::printf(
      "  encoding: ours %.1f MP/s, giflib EGifPutLine %.1f MP/s, ratio %.2f (goal >= 1.0)\n",
      total(encodeOurs), total(encodeGiflib), encodeGiflib / encodeOurs);
  return 0;
}
