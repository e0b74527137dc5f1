#pragma once

// A D-Bus connection served on a thread of its own.
//
// sd-bus objects are not thread-safe: a connection is set up on the owner's thread, handed to
// the loop thread by Start(), and from then on touched only there. Other threads reach it by
// posting work, which the loop runs between dispatches.

#include <systemd/sd-bus.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace clavora {

struct BusCloser {
    void operator()(sd_bus* bus) const { sd_bus_flush_close_unref(bus); }
};
using BusPtr = std::unique_ptr<sd_bus, BusCloser>;

struct BusMessageUnref {
    void operator()(sd_bus_message* message) const { sd_bus_message_unref(message); }
};
using BusMessagePtr = std::unique_ptr<sd_bus_message, BusMessageUnref>;

// Connects to the bus at the given address, or to the user's session bus when the address is
// empty. Null when no bus can be reached.
BusPtr ConnectBus(const std::string& address);

class BusLoop {
public:
    using Work = std::function<void(sd_bus*)>;

    explicit BusLoop(BusPtr bus);
    // Stops and joins the loop, then closes the connection.
    ~BusLoop();
    BusLoop(const BusLoop&) = delete;
    BusLoop& operator=(const BusLoop&) = delete;

    // The connection: for setting it up before Start(), and for work running on the loop thread.
    sd_bus* Bus() const { return m_bus.get(); }

    // Starts the loop thread. False when it cannot run (no wake-up descriptor, already started).
    bool Start();
    // Runs the work on the loop thread. False, and the work is dropped, when the loop has ended.
    bool Post(Work work);
    // Asks the loop to end after the current dispatch; safe from any thread, the loop's own too.
    void RequestStop();
    // Ends the loop and joins its thread. Must not be called on the loop thread.
    void Stop();
    // False once the loop has ended, whether asked to or because the connection dropped.
    bool IsRunning() const { return m_running.load(); }
    bool IsLoopThread() const { return m_loopThread.load() == std::this_thread::get_id(); }

private:
    void Run();
    // Runs the posted work; false when the loop is asked to end.
    bool RunPosted();
    bool Wait();
    void Wake();

    BusPtr m_bus;
    int m_wakeFd = -1;
    std::thread m_thread;
    std::atomic<std::thread::id> m_loopThread {};
    std::atomic<bool> m_running { false };

    std::mutex m_postLock;
    std::vector<Work> m_posted; // guarded by m_postLock
    bool m_stopRequested = false; // guarded by m_postLock
};

} // namespace clavora
