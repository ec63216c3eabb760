// The application manifest as compiled into the program: read back from its resource section.
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/app/ProgramProcess.h"

namespace {

// Resource 1 of type RT_MANIFEST, the one Windows reads when it starts a program.
std::string CompiledManifest(const char* program) {
  const HMODULE module =
      LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (module == nullptr) return "cannot load " + std::string(program);
  std::string text;
  if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    const HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    if (bytes != nullptr) text.assign(bytes, SizeofResource(module, found));
  }
  FreeLibrary(module);
  return text;
}

TEST(ProgramManifestTest, TheProgramCarriesItsManifestUnchanged) {
  const std::string manifest = CompiledManifest(DV_PROGRAM_PATH);
  ASSERT_FALSE(manifest.empty()) << "no manifest in " << DV_PROGRAM_PATH;
  EXPECT_EQ(ReadText(DV_MANIFEST_FILE), manifest);
}

TEST(ProgramManifestTest, RunsAsItsInvokerWithoutCommonControlsSix) {
  const std::string manifest = CompiledManifest(DV_PROGRAM_PATH);
  EXPECT_NE(std::string::npos,
            manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"));
  EXPECT_EQ(std::string::npos, manifest.find("Common-Controls"));
  EXPECT_EQ(std::string::npos, manifest.find("<dependency"));
  // Vista, 7, 8, 8.1 and 10/11: without them Windows applies its compatibility fixes.
  for (const char* id :
       {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
        "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
        "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
    EXPECT_NE(std::string::npos, manifest.find(std::string("<supportedOS Id=\"{") + id + "}\"/>"))
        << id;
}

}  // namespace
