// A user's registration with an image list: the list calls Change() on every change it announces.
// The link unregisters itself when destroyed; a list being destroyed clears Sender first.
#pragma once

#include "framework/core/Classes.h"

class TCustomImageList;

class TChangeLink : public TObject {
 public:
  TChangeLink() = default;
  ~TChangeLink() override;
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  // The list this link is registered with, or nullptr.
  TCustomImageList* Sender() const { return sender_; }
  // Raises OnChange with the list as sender.
  virtual void Change();

  TNotifyEvent OnChange;

 private:
  friend class TCustomImageList;
  TCustomImageList* sender_ = nullptr;
};
