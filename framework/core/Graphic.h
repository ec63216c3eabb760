// The base of every picture kind (bitmap, icon, GIF image): size, drawing, streaming, change and
// progress notification, clipboard. Portable: never includes windows.h (drawing needs the Windows
// framework's TCanvas, which is only named here; handles are opaque).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/core/Classes.h"
#include "framework/core/Streams.h"
#include "framework/core/Types.h"

class TCanvas;

// Opaque platform handles (HPALETTE, HANDLE) and clipboard format numbers.
using TPaletteHandle = void*;
using TClipboardHandle = void*;
using TClipboardFormat = uint32_t;

enum TProgressStage { psStarting, psRunning, psEnding };
// Sender, stage, percent, redraw now, the rectangle to redraw, message.
using TProgressEvent =
    TEvent<TObject*, TProgressStage, uint8_t, bool, const TRect&, const std::string&>;

class TGraphic : public TPersistent {
  DV_CLASS(TGraphic)
 public:
  TGraphic() = default;

  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  virtual TPaletteHandle Palette() const { return nullptr; }
  virtual void SetPalette(TPaletteHandle) {}
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool transparent);
  bool PaletteModified() const { return paletteModified_; }
  void SetPaletteModified(bool modified) { paletteModified_ = modified; }
  bool Modified() const { return modified_; }
  void SetModified(bool modified);

  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  // The graphic's own part of stored picture data (default: the stream form).
  virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
  virtual void WriteData(TStream& stream) { SaveToStream(stream); }
  // Same content; the default compares the written data of two graphics of one class.
  virtual bool Equals(TGraphic& other);

  virtual void LoadFromClipboardFormat(TClipboardFormat format, TClipboardHandle data,
                                       TPaletteHandle palette);
  virtual void SaveToClipboardFormat(TClipboardFormat& format, TClipboardHandle& data,
                                     TPaletteHandle& palette);

  TNotifyEvent OnChange;
  TProgressEvent OnProgress;

 protected:
  // Marks the graphic modified and tells the listener.
  virtual void Changed();
  void Progress(TProgressStage stage, uint8_t percent, bool redrawNow, const TRect& rect,
                const std::string& message);

 private:
  bool transparent_ = false;
  bool paletteModified_ = false;
  bool modified_ = false;
};

// Creates an empty graphic of one kind (registered with the picture formats).
using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;
