// Implemented by controls that take their frame from a frame controller themselves: the
// controller calls FramingChanged on every push instead of setting their properties by name.
#pragma once

class IFramingNotification {
 public:
  virtual void FramingChanged() = 0;

 protected:
  ~IFramingNotification() = default;
};
