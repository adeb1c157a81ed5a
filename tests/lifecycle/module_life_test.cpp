// The lifecycle every vessel module must survive, on the modules as the host loads them
// from Modules/: the whole life in order, and callbacks in unusual but legal orders. Each
// script runs on each module; after every step the records the module handed the host
// must still be sane, and at the end the mesh templates must be as their files have them,
// a destroyed vessel must never have been called again, and a new visual must look as a
// new vessel's would. Under the memory checkers (see CMakeLists.txt) the same scripts
// catch any use of a freed visual, mesh, record or vessel.

#include <ostream>
#include <string>
#include <vector>

#include "host/keys.h"
#include "tests/lifecycle/life_rig.h"

namespace {

enum class Op {
    PostCreation,  // clbkPostCreation
    VisualOn,      // the visual created
    VisualOff,     // and destroyed
    KeyDown,       // the light key, down
    KeyUp,         // and up
    OtherKey,      // a key no module here handles (K), down
    Step,          // one host step
    Dock,          // a payload docked at the vessel's last port (nothing for a vessel without ports)
    Undock,        // the vessel undocks that port, as its module would ask
    Cockpit,       // the generic cockpit
    Vc0,           // virtual cockpit station 0
    Vc7,           // a station the vessel may not have
    VcDown,        // follow the station's downward link
    VcLeave,       // back to the outside view
    Twin,          // a second vessel of the same class, with a visual and a key press
    Destroy,       // the vessel deleted
};

struct Script {
    const char* name;
    std::vector<Op> ops;
};

// The script by its name in test listings, not its bytes.
void PrintTo(const Script& script, std::ostream* os)
{
    *os << script.name;
}

using enum Op;
const Script kScripts[] = {
    {"WholeLifeInOrder", {PostCreation, VisualOn, KeyDown, KeyUp, Cockpit, Vc0, VcDown, VcLeave, VisualOff, KeyDown,
                          Dock, Step, VisualOn, Undock, Step, VisualOff, Destroy, Step}},
    {"VisualTwiceWithKeysInAndOut", {PostCreation, VisualOn, KeyDown, KeyUp, VisualOff, KeyDown, KeyUp, VisualOn,
                                     KeyDown, VisualOff, KeyDown, VisualOn, VisualOff}},
    {"KeysBeforeAnythingElse", {KeyDown, KeyUp, OtherKey, KeyUp, PostCreation, Step, KeyDown}},
    {"VisualBeforePostCreation", {VisualOn, KeyDown, PostCreation, Step, VisualOff, Step}},
    {"VisualOnAndOffWithoutAStep", {PostCreation, VisualOn, VisualOff, VisualOn, VisualOff, Step}},
    {"KeyUpsAlone", {PostCreation, KeyUp, KeyUp, VisualOn, KeyUp, VisualOff}},
    {"CockpitsWithoutAVisual", {PostCreation, Vc7, VcDown, Vc0, VcDown, VcDown, Cockpit, VcLeave, VisualOn, Vc0,
                                VisualOff}},
    {"UndockedWhileItsVisualIsGone", {PostCreation, VisualOn, Dock, VisualOff, Undock, Step, Dock, Step}},
    {"DestroyedWithItsVisual", {PostCreation, VisualOn, KeyDown, Destroy, Step}},
    {"DestroyedDockedInTheCockpit", {PostCreation, Dock, VisualOn, Vc0, Step, Destroy, Step}},
    {"TwinOutlivesTheFirst", {PostCreation, Twin, VisualOn, Step, Destroy, Step}},
    {"TwinMadeAfterKeysAndVisuals", {PostCreation, VisualOn, KeyDown, VisualOff, Twin, VisualOn, KeyDown, Step}},
};

const char* const kModules[] = {"Veskar", "QRM_Shade"};

class ModuleLife : public ::testing::TestWithParam<std::tuple<const char*, Script>> {
protected:
    const char* className() const { return std::get<0>(GetParam()); }

