#include "device/HidBackendChoice.h"

#include "DeviceTestSupport.h"
#include "device/emulator/Emulator.h"
#include "lumoui/Manager.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace clavora {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

void Register(KeyboardHid& hid, const std::string& model, int type, uint16_t pid, std::initializer_list<int> modes)
{
    for (int mode : modes) {
        hid.AddSupportedMode(test::kVendor, pid + mode, model + " " + std::to_string(mode), type, mode, "MI_02", model);
    }
}

TEST(HidBackendChoice, StandInFollowsTheSettingAndServesItsSocket)
{
    struct Case {
        const char* setting;
        std::string model;
        std::vector<int> attached;
    };
    const Case cases[] {
        { "1", "K201", { 0 } },
        { "K202:1,2", "K202", { 1, 2 } },
        { "K100 1:1", "K100 1", { 1 } }, // without a model name, one connection by its product string
    };
    for (const Case& c : cases) {
        test::TempDir runtime;
        ScopedEnv folder("XDG_RUNTIME_DIR", runtime.Path().string());
        ScopedEnv emulator("CLAVORA_EMULATOR", c.setting);
        lumo::Manager::SetDeviceName("Clavora");
        test::RecordingClock clock;
        KeyboardHid hid(CreateHidBackend(), clock);
        ASSERT_NE(hid.StandIn(), nullptr) << c.setting;
        EXPECT_EQ(::access(runtime.File("Clavora-emulator.sock").c_str(), F_OK), 0) << c.setting;

        Register(hid, "K100", 100, 0x0100, { 0 });
        hid.AddSupportedMode(test::kVendor, 0x0111, "K100 1", 100, 1, "MI_02");
        Register(hid, "K201", 201, 0x0201, { 0, 1, 2 });
        Register(hid, "K202", 201, 0x0301, { 0, 1, 2 });

        EXPECT_EQ(hid.StandIn()->ModelName(), c.model) << c.setting;
        for (int mode = 0; mode <= 2; ++mode) {
            const bool wanted = std::find(c.attached.begin(), c.attached.end(), mode) != c.attached.end();
            EXPECT_EQ(hid.StandIn()->IsAttached(mode), wanted) << c.setting << " mode " << mode;
        }
        EXPECT_EQ(hid.Scan(), static_cast<int>(c.attached.size())) << c.setting;
    }
}

TEST(HidBackendChoice, HardwareWithoutTheSetting)
{
    ScopedEnv emulator("CLAVORA_EMULATOR", "");
    EXPECT_EQ(CreateHidBackend()->StandIn(), nullptr);
}

} // namespace
} // namespace clavora
