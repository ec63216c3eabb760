#include "controls/images/DvImageListData.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "controls/images/ImageListStream.h"
#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/win/platform/ComInterface.h"
#include "framework/win/platform/GlobalMemory.h"
#include "framework/win/platform/Themes.h"

namespace {

constexpr DWORD kWriteDownlevel = 1;  // ILP_DOWNLEVEL: the layout every comctl32 reads
constexpr int64_t kMaxStoredBytes = 0x7FFFFFFF;

[[noreturn]] void FailRead() {
  throw EReadError(kImageListReadFailedMessage);
}

[[noreturn]] void FailWrite() {
  throw EWriteError(kImageListWriteFailedMessage);
}

std::vector<uint8_t> RestOf(TStream& stream) {
  const int64_t remaining = stream.Size() - stream.Position();
  if (remaining <= 0 || remaining > kMaxStoredBytes) FailRead();
  std::vector<uint8_t> bytes(static_cast<size_t>(remaining));
  stream.ReadBuffer(bytes.data(), remaining);
  return bytes;
}

// One platform read over a copy of bytes; consumed tells how far the reader got.
ImageListHandle ReadOnce(const std::vector<uint8_t>& bytes, const TImageListReadCall& read,
                         uint64_t& consumed) {
  GlobalMemory memory = GlobalMemory::Allocate(bytes.size());
  if (!memory) FailRead();
  {
    GlobalLockGuard lock(memory.Get());
    if (lock.Data() == nullptr) FailRead();
    std::memcpy(lock.Data(), bytes.data(), bytes.size());
  }
  // Declared after the memory, so the stream lets go of it first.
  ComInterface<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(memory.Get(), FALSE, stream.Receive()))) FailRead();
  ULARGE_INTEGER size{};
  size.QuadPart = bytes.size();  // the block may be larger than asked for
  if (FAILED(stream->SetSize(size))) FailRead();
  ImageListHandle list(read(stream.Get()));
  if (list) {
    const LARGE_INTEGER here{};
    ULARGE_INTEGER position{};
    consumed = SUCCEEDED(stream->Seek(here, STREAM_SEEK_CUR, &position)) ? position.QuadPart
                                                                         : bytes.size();
  }
  return list;
}

// Bits per pixel of the list's images bitmap; 0 when the list has no image to tell.
int ListBitsPerPixel(HIMAGELIST list) {
  IMAGEINFO info{};
  if (!ImageList_GetImageInfo(list, 0, &info) || info.hbmImage == nullptr) return 0;
  BITMAP bitmap{};
  if (GetObjectA(info.hbmImage, sizeof bitmap, &bitmap) == 0) return 0;
  return bitmap.bmPlanes * bitmap.bmBitsPixel;
}

// Data whose flags byte names masks but no depth is read once more with the stored depth merged
// in: when the platform refuses it, and also when it reads it into its default depth (comctl32
// of Wine takes 4 bits per pixel then), which would lose the colours.
ImageListHandle ReadWithRetry(const std::vector<uint8_t>& bytes, int storedBitsPerPixel,
                              const TImageListReadCall& read, uint64_t& consumed) {
  ImageListHandle list = ReadOnce(bytes, read, consumed);
  std::vector<uint8_t> merged = bytes;
  if (MergeStoredDepthIntoFlags(merged) &&
      (!list || ListBitsPerPixel(list.Get()) < storedBitsPerPixel)) {
    uint64_t consumedAgain = 0;
    ImageListHandle again = ReadOnce(merged, read, consumedAgain);
    if (again) {
      list = std::move(again);
      consumed = consumedAgain;
    }
  }
  if (!list) FailRead();
  return list;
}

// The older layout as "IL" data of 32 bits per pixel, for the platform reader.
std::vector<uint8_t> ConvertOlderLayout(TStoredImageList list) {
  list.flags = kImageListColor32 | kImageListMask;
  list.capacity = static_cast<int>(list.images.size());
  // Without alpha the masks decide what is transparent, on every comctl32.
  for (TStoredImage& image : list.images)
    for (uint32_t& pixel : image.pixels)
      pixel &= 0x00FFFFFF;
  TMemoryStream converted;
  WriteImageListStream(converted, list);
  return converted.TakeBytes();
}

