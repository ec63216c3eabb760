// Decodes and encodes the generated GIF corpus with our codec and with giflib, side by side in one
// run, and prints throughput in pixels per second with the ratio ours / giflib per file, per kind
// of picture and for the whole corpus.
//
// Decoding: ours reads the file and decodes every frame to index rows (TDvGIFFrame::DecodePixels
// into one TGIFFramePixels); giflib's DGifSlurp reads the file and decodes every frame to index
// rasters. Encoding: each frame's indices and palette to a GIF file, ours with EncodeGIFFile,
// giflib with EGifPutLine. The two sides of a measurement alternate in rounds and the best round
// of each counts, so that other work on a shared machine hurts both sides alike.
//
// Usage: gif_codec_bench [scale] [seconds per measurement] [rounds] [part of file names]
#include <gif_lib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "CpuTiming.h"
#include "GifCorpus.h"
#include "GifTestFiles.h"
#include "imaging/gif/FrameDib.h"
#include "imaging/gif/GIFFramePixels.h"
#include "imaging/gif/GIFImageBase.h"
#include "imaging/gif/GIFIndexedEncoder.h"

namespace {

struct Pair {
  double ours = 0;
  double giflib = 0;
  double Ratio() const { return giflib / ours; }
};

// Alternates the two sides for `rounds` rounds and keeps each side's best time per run.
Pair Measure(const std::function<void()>& ours, const std::function<void()>& giflib, double seconds,
             int rounds) {
  ours();  // warm up both
  giflib();
  Pair best{1e30, 1e30};
  for (int round = 0; round < rounds; ++round) {
    best.ours = std::min(best.ours, SecondsPerRun(ours, seconds / rounds));
    best.giflib = std::min(best.giflib, SecondsPerRun(giflib, seconds / rounds));
  }
  return best;
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

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::exit(1);
}

void GiflibDecode(const std::vector<uint8_t>& file) {
  MemoryInput input{&file, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&input, ReadMemory, &error);
  if (!gif || DGifSlurp(gif) != GIF_OK) Fail("giflib refused a corpus file");
  DGifCloseFile(gif, &error);
}

void OurDecode(const std::vector<uint8_t>& file) {
  TGIFImageBase image;
  image.LoadFromBytes(file.data(), file.size(), false);
  TGIFFramePixels pixels;
  for (int i = 0; i < image.FrameCount(); ++i)
    image.Frame(i).DecodePixels(pixels);
}

// The route to a frame bitmap: a device-independent bitmap file per frame.
void OurDecodeToBitmapFiles(const std::vector<uint8_t>& file) {
  TGIFImageBase image;
  image.LoadFromBytes(file.data(), file.size(), false);
  std::vector<uint8_t> dib;
  for (int i = 0; i < image.FrameCount(); ++i) {
    const TDvGIFFrame& frame = image.Frame(i);
    BuildFrameDibFile(frame.Item(), frame.interlaced, true, nullptr, dib);
  }
}

// One frame to encode: its indices from the top and its palette.
struct EncodeJob {
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> indices;
  std::vector<TGIFRgb> palette;
};

std::vector<EncodeJob> MakeEncodeJobs(const std::vector<uint8_t>& file) {
  TGIFImageBase image;
  image.LoadFromBytes(file.data(), file.size(), false);
  std::vector<EncodeJob> jobs;
  TGIFFramePixels pixels;
  for (int i = 0; i < image.FrameCount(); ++i) {
    TDvGIFFrame& frame = image.Frame(i);
    frame.DecodePixels(pixels);
    EncodeJob job;
    job.width = pixels.Width();
    job.height = pixels.Height();
    job.indices = IndexRows(pixels);
    const TGIFColorTable& colors = frame.Item().colors;
    job.palette.assign(colors.entries.begin(), colors.entries.begin() + colors.count);
    jobs.push_back(std::move(job));
  }
  return jobs;
}

void OurEncode(const std::vector<EncodeJob>& jobs) {
  std::vector<uint8_t> file;
  for (const EncodeJob& job : jobs) {
    TGIFIndexedFrame frame;
    frame.indices = job.indices.data();
    frame.width = job.width;
    frame.height = job.height;
    frame.palette = job.palette;
    EncodeGIFFile(frame, file);
  }
}

int BitsFor(size_t colors) {
  int bits = 1;
  while ((size_t{1} << bits) < colors)
    ++bits;
  return bits;
}

void GiflibEncode(const std::vector<EncodeJob>& jobs) {
  for (const EncodeJob& job : jobs) {
    std::vector<uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteMemory, &error);
    std::vector<GifColorType> colors(size_t{1} << BitsFor(job.palette.size()));
    for (size_t i = 0; i < job.palette.size(); ++i)
      colors[i] = GifColorType{job.palette[i].red, job.palette[i].green, job.palette[i].blue};
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colors.size()), colors.data());
    bool ok = gif &&
              EGifPutScreenDesc(gif, static_cast<int>(job.width), static_cast<int>(job.height), 8,
                                0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, static_cast<int>(job.width), static_cast<int>(job.height),
                               false, nullptr) == GIF_OK;
    // EGifPutLine takes a writable line.
    std::vector<GifPixelType> line(job.width);
    for (uint32_t y = 0; ok && y < job.height; ++y) {
      std::memcpy(line.data(), job.indices.data() + size_t{y} * job.width, job.width);
      ok = EGifPutLine(gif, line.data(), static_cast<int>(job.width)) == GIF_OK;
    }
    if (gif) ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    if (!ok) Fail("giflib failed to encode");
  }
}

