#include "app/ResumeCheck.h"

TResumeCheck::TResumeCheck(std::function<void()> onDue, TObject* sender, unsigned delayMs)
    : onDue_(std::move(onDue)),
      delayMs_(delayMs),
      timer_(
          [this] {
            timer_.Stop();
            onDue_();
          },
          sender),
      window_(
          [this](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
            if (message == WM_POWERBROADCAST) PowerBroadcast(wParam);
            // Passed on all the same: the default answer grants every power request.
            return false;
          },
          sender) {}

void TResumeCheck::PowerBroadcast(WPARAM event) {
  if (event != PBT_APMRESUMEAUTOMATIC && event != PBT_APMRESUMESUSPEND) return;
  if (!timer_.Running()) timer_.Start(delayMs_);
}
