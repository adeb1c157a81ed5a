// Attitude matrices and the scenario files' angle convention.

#include <gtest/gtest.h>

#include "sim/mat3.h"
#include "tests/support/vector_expect.h"

TEST(Mat3, AnglesRoundTripAndMatchTheirDefinition)
{
    const VECTOR3 cases[] = {{0.1, -0.2, 0.3}, {1.2, 0.7, -2.9}, {-3.0, -1.4, 3.1}, {0, 0, 0}};
    for (const VECTOR3& abc : cases) {
        const sim::Mat3 R = sim::rotationFromAngles(abc);
        EXPECT_VEC_NEAR(sim::anglesFromRotation(R), abc, 1e-12);
        // R = Rx(a) Ry(b) Rz(c): R13 = -sin b, R23 = sin a cos b, R12 = cos b sin c.
        EXPECT_NEAR(R(0, 2), -std::sin(abc.y), 1e-15);
        EXPECT_NEAR(R(1, 2), std::sin(abc.x) * std::cos(abc.y), 1e-15);
        EXPECT_NEAR(R(0, 1), std::cos(abc.y) * std::sin(abc.z), 1e-15);
        // A proper rotation: R^T R = I.
        const sim::Mat3 I = R.transposed() * R;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                EXPECT_NEAR(I(i, j), i == j ? 1.0 : 0.0, 1e-15);
    }
}

TEST(Mat3, OrthonormalisationRemovesDrift)
{
    sim::Mat3 R = sim::rotationFromAngles({0.3, 0.2, 0.1});
    R(0, 0) += 1e-6, R(1, 2) -= 2e-6;
    const sim::Mat3 Q = sim::orthonormalised(R);
    const sim::Mat3 I = Q.transposed() * Q;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(I(i, j), i == j ? 1.0 : 0.0, 1e-14);
    EXPECT_NEAR(Q(0, 0), R(0, 0), 1e-5);
}
