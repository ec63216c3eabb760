#include "dialer/InternetApi.h"

namespace {

const TInternetApi*& CurrentInternetApi() {
  static const TInternetApi* current = &SystemInternetApi();
  return current;
}

}  // namespace

const TInternetApi& SystemInternetApi() {
  static const TInternetApi system{&::InternetGetConnectedState, &::InternetAutodial,
                                   &::InternetAutodialHangup,    &::InternetOpenA,
                                   &::InternetSetOptionA,        &::InternetCloseHandle};
  return system;
}

const TInternetApi& InternetApi() {
  return *CurrentInternetApi();
}

TInternetApiScope::TInternetApiScope(const TInternetApi& api)
    : api_(api), previous_(CurrentInternetApi()) {
  CurrentInternetApi() = &api_;
}

TInternetApiScope::~TInternetApiScope() {
  CurrentInternetApi() = previous_;
}
