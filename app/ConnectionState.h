// What the window shows of the connection: one state drives the tray icon's picture, the state
// image and the state label at once.
#pragma once

#include <string>

enum class TConnectionState {
  Connected,
  NotConnected,
  Connecting,
  ConnectFailed,
  Disconnecting,
  Disconnected,
  DisconnectFailed,
};

// Index into the state image list: 0 offline, 1 in progress, 2 connected, 3 error.
int StateImageIndex(TConnectionState state);
// The state label's text, e.g. "Connected.".
const std::string& StateText(TConnectionState state);