ImageListHandle ReadData(TStream& stream, int cellWidth, int cellHeight,
                         const TImageListReadCall& read) {
  const int64_t start = stream.Position();
  const std::vector<uint8_t> bytes = RestOf(stream);
  // The platform reader only sees data whose layout checks out.
  TReadOnlyMemoryStream view(bytes.data(), static_cast<int64_t>(bytes.size()));
  TStoredImageList checked = ReadImageListStream(view, cellWidth, cellHeight);
  uint64_t consumed = 0;
  ImageListHandle list;
  const int storedBitsPerPixel = checked.storedBitsPerPixel;
  if (checked.layout == TImageListLayout::ilCurrent) {
    list = ReadWithRetry(bytes, storedBitsPerPixel, read, consumed);
  } else {
    const int64_t olderSize = view.Position();
    list =
        ReadWithRetry(ConvertOlderLayout(std::move(checked)), storedBitsPerPixel, read, consumed);
    consumed = static_cast<uint64_t>(olderSize);
  }
  stream.SetPosition(start + static_cast<int64_t>(std::min<uint64_t>(consumed, bytes.size())));
  return list;
}

}  // namespace

HIMAGELIST PlatformImageListRead(IStream* stream) {
  return ImageList_Read(stream);
}

ImageListHandle ReadImageListData(TStream& stream, int cellWidth, int cellHeight,
                                  const TImageListReadCall& read) {
  try {
    return ReadData(stream, cellWidth, cellHeight, read);
  } catch (const EReadError&) {
    throw;
  } catch (const Exception&) {
    FailRead();
  }
}

TImageListWriter ChooseImageListWriter(int commonControlsMajorVersion, bool exportsWriteEx) {
  return commonControlsMajorVersion >= 6 && exportsWriteEx ? TImageListWriter::iwWriteExDownlevel
                                                           : TImageListWriter::iwWrite;
}

TImageListWriteCalls PlatformImageListWriteCalls() {
  using WriteExProc = HRESULT(WINAPI*)(HIMAGELIST, DWORD, IStream*);
  TImageListWriteCalls calls;
  calls.commonControlsMajorVersion = CommonControlsMajorVersion();
  HMODULE module = GetModuleHandleA("comctl32.dll");
  const auto writeEx = module != nullptr ? reinterpret_cast<WriteExProc>(reinterpret_cast<void*>(
                                               GetProcAddress(module, "ImageList_WriteEx")))
                                         : nullptr;
  if (writeEx != nullptr) calls.writeEx = writeEx;
  calls.write = [](HIMAGELIST list, IStream* stream) { return ImageList_Write(list, stream); };
  return calls;
}

void WriteImageListData(HIMAGELIST list, TStream& stream, const TImageListWriteCalls& calls) {
  ComInterface<IStream> written;
  if (list == nullptr || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, written.Receive())))
    FailWrite();
  const bool withWriteEx =
      ChooseImageListWriter(calls.commonControlsMajorVersion, static_cast<bool>(calls.writeEx)) ==
      TImageListWriter::iwWriteExDownlevel;
  bool done = false;
  if (withWriteEx)
    done = SUCCEEDED(calls.writeEx(list, kWriteDownlevel, written.Get()));
  else if (calls.write)
    done = calls.write(list, written.Get()) != FALSE;
  if (!done) FailWrite();

  HGLOBAL memory = nullptr;
  STATSTG stat{};
  if (FAILED(GetHGlobalFromStream(written.Get(), &memory)) ||
      FAILED(written->Stat(&stat, STATFLAG_NONAME)))
    FailWrite();
  GlobalLockGuard lock(memory);
  if (lock.Data() == nullptr || stat.cbSize.QuadPart > lock.Size()) FailWrite();
  try {
    stream.WriteBuffer(lock.Data(), static_cast<int64_t>(stat.cbSize.QuadPart));
  } catch (const EStreamError&) {
    FailWrite();
  }
}
