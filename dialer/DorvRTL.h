// The program's version text, and the program's own file name.
#pragma once

#include <string>

namespace DorvRTL {

// The full file name of the running program, in UTF-16 so that a folder name outside the system
// code page survives. Empty only when the system cannot tell (it always can).
std::wstring ProgramFileName();

// "major.minor" from the fixed file version of the running program's version block
// ("0.1" for file version 0.1.0.0). Empty when the file carries no readable version block.
// Never throws except for memory exhaustion.
std::string FileVersionText();

// The same for any file.
std::string FileVersionText(const std::wstring& fileName);

}  // namespace DorvRTL
