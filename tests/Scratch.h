#pragma once

#include <gtest/gtest.h>

#include <string>

// A test that works in a fresh directory of its own under the system's
// temporary directory, removed with everything in it afterwards. Names are
// UTF-8 (on Linux, any bytes) with "/" between their steps.
class Scratch : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The name's full path, with the platform's separator.
    std::string path(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const; // a link counts as itself
    void makeDirectory(const std::string& name) const;
    // Clears the write permission: the read-only attribute on Windows.
    void makeReadOnly(const std::string& name) const;

    std::string root;
};
