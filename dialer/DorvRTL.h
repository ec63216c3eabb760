// The program's version text.
#pragma once

#include <string>

namespace DorvRTL {

// "major.minor" from the fixed file version of the running program's version block
// ("0.1" for file version 0.1.0.0). Empty when the file carries no readable version block.
// Never throws except for memory exhaustion.
std::string FileVersionText();

// The same for any file.
std::string FileVersionText(const std::string& fileName);

}  // namespace DorvRTL
