#include "base/Library.h"

#include <gtest/gtest.h>

namespace {

// The document model's shared objects exist only while the library runs.
class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(ZUM::startLibrary()); }
    void TearDown() override { ZUM::stopLibrary(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

} // namespace
