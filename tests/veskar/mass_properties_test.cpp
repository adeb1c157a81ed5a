// Mass, centre of gravity and moments of inertia of the tether, against figures worked out
// by hand from the build table.
//
// Masses [kg]: catcher 2600 at z0 = -100093.027; each cable piece 4 rods of
// 2 * 20001.05 * 0.125 = 5000.2625, together 20001.05, at z1 = -40016.227 and
// z2 = -80018.327; end masses 2 * 106904 at z = -20000 and +20000 and 4 rods of
// 2 * 20036.37 * 0.125 = 5009.0925, together 20036.37, at z3 = 0.
// Empty mass M0 = 2600 + 2 * 20001.05 + 213808 + 20036.37 = 276446.47.
// With the full tank (20000 kg at z3 = 0): M = 296446.47.
// Sum of m z = 2600 z0 + 20001.05 (z1 + z2) + 106904 (20000 - 20000) + 0
//            = -260241870.2 - 2400817116.2817 = -2661058986.4817 kg m.
// Centre of gravity z: -2661058986.4817 / 296446.47 = -8976.524451384763 m (full tank)
//                      -2661058986.4817 / 276446.47 = -9625.946703105667 m (no propellant).

#include <cmath>

#include "tests/support/vector_expect.h"
#include "tests/veskar/veskar_fixture.h"

namespace {

constexpr double kEmptyMass = 276446.47;
constexpr double kMassFull = 296446.47;
constexpr double kCgFull = -8976.524451384763;
constexpr double kCgEmpty = -9625.946703105667;
constexpr double kRodMassCable = 5000.2625;
constexpr double kRodMassEnd = 5009.0925;

// Ixx about a centre of gravity at z = cg, from the table: point masses m (z - cg)^2;
// per segment of four rods of mass m at z with half-length L: two rods on the x axis add
// m (z - cg)^2 each, two on the y axis m (3.5^2 + (z - cg)^2) each, and each rod its own
// m (2L)^2 / 12.
double handIxx(double cg)
{
    auto sq = [](double v) { return v * v; };
    double I = 2600 * sq(-100093.027 - cg) + 106904 * sq(-20000 - cg) + 106904 * sq(20000 - cg);
    const struct { double m, z, L; } rodSets[] = {
        {kRodMassCable, -40016.227, 20001.05}, {kRodMassCable, -80018.327, 20001.05}, {kRodMassEnd, 0.0, 20036.37}};
    for (const auto& r : rodSets)
        I += 4 * r.m * sq(r.z - cg) + 2 * r.m * sq(3.5) + 4 * r.m * sq(2 * r.L) / 12;
    return I;
}

// Izz: only the twelve rods, 3.5 m off the axis: 12.25 * (8 * 5000.2625 + 4 * 5009.0925)
// = 12.25 * 60038.47 = 735471.2575 kg m^2.
constexpr double kIzz = 735471.2575;

VECTOR3 lastArgs3(const sim::Journal& j, const char* op)
{
    const auto calls = j.calls(op);
    EXPECT_FALSE(calls.empty()) << op;
    if (calls.empty())
        return {};
    const auto& a = calls.back().args;
    return {a.at(0), a.at(1), a.at(2)};
}

// A vessel without propellant to build a bare tether on.
class EmptyVessel final : public VESSEL2 {
public:
    using VESSEL2::VESSEL2;
};
VESSEL* makeEmpty(OBJHANDLE h, int fm) { return new EmptyVessel(h, fm); }
void dropEmpty(VESSEL* v) { delete static_cast<EmptyVessel*>(v); }

}  // namespace

TEST_F(VeskarTest, EmptyMassIsTheSumOfThePointMasses)
{
    EXPECT_NEAR(record->emptyMass, kEmptyMass, 1e-6);
    EXPECT_EQ(host.journal().calls("SetEmptyMass").size(), 1u);
}

TEST_F(VeskarTest, CentreOfGravityCountsTheFullTankAtSegmentThree)
{
    EXPECT_VEC_NEAR(vessel->assembly().centreOfGravityInBuildFrame(), (VECTOR3{0, 0, kCgFull}), 1e-6);
    EXPECT_NEAR(vessel->assembly().massAtBuild(), kMassFull, 1e-6);
    EXPECT_EQ(host.journal().calls("GetFuelMass").size(), 2u);
}

