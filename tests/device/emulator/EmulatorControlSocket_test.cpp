#include "device/emulator/EmulatorControlSocket.h"

#include "../DeviceTestSupport.h"
#include "JsonCheck.h"
#include "device/emulator/EmulatedConnection.h"
#include "device/emulator/Emulator.h"
#include "device/protocol/FeatureCommands.h"
#include "lumoui/Manager.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace clavora {
namespace {

// A client of the control socket: one line out, one line back.
class Client {
public:
    explicit Client(const std::string& path)
    {
        m_fd = UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        m_connected = ::connect(m_fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }

    bool Connected() const { return m_connected; }

    std::string Ask(const std::string& line)
    {
        const std::string out = line + "\n";
        if (::send(m_fd.Get(), out.data(), out.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(out.size()))
            return "(send failed)";
        size_t end;
        while ((end = m_pending.find('\n')) == std::string::npos) {
            char buffer[65536];
            const ssize_t n = ::recv(m_fd.Get(), buffer, sizeof buffer, 0);
            if (n <= 0)
                return "(closed)";
            m_pending.append(buffer, static_cast<size_t>(n));
        }
        std::string reply = m_pending.substr(0, end);
        m_pending.erase(0, end + 1);
        return reply;
    }

private:
    UniqueFd m_fd;
    bool m_connected = false;
    std::string m_pending;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(EmulatorControlSocket, AttachDumpClearDetach)
{
    test::TempDir folder;
    auto emulator = std::make_shared<Emulator>();
    emulator->AddConnection(EmulatedConnection::FromMode(test::TestMode(0)));
    EmulatorControlSocket socket(*emulator);
    const std::string path = folder.File("k-emulator.sock");
    ASSERT_TRUE(socket.Start(path));

    Client client(path);
    ASSERT_TRUE(client.Connected());
    EXPECT_EQ(client.Ask("attach 0"), "ok");
    EXPECT_TRUE(emulator->IsAttached(0));
    EXPECT_EQ(client.Ask("attach 0"), "error: no connection 0 to attach");
    EXPECT_EQ(client.Ask("attach 1"), "error: no connection 1 to attach");

    // A report reaches the keyboard; dump shows it raw and decoded.
    const auto endpoint = emulator->Open(EmulatedConnection::FromMode(test::TestMode(0)).PathOf(2));
    ASSERT_TRUE(endpoint);
    std::string error;
    emulator->SendFeature(*endpoint, protocol::SetRemapSlot(3, 0x04, 0x05), error);
    const std::string dump = client.Ask("dump");
    EXPECT_TRUE(test::IsJson(dump)) << dump.substr(0, 200);
    EXPECT_TRUE(Contains(dump, R"("mode":0,"interface":2,"hex":"07fa010304010501")")) << dump.substr(0, 300);
    EXPECT_TRUE(Contains(dump, R"("virtual_reports":[])"));
    EXPECT_TRUE(Contains(dump, R"("attached":[0])"));
    EXPECT_TRUE(Contains(dump, R"({"slot":3,"key":4,"value":5})"));

    EXPECT_EQ(client.Ask("clear"), "ok");
    const std::string cleared = client.Ask("dump");
    EXPECT_TRUE(Contains(cleared, R"("feature_reports":[],"output_reports":[])"));
    EXPECT_TRUE(Contains(cleared, R"({"slot":3,"key":4,"value":5})")); // the keyboard keeps its state

    EXPECT_EQ(client.Ask("detach 0"), "ok");
    EXPECT_FALSE(emulator->IsAttached(0));
    EXPECT_EQ(client.Ask("press 4"), "error: no key input stand-in");
    EXPECT_EQ(client.Ask("fly"), "error: unknown command");
    EXPECT_EQ(client.Ask("attach"), "error: attach needs a connection mode");
    EXPECT_EQ(client.Ask("dump now"), "error: dump takes no argument");

    socket.Stop();
    EXPECT_NE(::access(path.c_str(), F_OK), 0);
}

TEST(EmulatorControlSocket, PressAndReleaseGoToTheInstalledInput)
{
    Emulator emulator;
    std::vector<std::pair<int, bool>> keys;
    emulator.SetKeyInput([&](int usage, bool pressed) {
        keys.emplace_back(usage, pressed);
        return true;
    });
    EmulatorControlSocket socket(emulator);
    EXPECT_EQ(socket.Execute("press 0x04"), "ok");
    EXPECT_EQ(socket.Execute("release 4"), "ok");
    EXPECT_EQ(socket.Execute("press 256"), "error: press needs a HID usage");
    EXPECT_EQ(keys, (std::vector<std::pair<int, bool>> { { 4, true }, { 4, false } }));
}

TEST(EmulatorControlSocket, DefaultPathIsInTheRuntimeFolder)
{
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string previous = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", "/run/user/4242", 1);
    lumo::Manager::SetDeviceName("Clavora");
    EXPECT_EQ(EmulatorControlSocket::DefaultPath(), "/run/user/4242/Clavora-emulator.sock");
    if (saved)
        ::setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

} // namespace
} // namespace clavora
