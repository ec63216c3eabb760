// Owner of a platform image list (ImageList_Destroy), move-only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

class ImageListHandle {
 public:
  ImageListHandle() = default;
  explicit ImageListHandle(HIMAGELIST handle) : handle_(handle) {}
  ~ImageListHandle() { Reset(); }
  ImageListHandle(ImageListHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)) {}
  ImageListHandle& operator=(ImageListHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ImageListHandle(const ImageListHandle&) = delete;
  ImageListHandle& operator=(const ImageListHandle&) = delete;

  HIMAGELIST Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  HIMAGELIST Release() { return std::exchange(handle_, nullptr); }
  void Reset(HIMAGELIST handle = nullptr) {
    if (handle_ != nullptr) ImageList_Destroy(handle_);
    handle_ = handle;
  }

 private:
  HIMAGELIST handle_ = nullptr;
};
