// Where this build's folders lie. The values are in one file the build writes
// (generated/build_paths.cpp), not on every test file's compile line, so that the test files
// compile alike in every clone and a compiler cache reuses them from another clone. Every test
// file sees these names through the tests' precompiled header.
#pragma once

namespace testsupport::build_paths {
extern const char* const kAppDir;
extern const char* const kSourceDir;
extern const char* const kBuildDir;
extern const char* const kTestLevelsGame;
extern const char* const kTestPackageDir;
}  // namespace testsupport::build_paths

#define DUNSPELT_APP_DIR (::testsupport::build_paths::kAppDir)
#define DUNSPELT_SOURCE_DIR (::testsupport::build_paths::kSourceDir)
#define DUNSPELT_BUILD_DIR (::testsupport::build_paths::kBuildDir)
#define DUNSPELT_TEST_LEVELS_GAME (::testsupport::build_paths::kTestLevelsGame)
#define DUNSPELT_TEST_PACKAGE_DIR (::testsupport::build_paths::kTestPackageDir)
