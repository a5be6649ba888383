#pragma once

#include <gtest/gtest.h>

#include "base/Exception.h"

// Runs `statement` and expects it to throw an IOException with `expectedCode`
// from the source unit tagged `expectedTag`.
#define EXPECT_IO_ERROR(statement, expectedCode, expectedTag)                                      \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no IOException from " #statement;                                    \
        } catch (const ::ZUM::IOException& thrown) {                                               \
            EXPECT_EQ(thrown.code, (expectedCode)) << #statement;                                  \
            EXPECT_STREQ(thrown.file, (expectedTag)) << #statement;                                \
        }                                                                                          \
    } while (0)
