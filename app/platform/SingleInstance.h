#pragma once

// One running program per user and device name.
//
// The first process takes an flock on <runtime dir>/<device name>.lock and listens on the
// socket <runtime dir>/<device name>.sock beside it (the runtime dir is $XDG_RUNTIME_DIR, or
// /tmp with "-<uid>" added to both names when that is unset). A later start finds the lock
// taken, sends "activate" to the first one and ends. The lock dies with its process, and a
// new first process replaces a socket file left behind, so a crash never blocks a start.
//
// Commands other processes of the same user may send, one per line:
//   activate       bring the window to the front (sent by a second start)
//   quit           end the program as its quit message does
//   reload-texts   read every text again from the language file
// Anything else is ignored.
//
// Messages are queued until a consumer is registered, then handed to it in order.

#include "platform/InstanceListener.h"
#include "platform/UniqueFd.h"

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace clavora {

enum class InstanceMessage { Activate, Quit, ReloadTexts };

class SingleInstance {
public:
    enum class Role {
        Primary,   // this process holds the lock and listens
        Secondary, // another process holds it; "activate" has been offered to it
        Unguarded, // no lock could be set up (unusable runtime folder); run without one
    };
    // Runs on the listener thread (or, for queued messages, on the registering thread) with
    // the queue's lock held: post the message on and return; never call back into this.
    using MessageHandler = std::function<void(InstanceMessage)>;

    // Messages beyond this many wait for no consumer and are dropped.
    static constexpr size_t kMaxQueued = 32;

    explicit SingleInstance(std::string deviceName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Role Acquire();

    // Registers the consumer and hands it every queued message; null queues again.
    void SetMessageHandler(MessageHandler handler);

    static std::string LockPath(const std::string& deviceName);
    static std::string SocketPath(const std::string& deviceName);
    // Sends a command word to the running program; true when it took it.
    static bool SendCommand(const std::string& deviceName, std::string_view command);

    static std::optional<InstanceMessage> ParseCommand(std::string_view word);
    static const char* CommandWord(InstanceMessage message);

private:
    bool Deliver(std::string_view line);

    std::string m_name;
    UniqueFd m_lock;
    InstanceListener m_listener;
    std::mutex m_queueLock;
    std::deque<InstanceMessage> m_queue; // guarded by m_queueLock
    MessageHandler m_handler;            // guarded by m_queueLock
};

} // namespace clavora