uint64_t PixelsOf(const std::vector<EncodeJob>& jobs) {
  uint64_t pixels = 0;
  for (const EncodeJob& job : jobs)
    pixels += uint64_t{job.width} * job.height;
  return pixels;
}

struct Totals {
  uint64_t pixels = 0;
  Pair decode;
  Pair encode;
  double worstDecode = 1e30;
  double worstEncode = 1e30;
  void Add(uint64_t filePixels, const Pair& fileDecode, const Pair& fileEncode) {
    pixels += filePixels;
    decode.ours += fileDecode.ours;
    decode.giflib += fileDecode.giflib;
    encode.ours += fileEncode.ours;
    encode.giflib += fileEncode.giflib;
    worstDecode = std::min(worstDecode, fileDecode.Ratio());
    worstEncode = std::min(worstEncode, fileEncode.Ratio());
  }
};

double Mps(uint64_t pixels, double seconds) {
  return static_cast<double>(pixels) / seconds / 1e6;
}

void PrintRow(const char* name, uint64_t pixels, const Pair& decode, const Pair& encode) {
  std::printf("%-34s %9llu | %8.1f %8.1f %5.2fx | %7.1f %7.1f %5.2fx\n", name,
              static_cast<unsigned long long>(pixels), Mps(pixels, decode.ours),
              Mps(pixels, decode.giflib), decode.Ratio(), Mps(pixels, encode.ours),
              Mps(pixels, encode.giflib), encode.Ratio());
}

const char* Verdict(bool met) {
  return met ? "met" : "NOT MET";
}

}  // namespace

int main(int argc, char** argv) {
  const uint32_t scale = argc > 1 ? static_cast<uint32_t>(std::atoi(argv[1])) : 4;
  const double seconds = argc > 2 ? std::atof(argv[2]) : 0.3;
  const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
  const std::string only = argc > 4 ? argv[4] : "";
  std::vector<CorpusFile> corpus = MakeGifCorpus(scale);
  std::erase_if(corpus,
                [&](const CorpusFile& file) { return file.name.find(only) == std::string::npos; });

  std::printf(
      "GIF codec benchmark: corpus scale %u, %zu files, %.2f s per measurement in %d rounds\n"
      "figures in million pixels per second; ratio = ours / giflib (above 1: ours is faster)\n\n",
      scale, corpus.size(), seconds, rounds);
  std::printf("%-34s %9s | %8s %8s %6s | %7s %7s %6s\n", "file (kind)", "pixels", "dec ours",
              "giflib", "ratio", "enc ours", "giflib", "ratio");
  std::map<std::string, Totals> kinds;
  Totals all;
  Pair bitmapRoute;
  for (const CorpusFile& file : corpus) {
    const std::vector<EncodeJob> jobs = MakeEncodeJobs(file.bytes);
    const uint64_t pixels = PixelsOf(jobs);
    const Pair decode =
        Measure([&] { OurDecode(file.bytes); }, [&] { GiflibDecode(file.bytes); }, seconds, rounds);
    const Pair encode =
        Measure([&] { OurEncode(jobs); }, [&] { GiflibEncode(jobs); }, seconds, rounds);
    const Pair bitmaps = Measure([&] { OurDecodeToBitmapFiles(file.bytes); },
                                 [&] { GiflibDecode(file.bytes); }, seconds / 2, rounds);
    bitmapRoute.ours += bitmaps.ours;
    bitmapRoute.giflib += bitmaps.giflib;
    kinds[file.kind].Add(pixels, decode, encode);
    all.Add(pixels, decode, encode);
    const std::string label = file.name + " (" + file.kind + ")";
    PrintRow(label.c_str(), pixels, decode, encode);
  }

  std::printf("\nper kind (each file once; worst file in brackets):\n");
  for (const auto& [kind, totals] : kinds) {
    PrintRow(kind.c_str(), totals.pixels, totals.decode, totals.encode);
    std::printf("%-34s %9s | %24s(%.2fx) | %22s(%.2fx)\n", "", "", "", totals.worstDecode, "",
                totals.worstEncode);
  }
  PrintRow("whole corpus", all.pixels, all.decode, all.encode);

  const auto ratio = [&](const char* kind) {
    const auto found = kinds.find(kind);
    return found == kinds.end() ? 0.0 : found->second.decode.Ratio();
  };
  std::printf("\ntargets (decoding, times giflib):\n");
  std::printf("  photographs          %.2f  goal >= 2.2  %s\n", ratio("photo"),
              Verdict(ratio("photo") >= 2.2));
  std::printf("  flat, few colours    %.2f  goal >= 4.0  %s\n", ratio("flat"),
              Verdict(ratio("flat") >= 4.0));
  std::printf("  screen recording     %.2f  goal >= 7.0  %s\n", ratio("screen"),
              Verdict(ratio("screen") >= 7.0));
  std::printf("  every file, worst    %.2f  goal >= 1.5  %s\n", all.worstDecode,
              Verdict(all.worstDecode >= 1.5));
  std::printf("target (encoding, times giflib's EGifPutLine):\n");
  std::printf("  every file, worst    %.2f  goal >= 2.0  %s\n", all.worstEncode,
              Verdict(all.worstEncode >= 2.0));
  std::printf(
      "\nframe bitmap files (the bitmap route, with 1- and 4-bit packing), whole corpus: "
      "ours %.1f, giflib %.1f, ratio %.2fx\n",
      Mps(all.pixels, bitmapRoute.ours), Mps(all.pixels, bitmapRoute.giflib), bitmapRoute.Ratio());
  return 0;
}
