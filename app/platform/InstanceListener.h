#pragma once

// The local socket through which other processes of the same user talk to the running
// program. The protocol is text: a client sends one short command per line and closes its
// sending side; the listener answers each line with "ok" when the line was taken or
// "ignored" when not, then closes. Peers of other users are dropped without an answer.
// Connections are served one at a time with a deadline, so a silent or endless peer cannot
// hold the listener for long.

#include "platform/UniqueFd.h"

#include <functional>
#include <string>
#include <string_view>
#include <thread>

namespace clavora {

class InstanceListener {
public:
    // Called on the listener thread for each received line; true when the line was taken.
    using LineHandler = std::function<bool(std::string_view line)>;

    static constexpr size_t kMaxLineLength = 64;
    static constexpr size_t kMaxConnectionBytes = 1024;
    static constexpr int kConnectionDeadlineMs = 1000;

    InstanceListener() = default;
    ~InstanceListener();
    InstanceListener(const InstanceListener&) = delete;
    InstanceListener& operator=(const InstanceListener&) = delete;

    // Binds the socket at path (replacing a stale one) and starts the listener thread.
    bool Start(const std::string& path, LineHandler handler);
    // Stops the thread and removes the socket file. Safe to call more than once.
    void Stop();

    enum class SendResult { NoListener, Taken, Ignored };
    // Client side: connects to the socket at path, checks that the listener belongs to this
    // user, sends one line and waits for the answer.
    static SendResult Send(const std::string& path, std::string_view line);

private:
    void Run();
    void Serve(int client);

    std::string m_path;
    LineHandler m_handler;
    UniqueFd m_socket;
    UniqueFd m_wakeRead;
    UniqueFd m_wakeWrite;
    std::thread m_thread;
};

} // namespace clavora
