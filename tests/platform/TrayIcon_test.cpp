#include "platform/TrayIcon.h"

#include "FakeWatcher.h"
#include "PngFile.h"
#include "PrivateBus.h"
#include "ScopedEnv.h"
#include "TrayClient.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>
#include <unistd.h>

namespace clavora {
namespace {

using MenuEntries = std::vector<std::pair<int, std::string>>;

// Collects what the tray delivers on its thread, for reading on the test thread.
class EventLog {
public:
    TrayEventHandler Handler()
    {
        return [this](const TrayEvent& event) {
            std::lock_guard lock(m_lock);
            m_events.push_back(event);
        };
    }
    std::vector<TrayEvent> Events() const
    {
        std::lock_guard lock(m_lock);
        return m_events;
    }

private:
    mutable std::mutex m_lock;
    std::vector<TrayEvent> m_events;
};

std::string ItemService()
{
    return "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-109";
}

// For states another thread brings about with no event to wait on.
bool Eventually(const std::function<bool()>& done)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

size_t ThreadCount()
{
    auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return static_cast<size_t>(std::distance(begin(tasks), end(tasks)));
}

class TrayIconTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_bus = new test::PrivateBus; }
    static void TearDownTestSuite()
    {
        delete s_bus;
        s_bus = nullptr;
    }
    void SetUp() override { ASSERT_FALSE(Address().empty()) << "dbus-daemon did not start"; }

    static const std::string& Address() { return s_bus->Address(); }
    static TrayIconData Data()
    {
        TrayIconData data;
        data.toolTip = "Clavora";
        data.menu = { { kTrayCommandCloseSettings, "Close settings" }, { kTrayCommandExit, "Exit" } };
        return data;
    }

    static inline test::PrivateBus* s_bus = nullptr;
    EventLog m_log;
};

TEST_F(TrayIconTest, RegistersWithTheWatcherAndShowsNameTipAndPicture)
{
    test::TempDir dir;
    std::string name;
    for (int i = 0; i < 130; ++i)
        name += "\xC3\x84"; // Ä: two bytes, one character
    TrayIconData data = Data();
    data.toolTip = name;
    data.iconPath = test::WritePng(dir.File("icon.png"), 2, 1, { 255, 0, 0, 255, 0, 0, 255, 128 }, true);
    test::FakeWatcher watcher(Address());
    ASSERT_TRUE(watcher.IsServing());

    TrayIcon tray(m_log.Handler(), Address());
    EXPECT_TRUE(tray.Add(data));
    EXPECT_TRUE(tray.IsAdded());
    EXPECT_EQ(watcher.WaitForRegistrations(1), std::vector<std::string> { ItemService() });

    test::TrayClient host(Address(), ItemService());
    EXPECT_EQ(host.ToolTipTitle(), name.substr(0, 127 * 2));
    EXPECT_EQ(host.ItemString("Title"), name);
    EXPECT_EQ(host.ItemString("Id"), name);
    EXPECT_EQ(host.ItemString("Category"), "ApplicationStatus");
    EXPECT_EQ(host.ItemString("Status"), "Active");
    EXPECT_FALSE(host.ItemIsMenu());
    EXPECT_EQ(host.MenuPath(), "/MenuBar");
    TrayPixmap pixmap = host.IconPixmap();
    EXPECT_EQ(pixmap.width, 2);
    EXPECT_EQ(pixmap.height, 1);
    EXPECT_EQ(pixmap.argb, (std::vector<uint8_t> { 255, 255, 0, 0, 128, 0, 0, 255 }));
    EXPECT_EQ(host.MenuLayout().second.size(), 2u);
}

TEST_F(TrayIconTest, MissingPictureStillAddsTheIcon)
{
    test::FakeWatcher watcher(Address());
    TrayIconData data = Data();
    data.iconPath = "/nonexistent/Clavora.ico";
    TrayIcon tray(m_log.Handler(), Address());
    EXPECT_TRUE(tray.Add(data));
    test::TrayClient host(Address(), ItemService());
    EXPECT_TRUE(host.IconPixmap().argb.empty());
    EXPECT_EQ(host.ToolTipTitle(), "Clavora");
}

TEST_F(TrayIconTest, ClicksAndMenuChoicesReachTheHandler)
{
    test::FakeWatcher watcher(Address());
    TrayIcon tray(m_log.Handler(), Address());
    ASSERT_TRUE(tray.Add(Data()));
    test::TrayClient host(Address(), ItemService());

    EXPECT_TRUE(host.Click("Activate", 5, 6));
    EXPECT_TRUE(host.Click("ContextMenu", 7, 8));
    EXPECT_TRUE(host.Click("SecondaryActivate", 9, 9));
    EXPECT_TRUE(host.MenuEvent(kTrayCommandCloseSettings, "clicked"));
    EXPECT_TRUE(host.MenuEvent(kTrayCommandExit, "clicked"));
    EXPECT_TRUE(host.MenuEvent(kTrayCommandExit, "hovered"));
    EXPECT_FALSE(host.MenuEvent(999, "clicked"));
    EXPECT_EQ(host.MenuClickGroup({ kTrayCommandExit, 999 }), std::vector<int> { 999 });
    EXPECT_EQ(host.MenuClickGroup({ 999 }), std::vector<int> { -1 });

    // The handler has run by the time each call is answered, so no waiting is needed here.
    std::vector<TrayEvent> events = m_log.Events();
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].kind, TrayEvent::Kind::Activate);
    EXPECT_EQ(events[1].kind, TrayEvent::Kind::ContextMenu);
    EXPECT_EQ(std::make_pair(events[1].x, events[1].y), std::make_pair(7, 8));
    const int commands[] = { kTrayCommandCloseSettings, kTrayCommandExit, kTrayCommandExit };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(events[2 + i].kind, TrayEvent::Kind::Command);
        EXPECT_EQ(events[2 + i].command, commands[i]);
    }
}