    void apply(Op op)
    {
        sim::Host& host = rig.host;
        if (op == Step) {
            host.step(0.1);
            return;
        }
        if (op == Twin) {
            twin = &rig.make("Twin", className());
            twin->state.pos = lifecycle::kOrbitPos + VECTOR3{0.0, 0.0, 1000.0};
            host.finishCreation();
            EXPECT_TRUE(host.visuals().create(*twin));
            host.pressKey(*twin, OAPI_KEY_L);
            return;
        }
        if (!vessel)
            return;  // destroyed: nothing more is asked of it
        switch (op) {
        case PostCreation: host.finishCreation(); break;
        case VisualOn: host.visuals().create(*vessel); break;
        case VisualOff: host.visuals().destroy(*vessel); break;
        case KeyDown: host.pressKey(*vessel, OAPI_KEY_L, true); break;
        case KeyUp: host.pressKey(*vessel, OAPI_KEY_L, false); break;
        case OtherKey: host.pressKey(*vessel, 0x25, true); break;
        case Dock: dock(); break;
        case Undock:
            if (!vessel->docks.empty())
                vessel->iface->Undock(static_cast<UINT>(vessel->docks.size() - 1), nullptr);
            break;
        case Cockpit: host.loadGenericCockpit(*vessel); break;
        case Vc0: host.enterVirtualCockpit(*vessel, 0); break;
        case Vc7: host.enterVirtualCockpit(*vessel, 7); break;
        case VcDown: host.moveVirtualCockpit(sim::Host::VcMove::Down); break;
        case VcLeave: host.leaveVirtualCockpit(); break;
        case Destroy:
            host.destroyVessel(*vessel);
            vessel = nullptr;
            host.journal().clear();  // from here on, nothing may be asked on its behalf
            break;
        default: break;
        }
    }

    void dock()
    {
        if (vessel->docks.empty())
            return;
        if (!payload)
            payload = &rig.make("Payload", "Payload");
        HostDock& port = *vessel->docks.back();
        if (!port.mate && !payload->docks[0]->mate) {
            EXPECT_TRUE(rig.host.dock(port, *payload->docks[0]));
        }
    }

    lifecycle::LifeHost rig;
    sim::VesselRecord* vessel = &rig.make("Subject", className());
    sim::VesselRecord* payload = nullptr;
    sim::VesselRecord* twin = nullptr;
};

TEST_P(ModuleLife, SurvivesTheScript)
{
    const Script& script = std::get<1>(GetParam());
    for (std::size_t i = 0; i < script.ops.size(); ++i) {
        apply(script.ops[i]);
        for (const sim::VesselRecord* v : {vessel, twin}) {
            if (v) {
                ASSERT_TRUE(lifecycle::LifeHost::recordsSane(*v)) << "after step " << i;
            }
        }
    }
    if (!vessel) {
        EXPECT_EQ(rig.callsFor("Subject"), 0u) << "a destroyed vessel was called";
        EXPECT_EQ(rig.host.findVessel("Subject"), nullptr);
    }
    for (sim::VesselRecord* v : {vessel, twin}) {
        if (!v)
            continue;
        rig.host.visuals().destroy(*v);
        EXPECT_TRUE(rig.templatesAsTheFilesHaveThem(*v)) << v->name();
        sim::VesselRecord& fresh = rig.make("Fresh-" + v->name(), className());
        rig.host.finishCreation();
        EXPECT_EQ(rig.freshLook(*v), rig.freshLook(fresh)) << v->name() << "'s new visual differs from a new vessel's";
    }
}

std::string caseName(const ::testing::TestParamInfo<ModuleLife::ParamType>& param)
{
    return std::string(std::get<0>(param.param)) + "_" + std::get<1>(param.param).name;
}

INSTANTIATE_TEST_SUITE_P(Modules, ModuleLife,
                         ::testing::Combine(::testing::ValuesIn(kModules), ::testing::ValuesIn(kScripts)), caseName);

}  // namespace
