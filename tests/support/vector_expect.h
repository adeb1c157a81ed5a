// Vector comparisons for tests, with the failing component named.
#pragma once

#include <gtest/gtest.h>

#include "host/vector.h"

inline ::testing::AssertionResult vectorNear(const VECTOR3& actual, const VECTOR3& expected, double tol)
{
    for (int k = 0; k < 3; ++k) {
        if (!(std::abs(actual[k] - expected[k]) <= tol)) {
            return ::testing::AssertionFailure()
                   << "component " << "xyz"[k] << ": (" << actual.x << ", " << actual.y << ", " << actual.z
                   << ") vs expected (" << expected.x << ", " << expected.y << ", " << expected.z
                   << "), tolerance " << tol;
        }
    }
    return ::testing::AssertionSuccess();
}

// EXPECT_VEC_NEAR(actual, expected, tolerance); variadic so that braced vectors pass through.
#define EXPECT_VEC_NEAR(...) EXPECT_TRUE(vectorNear(__VA_ARGS__))