TEST_F(VeskarTest, MomentsAreMassNormalisedByTheMassAtTheBuild)
{
    const VECTOR3 pmi = lastArgs3(host.journal(), "SetPMI");
    EXPECT_NEAR(pmi.z, kIzz / kMassFull, 1e-9);                  // 2.48095805... m^2
    EXPECT_NEAR(pmi.x, handIxx(kCgFull) / kMassFull, 1e-3);      // about 8.574e8 m^2
    EXPECT_DOUBLE_EQ(pmi.x, pmi.y);
    EXPECT_EQ(host.journal().calls("SetPMI").size(), 1u);
    // The host holds what it was given: times the mass it is the inertia in kg m^2.
    EXPECT_NEAR(record->pmi.x * kMassFull, handIxx(kCgFull), 1e-3 * handIxx(kCgFull) * 1e-9);
}

TEST_F(VeskarTest, ShiftMovesEverySegmentByMinusTheCentreAndKeepsDistances)
{
    const VECTOR3 cg{0, 0, kCgFull};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_VEC_NEAR(segment(i).position, kBuildPositions[i] - cg, 1e-9) << "segment " << i;
    EXPECT_NEAR(length(segment(0).position - segment(3).position), 100093.027, 1e-9);
    EXPECT_TRUE(host.journal().calls("ShiftCG").empty());
}

TEST(TetherMass, WithoutPropellantTheCentreIsTheMassWeightedMean)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& bare = host.createVessel("Bare", "Bare", {&makeEmpty, &dropEmpty});
    host.journal().enable();
    TetherAssembly tether(bare.handle());
    tether.build();
    EXPECT_VEC_NEAR(tether.centreOfGravityInBuildFrame(), (VECTOR3{0, 0, kCgEmpty}), 1e-6);
    EXPECT_NEAR(bare.emptyMass, kEmptyMass, 1e-6);

    // Without propellant the moments are about a different centre: x and y change,
    // z does not.
    const VECTOR3 pmi = bare.pmi * kEmptyMass;
    EXPECT_NEAR(pmi.z, kIzz, 1e-6);
    EXPECT_NEAR(pmi.x, handIxx(kCgEmpty), handIxx(kCgEmpty) * 1e-12);
    EXPECT_GT(std::abs(handIxx(kCgEmpty) - handIxx(kCgFull)), 1e9);
}

TEST_F(VeskarTest, OtherKindsCountInMassAndCentreButNotInMoments)
{
    TetherAssembly& tether = vessel->assembly();
    auto& extra = tether.segmentList()[0]->pointMasses.emplace_back(std::make_unique<PointMass>());
    extra->kind = 7;
    extra->mass = 1000.0;
    extra->centre = {5.0, 0.0, 0.0};
    const VECTOR3 pmiBefore = lastArgs3(host.journal(), "SetPMI") * tether.massAtBuild();

    tether.computeMassAndCentre();
    EXPECT_NEAR(host.journal().calls("SetEmptyMass").back().args.at(0), kEmptyMass + 1000.0, 1e-6);
    // The centre moves off the axis by 1000 * 5 / M.
    EXPECT_NEAR(tether.centreOfGravityInBuildFrame().x, 5000.0 / (kMassFull + 1000.0), 1e-12);

    tether.computeInertia();
    const VECTOR3 pmiAfter = lastArgs3(host.journal(), "SetPMI") * tether.massAtBuild();
    EXPECT_VEC_NEAR(pmiAfter, pmiBefore, 1e-6 * pmiBefore.x);
}

TEST_F(VeskarTest, ShiftWithNotificationCallsTheHostOnceAfterMovingEverything)
{
    host.journal().clear();
    const VECTOR3 before = segment(2).position;
    const VECTOR3 shift{1.0, 2.0, 3.0};
    vessel->assembly().shiftCentreOfGravity(shift, false);
    EXPECT_TRUE(host.journal().calls("ShiftCG").empty());
    vessel->assembly().shiftCentreOfGravity(shift, true);
    ASSERT_EQ(host.journal().calls("ShiftCG").size(), 1u);
    EXPECT_VEC_NEAR(segment(2).position, before - 2.0 * shift, 1e-9);
    // The beacons moved with their segment.
    const VECTOR3 offset{4.6, 0, -20000.42};
    EXPECT_VEC_NEAR(segment(2).beacons.lightList()[0]->position, before - 2.0 * shift + offset, 1e-9);
}
