// TDvImageList: the framework's image list with four ways of filling it (stored images, one
// picture cut into cells, bitmap resources named in a list, a collection of items), a choice of
// pixel format for the platform list, and the stored image data read and written by the platform.
// Changes inside BeginUpdate / EndUpdate reach the change links and OnChange once, at the end.
#pragma once

#include <memory>
#include <string>

#include "controls/images/DvImageListItems.h"
#include "controls/images/DvImageListTypes.h"
#include "framework/core/Picture.h"
#include "framework/core/StringList.h"
#include "framework/win/graphics/BitmapFormats.h"
#include "framework/win/imagelists/ImageList.h"

// The pixel format of a display depth (1, 4, 8, 15, 16, 24, 32); pfDevice for any other.
TPixelFormat PixelFormatOfDepth(int bitsPerPixel);
// The platform list's creation flags for a pixel format: pfDevice takes the display's depth
// first; formats without a colour flag of their own are device-dependent (ILC_COLORDDB).
UINT ImageListCreationFlags(TPixelFormat format, bool masked, int displayBitsPerPixel);

class TDvImageList : public TCustomImageList {
  DV_CLASS(TDvImageList)
 public:
  explicit TDvImageList(TComponent* owner);
  ~TDvImageList() override;

  // ---- published ----
  // Setting Mode, TransparentMode, Picture or ResourceIds (and TransparentColor under tmColor)
  // rebuilds imPicture and imResourceIds lists; imClassic and imItemList lists are left as they
  // are.
  TDvImageListMode Mode() const { return mode_; }
  void SetMode(TDvImageListMode mode);
  // pf1bit and pfCustom are ignored; an existing platform list is made again in the new format
  // with its images.
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat format);
  TDvTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TDvTransparentMode mode);
  TColor TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(TColor color);
  // Loads the picture from the file when it exists (outside form reading); failures are ignored.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName);
  // Owned; the setters copy.
  TPicture* Picture() { return &picture_; }
  void SetPicture(const TPicture& picture) { picture_.Assign(&picture); }
  TStringList* ResourceIds() { return &resourceIds_; }
  void SetResourceIds(const TStringList& ids) { resourceIds_.Assign(&ids); }
  TDvImageListItems* Items() { return &items_; }
  // Clears the list, then copies the items (each adds its image).
  void SetItems(const TDvImageListItems& items);

  // ---- updates ----
  // Hide the inherited pair: the list's own count, which also holds back what the platform list
  // and the rebuilds announce.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

  // From another TDvImageList: its picture, names, transparency, pixel format, then the inherited
  // copy of size, settings and images, then its mode (which may rebuild). Other image lists: the
  // inherited assignment.
  void Assign(const TPersistent* source) override;

 protected:
  void Change() override;
  // Flags by PixelFormat (pfDevice: the display's depth); fails with EInvalidOperation
  // "Invalid ImageList".
  void CreateHandle() override;
  // Replaces the platform list with the stored one; EReadError "Failed to read ImageList data
  // from stream" keeps the list as it was.
  void ReadData(TStream& stream) override;
  // EWriteError "Failed to write ImageList data to stream".
  void WriteData(TStream& stream) override;
  bool HasImageData() const override { return Count() > 0; }

 private:
  template <class F>
  void WithinUpdate(F&& body);
  void UpdateImages();
  void RebuildFromPicture();
  void RebuildFromResources();
  void AddCells(TBitmap& source);

  TDvImageListMode mode_ = imPicture;
  TPixelFormat pixelFormat_ = pfDevice;
  TDvTransparentMode transparentMode_ = TDvTransparentMode::tmColor;
  TColor transparentColor_ = clFuchsia;
  std::string fileName_;
  TPicture picture_;
  TStringList resourceIds_;
  TDvImageListItems items_;
  int updateCount_ = 0;
  bool changed_ = false;
  bool rebuilding_ = false;       // the sources' own notifications are ignored meanwhile
  bool takingNewHandle_ = false;  // a fresh empty platform list is no change to announce
};
