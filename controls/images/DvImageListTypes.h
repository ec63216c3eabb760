// The vocabulary of the image list component: where its images come from, how their mask colour
// is chosen, the kinds of item, and its error.
#pragma once

#include <string>
#include <vector>

#include "framework/core/SysUtils.h"

enum TDvImageListMode { imClassic, imPicture, imResourceIds, imItemList };

// Scoped: the bitmap's own transparent mode already names tmAuto.
enum class TDvTransparentMode { tmNone, tmAuto, tmColor };

enum TDvImageListItemKind { ikResourceBitmap, ikMappedResourceBitmap, ikInlineBitmap };

// Form data names, by ordinal.
const std::vector<std::string>& DvImageListModeNames();
const std::vector<std::string>& DvTransparentModeNames();
const std::vector<std::string>& DvImageListItemKindNames();

inline constexpr char kItemKindNotSupportedMessage[] = "The item kind %s is not supported so far.";

class EDvImageListError : public Exception {
  using Exception::Exception;
};