TEST_F(TrayIconTest, MenuListsEachCommandOnceWithEscapedLabels)
{
    test::FakeWatcher watcher(Address());
    TrayIconData data = Data();
    data.menu = { { 200, "Close_settings" }, { 100, "Exit" }, { 100, "Again" }, { 0, "Root" }, { -3, "Bad" } };
    TrayIcon tray(m_log.Handler(), Address());
    ASSERT_TRUE(tray.Add(data));
    test::TrayClient host(Address(), ItemService());
    EXPECT_EQ(host.MenuLayout().second, (MenuEntries { { 200, "Close__settings" }, { 100, "Exit" } }));
}

TEST_F(TrayIconTest, ToolTipAndMenuChangesAreAnnounced)
{
    test::FakeWatcher watcher(Address());
    TrayIcon tray(m_log.Handler(), Address());
    ASSERT_TRUE(tray.Add(Data()));
    test::TrayClient host(Address(), ItemService());

    host.Watch("/StatusNotifierItem", "org.kde.StatusNotifierItem", "NewToolTip");
    tray.SetToolTip(std::string(200, 'x'));
    EXPECT_TRUE(host.WaitForSignal());
    EXPECT_EQ(host.ToolTipTitle(), std::string(127, 'x'));

    unsigned before = host.MenuLayout().first;
    host.Watch("/MenuBar", "com.canonical.dbusmenu", "LayoutUpdated");
    tray.SetMenu({ { 200, "Einstellungen" }, { 100, "Beenden" } });
    EXPECT_TRUE(host.WaitForSignal());
    auto [revision, entries] = host.MenuLayout();
    EXPECT_GT(revision, before);
    EXPECT_EQ(entries, (MenuEntries { { 200, "Einstellungen" }, { 100, "Beenden" } }));
}

TEST_F(TrayIconTest, WatcherAppearingLaterGetsTheRegistration)
{
    TrayIcon tray(m_log.Handler(), Address());
    EXPECT_FALSE(tray.Add(Data()));
    EXPECT_FALSE(tray.IsAdded());
    {
        test::FakeWatcher watcher(Address());
        EXPECT_EQ(watcher.WaitForRegistrations(1), std::vector<std::string> { ItemService() });
        EXPECT_TRUE(Eventually([&] { return tray.IsAdded(); }));
    }
    // The host went away; a new one (a restarted panel) gets the item again.
    EXPECT_TRUE(Eventually([&] { return !tray.IsAdded(); }));
    test::FakeWatcher restarted(Address());
    EXPECT_EQ(restarted.WaitForRegistrations(1).size(), 1u);
    EXPECT_TRUE(Eventually([&] { return tray.IsAdded(); }));
}

TEST_F(TrayIconTest, RemoveTakesTheItemOffTheBusAndAddBringsItBack)
{
    test::FakeWatcher watcher(Address());
    TrayIcon tray(m_log.Handler(), Address());
    ASSERT_TRUE(tray.Add(Data()));
    tray.Remove();
    EXPECT_FALSE(tray.IsAdded());
    EXPECT_TRUE(watcher.WaitForItemGone(ItemService()));
    tray.Remove();

    EXPECT_TRUE(tray.Add(Data()));
    EXPECT_EQ(watcher.WaitForRegistrations(2).size(), 2u);
    EXPECT_EQ(watcher.Items(), std::vector<std::string> { ItemService() });
}

TEST_F(TrayIconTest, RemoveFromTheHandlerEndsTheItem)
{
    test::FakeWatcher watcher(Address());
    std::unique_ptr<TrayIcon> tray;
    tray = std::make_unique<TrayIcon>([&tray](const TrayEvent&) { tray->Remove(); }, Address());
    ASSERT_TRUE(tray->Add(Data()));
    test::TrayClient host(Address(), ItemService());
    host.Click("Activate", 0, 0);
    EXPECT_TRUE(watcher.WaitForItemGone(ItemService()));
    EXPECT_FALSE(tray->IsAdded());
    tray.reset();
}

TEST_F(TrayIconTest, NoBusMeansNoIconAndNoThread)
{
    test::TempDir dir;
    const size_t threads = ThreadCount();
    TrayIcon tray(m_log.Handler(), "unix:path=" + dir.File("no-bus"));
    EXPECT_FALSE(tray.Add(Data()));
    EXPECT_FALSE(tray.IsAdded());
    tray.SetToolTip("still fine");
    tray.SetMenu({});
    tray.Remove();
    EXPECT_EQ(ThreadCount(), threads);

    // The session bus is found through the environment; without one there is nothing to reach.
    test::ScopedEnv address("DBUS_SESSION_BUS_ADDRESS", std::nullopt);
    test::ScopedEnv runtime("XDG_RUNTIME_DIR", dir.Path().string());
    TrayIcon session(m_log.Handler());
    EXPECT_FALSE(session.Add(Data()));
    EXPECT_EQ(ThreadCount(), threads);
}

TEST_F(TrayIconTest, SessionBusComesFromTheEnvironment)
{
    test::ScopedEnv address("DBUS_SESSION_BUS_ADDRESS", Address());
    test::FakeWatcher watcher(Address());
    TrayIcon tray(m_log.Handler());
    EXPECT_TRUE(tray.Add(Data()));
    EXPECT_EQ(watcher.WaitForRegistrations(1), std::vector<std::string> { ItemService() });
}

} // namespace
} // namespace clavora
