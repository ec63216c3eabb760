// The GIF image without its window-system side: header, frames, current frame, logical screen,
// loop settings, reading, writing and assignment between images and frames.
//
// How the Windows glue plugs in: TDvGIFImage (a TGraphic of the framework) derives from this
// class, overrides NewBitmap() to hand out an adapter around the framework's TBitmap, forwards
// the graphic operations (width, height, empty, transparent, equals, load/save, read/write data)
// to the members here, routes OnChange and OnProgress to the graphic's own notifications, and
// adds what needs a device context (drawing, palette, clipboard) on top of ImageBitmap() and
// TDvGIFFrame::Bitmap(). Assignment from other graphics arrives here as AssignGraphic() with a
// picture copied into a frame bitmap.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Streams.h"
#include "imaging/gif/GIFFrame.h"
#include "imaging/gif/GIFRecords.h"
#include "imaging/gif/GIFTypes.h"

class TGIFImageBase {
 public:
  TGIFImageBase();
  virtual ~TGIFImageBase();
  TGIFImageBase(const TGIFImageBase&) = delete;
  TGIFImageBase& operator=(const TGIFImageBase&) = delete;

  // Reading. On failure the image is left reset with the frames read so far, current index -1,
  // and no change notification.
  // Reads from the stream's position to its end and decodes frame 0.
  void LoadFromStream(TStream& source);
  // Reads a 32-bit little-endian byte count, then that many bytes, and decodes frame 0.
  void ReadData(TStream& source);
  // Reads a whole file held in memory; decodes frame 0 when asked.
  void LoadFromBytes(const uint8_t* data, size_t size, bool decodeFirstFrame);

  // Writing: the whole file is built first; on failure nothing reaches the destination.
  void SaveToStream(TStream& destination);
  // The 32-bit byte count, then the file.
  void WriteData(TStream& destination);
  // Prepares the frames and returns the complete file. Fails with "No GIF Data to write",
  // "GIF image encoding error", "Bitmap image is not valid" or "Wrong number of colors; must be a
  // power of 2".
  std::vector<uint8_t> BuildFile();

  int FrameCount() const { return static_cast<int>(frames_.size()); }
  // Fails with EListError "List index out of bounds (%d)" outside 0..FrameCount() - 1.
  TDvGIFFrame& Frame(int index);
  const TDvGIFFrame& Frame(int index) const;
  // Appends a frame made from the picture, makes it current, moves the version to "87a" (none
  // set) or "89a" (several frames); returns its index.
  virtual int AddFrame(const IGIFFrameBitmap& source, TColor transparentColor = clNone);

  // Assignment; each notifies the change listeners. nullptr assigns nothing.
  void Assign(const TGIFImageBase* source);
  void AssignFrame(const TDvGIFFrame& source);
  void AssignGraphic(const IGIFFrameBitmap& source, TColor transparentColor = clNone);

  // The bitmap of the current frame (frame 0 when the index is out of range); without frames an
  // empty frame is added first.
  IGIFFrameBitmap& ImageBitmap();
  bool Empty() const;
  // The current frame's bitmap size, 0 when empty or the index is out of range.
  uint32_t Width();
  uint32_t Height();
  // The graphic's transparent flag and some frame with a transparent colour.
  bool Transparent() const;
  // True when both share one header record.
  bool Equals(const TGIFImageBase& other) const { return header_ == other.header_; }
  // Always fail with "Cannot change the Size of a GIF image".
  [[noreturn]] void SetWidth(int width);
  [[noreturn]] void SetHeight(int height);

  // Width and height from the frames: max of left + width and top + height.
  void RecomputeLogicalScreen();
  // Fresh header, no frames, index -1, no background, repeat count 1, not looping, no version.
  void Reset();

  TGIFData& Header() { return *header_; }
  const TGIFData& Header() const { return *header_; }
  const std::shared_ptr<TGIFData>& SharedHeader() const { return header_; }
  // 0 none, 1 "87a", 2 "89a".
  uint8_t Version() const { return version_; }
  void SetVersion(uint8_t version) { version_ = version; }
  static const char* VersionText(uint8_t version);
  int CurrentIndex() const { return currentIndex_; }
  void SetCurrentIndex(int index) { currentIndex_ = index; }
  uint16_t ScreenWidth() const { return screenWidth_; }
  uint16_t ScreenHeight() const { return screenHeight_; }
  TColor BackgroundColor() const { return backgroundColor_; }
  // The logical screen's background colour index as read (also without a global table); 0 for
  // images not read from a file.
  uint8_t BackgroundIndex() const { return backgroundIndex_; }
  void SetBackgroundColor(TColor color) { backgroundColor_ = color; }
  bool Looping() const { return looping_; }
  void SetLooping(bool looping) { looping_ = looping; }
  uint16_t RepeatCount() const { return repeatCount_; }
  void SetRepeatCount(uint16_t count) { repeatCount_ = count; }
  // The graphic's own transparent flag (set at creation) and palette-modified flag.
  bool TransparentFlag() const { return transparentFlag_; }
  void SetTransparentFlag(bool transparent) { transparentFlag_ = transparent; }
  bool PaletteModified() const { return paletteModified_; }
  void SetPaletteModified(bool modified) { paletteModified_ = modified; }

  // A new empty frame bitmap; the Windows glue hands out framework bitmaps.
  virtual std::unique_ptr<IGIFFrameBitmap> NewBitmap() const;

  std::function<void()> OnChange;
  TGIFProgressEvent OnProgress;

 protected:
  virtual void Changed();

 private:
  friend class TDvGIFFrame;
  void ReadImage(const uint8_t* data, size_t size, bool decodeFirstFrame);
  void ReadBlocks(const uint8_t* data, size_t size);
  void PrepareFrame(TDvGIFFrame& frame);
  void EncodeFrame(TDvGIFFrame& frame);
  void CoverFrame(const TDvGIFFrame& frame);

  std::shared_ptr<TGIFData> header_;
  uint8_t version_ = 0;
  std::vector<std::unique_ptr<TDvGIFFrame>> frames_;
  int currentIndex_ = -1;
  uint16_t screenWidth_ = 0;
  uint16_t screenHeight_ = 0;
  TColor backgroundColor_ = clNone;
  uint8_t backgroundIndex_ = 0;
  bool looping_ = false;
  uint16_t repeatCount_ = 1;  // 0..30000 from files
  bool transparentFlag_ = true;
  bool paletteModified_ = false;
};
