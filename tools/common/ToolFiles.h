// What the generators share: writing their output files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes bytes to path, replacing the file; fails with Exception "cannot write <path>".
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
