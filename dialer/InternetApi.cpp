#include "dialer/InternetApi.h"

const TInternetApi& SystemInternetApi() {
  static const TInternetApi system{&::InternetGetConnectedState, &::InternetAutodial,
                                   &::InternetAutodialHangup,    &::InternetOpenA,
                                   &::InternetSetOptionA,        &::InternetCloseHandle};
  return system;
}

const TInternetApi& InternetApi() {
  return TInternetApiScope::InForce(SystemInternetApi());
}
