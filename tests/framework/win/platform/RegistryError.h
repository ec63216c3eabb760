// Runs a registry operation and returns the message of the ERegistryException it raised, or ""
// when it raised none.
#pragma once

#include <string>

#include "framework/core/SysUtils.h"

template <typename Body>
std::string RegistryError(Body body) {
  try {
    body();
  } catch (const ERegistryException& error) {
    return error.Message();
  }
  return std::string();
}
