// Fills a form-definition template with binary blocks: every line that holds only indentation and
// {{NAME}} becomes the bytes given for NAME as a form-data binary block at that indentation.
// Portable: never includes windows.h.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

using TFormBlocks = std::map<std::string, std::vector<uint8_t>>;

// Returns the template with each placeholder line replaced; every other line is copied as it is,
// line endings included. A placeholder naming no block, or indented with anything but spaces,
// fails with Exception "Line N: ..." naming the placeholder.
std::string ComposeForm(std::string_view templateText, const TFormBlocks& blocks);

// The placeholder name of a line such as "    {{Bitmap}}", or empty when the line is not one.
std::string PlaceholderName(std::string_view line);
