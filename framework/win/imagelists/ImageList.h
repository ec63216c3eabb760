// TCustomImageList: equally sized images with masks in a platform image list, shared by reference.
// Users register a TChangeLink; every change calls the links in registration order, then
// OnChange; changes inside BeginUpdate / EndUpdate are announced once when the update ends.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/core/Classes.h"
#include "framework/core/Colors.h"
#include "framework/win/imagelists/ChangeLink.h"
#include "framework/win/imagelists/ImageListHandle.h"

class TBitmap;
class TCanvas;
class TIcon;
class TStream;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

// Form data names: "dsFocus", ...; "itImage", "itMask".
const std::vector<std::string>& DrawingStyleNames();
const std::vector<std::string>& ImageTypeNames();

// Failure texts of the image operations (EInvalidOperation).
inline constexpr char kInvalidImageListMessage[] = "Invalid ImageList";
inline constexpr char kImageIndexErrorMessage[] = "Invalid ImageList Index";
inline constexpr char kInsertImageMessage[] = "Unable to Insert Image";
inline constexpr char kReplaceImageMessage[] = "Unable to Replace Image";

class TCustomImageList : public TComponent {
  DV_CLASS(TCustomImageList)
 public:
  explicit TCustomImageList(TComponent* owner);
  TCustomImageList(TComponent* owner, int width, int height);
  // Unregisters every change link; destroys the platform list unless ShareImages.
  ~TCustomImageList() override;

  // ---- settings (published) ----
  // Changing the size of an existing list removes its images (the platform cannot keep them).
  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  // Changing it re-creates the platform list with the images copied.
  bool Masked() const { return masked_; }
  void SetMasked(bool masked);
  TColor BkColor() const { return bkColor_; }
  void SetBkColor(TColor color);
  TColor BlendColor() const { return blendColor_; }
  void SetBlendColor(TColor color);
  // Initial size and growth step of the platform list, used when it is created.
  int AllocBy() const { return allocBy_; }
  void SetAllocBy(int allocBy) { allocBy_ = allocBy; }
  TDrawingStyle DrawingStyle() const { return drawingStyle_; }
  void SetDrawingStyle(TDrawingStyle style);
  TImageType ImageType() const { return imageType_; }
  void SetImageType(TImageType type);
  // A shared platform list is not destroyed with this component.
  bool ShareImages() const { return shareImages_; }
  void SetShareImages(bool share) { shareImages_ = share; }
  TNotifyEvent OnChange;

  // ---- the platform list ----
  // Creates it on first use (CreateHandle); fails with EInvalidOperation "Invalid ImageList".
  HIMAGELIST Handle();
  bool HandleAllocated() const { return static_cast<bool>(handle_); }
  // Takes over a platform list (destroyed later unless ShareImages) and its image size; the
  // previous list is destroyed unless ShareImages.
  void SetHandle(HIMAGELIST handle);

  // ---- images ----
  int Count() const;
  // Appends the image (several when it is a multiple of Width wide); mask may be nullptr.
  // Returns the index; fails with EInvalidOperation "Unable to Insert Image".
  int Add(TBitmap& image, TBitmap* mask);
  // Pixels of maskColor become transparent (clNone: no transparency). The image is not altered.
  int AddMasked(TBitmap& image, TColor maskColor);
  int AddIcon(TIcon& icon);
  // Copies every image of source (converted to this list's format).
  void AddImages(const TCustomImageList& source);
  // Fail with EInvalidOperation "Invalid ImageList Index" or "Unable to Replace Image".
  void Replace(int index, TBitmap& image, TBitmap* mask);
  void ReplaceMasked(int index, TBitmap& image, TColor maskColor);
  // Fails with EInvalidOperation "Invalid ImageList Index".
  void Delete(int index);
  // The image at curIndex moves to newIndex; the images between shift by one.
  void Move(int curIndex, int newIndex);
  void Clear();

  // Draws image index with its top left at (x, y) in DrawingStyle, BkColor and BlendColor;
  // disabled: an embossed grey shape (clBtnHighlight one pixel down and right under clBtnShadow).
  // An index the list does not have draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  // The image as an icon (ImageList_GetIcon); an index the list does not have empties the icon.
  void GetIcon(int index, TIcon& icon);
  // Sizes image to one cell and draws image index over its pixels.
  void GetBitmap(int index, TBitmap& image);

  // Copies size, settings and images from another image list.
  void Assign(const TPersistent* source) override;

  // ---- change announcement ----
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }
  // The link's Sender becomes this list; registering twice has no further effect.
  void RegisterChanges(TChangeLink& link);
  void UnRegisterChanges(TChangeLink& link);

  // The stored image data ("Bitmap") goes through ReadData / WriteData.
  void DefineProperties(TFiler& filer) override;

 protected:
  // Announces a change (deferred while an update is open).
  virtual void Change();
  // Makes the platform list; the framework's own lists are device-dependent with a mask.
  virtual void CreateHandle();
  // A new platform list with this list's size, growth and background colour; fails with
  // EInvalidOperation "Invalid ImageList".
  HIMAGELIST CreateListHandle(UINT flags) const;
  // Replaces the platform list by a new one from CreateHandle, copying the images.
  void RecreateHandle();
  // The stored image data; the base class stores none and refuses to read any (EReadError
  // "Failed to read ImageList data from stream").
  virtual void ReadData(TStream& stream);
  virtual void WriteData(TStream& stream);
  virtual bool HasImageData() const { return false; }
  // Fails with EInvalidOperation "Invalid ImageList Index" unless 0 <= index < Count().
  void CheckIndex(int index) const;

 private:
  void HandleNeeded();
  void DrawDisabled(HDC dc, int x, int y, int index);
  UINT DrawFlags() const;

  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  TColor bkColor_ = clNone;
  TColor blendColor_ = clNone;
  int allocBy_ = 4;
  TDrawingStyle drawingStyle_ = dsNormal;
  TImageType imageType_ = itImage;
  bool shareImages_ = false;
  ImageListHandle handle_;
  int updateCount_ = 0;
  bool changed_ = false;
  std::vector<TChangeLink*> links_;
};

// The image list of form data: TCustomImageList with nothing added.
class TImageList : public TCustomImageList {
  DV_CLASS(TImageList)
 public:
  using TCustomImageList::TCustomImageList;
};

// Makes TImageList known to form data (idempotent).
void RegisterImageListClasses();
