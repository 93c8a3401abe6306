// The tests that read the source tree (templates, data, the sources' own
// layering) find it through KELVO_SOURCE_DIR. The build names the tree it
// was configured from, so the tests run from any folder; a value set in the
// environment still wins.
#include <cstdlib>

namespace {

const bool SOURCE_FOLDER_NAMED = [] {
    setenv("KELVO_SOURCE_DIR", KELVO_SOURCE_FOLDER, 0);
    return true;
}();

}  // namespace
