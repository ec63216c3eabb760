#include "framework/core/SizeConstraints.h"

#include <algorithm>

#include "framework/core/TypInfo.h"

const TClassInfo& TSizeConstraints::StaticClassInfo() {
  using C = TSizeConstraints;
  static const TClassInfo info =
      DefineClassInfo<C, TPersistent>("TSizeConstraints", [](TPropertyBuilder<C>& b) {
        b.Integer("MaxHeight", &C::MaxHeight, &C::SetMaxHeight, 0);
        b.Integer("MaxWidth", &C::MaxWidth, &C::SetMaxWidth, 0);
        b.Integer("MinHeight", &C::MinHeight, &C::SetMinHeight, 0);
        b.Integer("MinWidth", &C::MinWidth, &C::SetMinWidth, 0);
      });
  return info;
}

namespace {

// Sets one limit and pulls its partner along so that a set maximum never lies below the minimum.
bool SetLimit(int& limit, int value, int& partner, bool isMinimum) {
  value = std::max(value, 0);
  if (value == limit) return false;
  limit = value;
  if (value > 0 && partner > 0 && (isMinimum ? partner < value : partner > value)) partner = value;
  return true;
}

}  // namespace

void TSizeConstraints::SetMinWidth(int value) {
  if (SetLimit(minWidth_, value, maxWidth_, true)) Change();
}

void TSizeConstraints::SetMinHeight(int value) {
  if (SetLimit(minHeight_, value, maxHeight_, true)) Change();
}

void TSizeConstraints::SetMaxWidth(int value) {
  if (SetLimit(maxWidth_, value, minWidth_, false)) Change();
}

void TSizeConstraints::SetMaxHeight(int value) {
  if (SetLimit(maxHeight_, value, minHeight_, false)) Change();
}

void TSizeConstraints::Limit(int& value, int minimum, int maximum) {
  if (maximum > 0 && value > maximum) value = maximum;
  if (minimum > 0 && value < minimum) value = minimum;
}

void TSizeConstraints::Constrain(int& width, int& height) const {
  Limit(width, minWidth_, maxWidth_);
  Limit(height, minHeight_, maxHeight_);
}

void TSizeConstraints::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TSizeConstraints*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  minWidth_ = other->minWidth_;
  minHeight_ = other->minHeight_;
  maxWidth_ = other->maxWidth_;
  maxHeight_ = other->maxHeight_;
  Change();
}
