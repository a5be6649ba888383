#pragma once

#include <gtest/gtest.h>

#include <string>

// A test that works in a fresh directory of its own under /tmp, removed with
// everything in it afterwards.
class Scratch : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string path(const std::string& name) const { return root + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    void makeDirectory(const std::string& name) const;
    void makeReadOnly(const std::string& name) const;

    std::string root;
};
