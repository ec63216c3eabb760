// One frame of a GIF image: image descriptor, colour table, extensions and the stored data, with
// the decoded bitmap made on demand.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "imaging/gif/GIFExtension.h"
#include "imaging/gif/GIFFrameBitmap.h"
#include "imaging/gif/GIFRecords.h"
#include "imaging/gif/GIFTypes.h"

class TGIFImageBase;
class TGIFByteReader;
class TGIFFramePixels;

class TDvGIFFrame {
 public:
  explicit TDvGIFFrame(TGIFImageBase* owner);
  TDvGIFFrame(const TDvGIFFrame&) = delete;
  TDvGIFFrame& operator=(const TDvGIFFrame&) = delete;

  TGIFImageBase* Owner() const { return owner_; }

  // The decoded bitmap, decoding on first use; decoding failures pass on (the bitmap stays
  // empty then).
  IGIFFrameBitmap& Bitmap();
  bool HasBitmap() const { return bitmap_ != nullptr; }
  const IGIFFrameBitmap* ExistingBitmap() const { return bitmap_.get(); }
  // Installs a picture without touching the stored data (clipboard loading).
  void SetBitmap(std::unique_ptr<IGIFFrameBitmap> bitmap) { bitmap_ = std::move(bitmap); }
  // 0 without bitmap and stored data, otherwise the bitmap's size (decoding when needed).
  uint32_t Width();
  uint32_t Height();

  // Decodes the stored data into colour indices, one byte per pixel, rows from the top, without
  // building a bitmap; the frame's bitmap is neither made nor changed. A fault marks the frame
  // corrupt as decoding its bitmap would; the failures are those of decoding the bitmap.
  TGIFCorruptKind DecodePixels(TGIFFramePixels& pixels);

  // The lines of the last comment extension, creating an empty one when there is none.
  std::vector<std::string>& Comment();
  // The lines of the last comment extension, or nullptr.
  const std::vector<std::string>* FindComment() const;
  void SetComment(const std::vector<std::string>& lines) { Comment() = lines; }

  // Assignment; each recomputes the owner's logical screen afterwards. nullptr assigns nothing.
  void Assign(const TDvGIFFrame* source);
  void AssignImage(const TGIFImageBase& source);
  // Takes a copy of another graphic's picture; an empty one assigns nothing.
  void AssignGraphic(const IGIFFrameBitmap& source, TColor transparentColor);

  // Fresh item, flags and fields back to their initial values; extensions and bitmap stay.
  void Reset();

  // Reads the image descriptor, colour table and stored data after the "," separator.
  void ReadFrom(TGIFByteReader& reader, const TGIFData& header, uint16_t screenWidth,
                uint16_t screenHeight);
  // Sets the corrupt flag and, when none is known yet, the kind; ckNone changes nothing.
  void MarkCorrupt(TGIFCorruptKind kind);

  TGIFItem& Item() { return *item_; }
  const TGIFItem& Item() const { return *item_; }
  const std::shared_ptr<TGIFItem>& SharedItem() const { return item_; }
  std::vector<std::unique_ptr<TExtension>>& Extensions() { return extensions_; }
  const std::vector<std::unique_ptr<TExtension>>& Extensions() const { return extensions_; }

  int32_t left = 0;
  int32_t top = 0;
  bool interlaced = false;
  bool corrupt = false;  // stored data cut short or not decoded cleanly
  TGIFCorruptKind corruptKind = TGIFCorruptKind::ckNone;  // the first fault found
  bool grey = false;  // the writer reduces true colour to grey levels
  TColor transparentColor = clNone;
  uint32_t delay = 0;    // milliseconds
  uint8_t disposal = 0;  // 0..7
  bool localColorTable = false;

 private:
  void ApplyGraphicControl();

  TGIFImageBase* owner_;  // not owned
  std::unique_ptr<IGIFFrameBitmap> bitmap_;
  std::shared_ptr<TGIFItem> item_;
  std::vector<std::unique_ptr<TExtension>> extensions_;
};

// Makes the colour table's entry `index` unique by moving its blue byte (the step starts at -1
// and turns at 0 and 255), so that colour-keyed drawing cannot hit another index.
void MakeColorEntryUnique(TGIFColorTable& table, uint32_t index);
