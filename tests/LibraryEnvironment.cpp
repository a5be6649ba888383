// Starts the library once for the whole test program, so that the modules'
// shared objects (encoding dictionaries, DOM implementation) exist.
#include <gtest/gtest.h>

#include "base/Library.h"

namespace {

class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(ZUM::startLibrary()); }
    void TearDown() override { ASSERT_TRUE(ZUM::stopLibrary()); }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

} // namespace
