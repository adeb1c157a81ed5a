// The virtual cockpit's two camera stations on the catcher and the moves between them.

#include "tests/support/vector_expect.h"
#include "tests/veskar/veskar_fixture.h"

namespace {

constexpr double kPi = 3.14159265358979;
using Move = sim::Host::VcMove;

struct StationCase {
    int id;
    VECTOR3 offset;                  // from the catcher's position [m]
    std::vector<double> neighbours;  // left, right, top, bottom
    VECTOR3 lookAlong;               // towards the payload port, before normalising
};
const StationCase kStations[2] = {
    {0, {0, -18.273, -27.225}, {-1, -1, -1, 1}, {0, 18.273, 27.225 - 73.65}},
    {1, {0, 18.012, -27.219}, {-1, -1, 0, -1}, {0, -18.012, 27.219 - 73.65}},
};

}  // namespace

TEST_F(VeskarTest, EachStationLooksAtThePayloadPort)
{
    for (const StationCase& s : kStations) {
        host.journal().clear();
        ASSERT_TRUE(host.enterVirtualCockpit(*record, s.id));
        EXPECT_EQ(host.journal().ops(),
                  (std::vector<std::string>{"oapiVCSetNeighbours", "SetCameraOffset", "GetDockHandle", "GetDockParams",
                                            "SetCameraDefaultDirection", "SetCameraRotationRange"}))
            << "station " << s.id;
        EXPECT_EQ(host.journal().calls("oapiVCSetNeighbours")[0].args, s.neighbours);
        EXPECT_EQ(host.journal().calls("GetDockHandle")[0].args, std::vector<double>{4});

        const VECTOR3 catcher = segment(0).position;
        EXPECT_VEC_NEAR(record->camera.offset, catcher + s.offset, 1e-9) << "station " << s.id;
        EXPECT_VEC_NEAR(record->docks[4]->pos, catcher + VECTOR3{0, 0, -73.65}, 1e-9);
        EXPECT_VEC_NEAR(record->camera.direction, unit(s.lookAlong), 1e-9) << "station " << s.id;
        EXPECT_EQ(record->camera.tilt, kPi);
        EXPECT_EQ(record->camera.left, kPi);
        EXPECT_EQ(record->camera.right, kPi);
        EXPECT_EQ(record->camera.up, kPi / 2);
        EXPECT_EQ(record->camera.down, kPi / 2);
    }
}

TEST_F(VeskarTest, MovesFollowTheStationLinks)
{
    ASSERT_TRUE(host.enterVirtualCockpit(*record, 0));
    struct Step {
        Move move;
        bool moved;
        int stationAfter;
    } steps[] = {
        {Move::Left, false, 0}, {Move::Right, false, 0}, {Move::Up, false, 0},
        {Move::Down, true, 1},  {Move::Down, false, 1},  {Move::Left, false, 1},
        {Move::Up, true, 0},    {Move::Down, true, 1},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(host.moveVirtualCockpit(s.move), s.moved);
        EXPECT_EQ(host.vcStation(), s.stationAfter);
    }
    EXPECT_VEC_NEAR(record->camera.offset, segment(0).position + kStations[1].offset, 1e-9);
}

TEST_F(VeskarTest, OtherStationIdsAreAcceptedAndSetNothingUp)
{
    ASSERT_TRUE(host.enterVirtualCockpit(*record, 0));
    const VECTOR3 before = record->camera.offset;
    for (int id : {2, -1, 1000}) {
        host.journal().clear();
        EXPECT_TRUE(host.enterVirtualCockpit(*record, id)) << id;
        EXPECT_TRUE(host.journal().entries().empty()) << "no host call for station " << id;
        EXPECT_VEC_NEAR(record->camera.offset, before, 0.0) << "the camera stays where it was";
        EXPECT_FALSE(host.moveVirtualCockpit(Move::Down)) << "no links lead on from station " << id;
    }
}
