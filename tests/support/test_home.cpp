// Games started by the tests (windowed ones read and write a settings file, screenshots go to
// the pictures folder) keep those files in the build folder, never in the home folder of
// whoever runs the tests. Set before any test runs; children inherit it.
#include "support/build_paths.hpp"

#include <cstdlib>
#include <string>

namespace {

const bool kTestHomeSet = [] {
    setenv("XDG_CONFIG_HOME", (std::string(DUNSPELT_BUILD_DIR) + "/test-home/config").c_str(), 1);
    setenv("XDG_PICTURES_DIR", (std::string(DUNSPELT_BUILD_DIR) + "/test-home/pictures").c_str(),
           1);
    return true;
}();

}  // namespace
