#include "imaging/gif/GIFExtension.h"

TExtension::TExtension(TGIFExtensionKind kind) : kind_(kind), fixed_(FixedSize(kind), 0) {
  // A new graphic control block says block size 4 like the ones in files.
  if (kind == TGIFExtensionKind::ekGraphicControl) fixed_[0] = 4;
}

uint8_t TExtension::Label(TGIFExtensionKind kind) {
  static constexpr uint8_t kLabels[] = {0xF9, 0x01, 0xFF, 0xFE};
  return kLabels[static_cast<int>(kind)];
}

size_t TExtension::FixedSize(TGIFExtensionKind kind) {
  static constexpr size_t kSizes[] = {6, 13, 12, 0};
  return kSizes[static_cast<int>(kind)];
}
