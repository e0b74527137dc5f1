#include "platform/InstanceListener.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace clavora {

namespace {

using Clock = std::chrono::steady_clock;

bool MakeAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool PeerIsSameUser(int fd)
{
    ucred credentials {};
    socklen_t length = sizeof(credentials);
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0 && credentials.uid == getuid();
}

// Waits until fd is ready for events or the deadline passes; false on timeout or error.
bool WaitFor(int fd, short events, Clock::time_point deadline)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p { fd, events, 0 };
        const int rc = poll(&p, 1, static_cast<int>(left));
        if (rc > 0)
            return true;
        if (rc == 0 || errno != EINTR)
            return false;
    }
}

// Reads until the peer closes its side (finished is then set), the limit is reached or the
// deadline passes.
std::string ReadAll(int fd, size_t limit, Clock::time_point deadline, bool* finished = nullptr)
{
    std::string data;
    if (finished)
        *finished = false;
    char buffer[256];
    while (data.size() < limit && WaitFor(fd, POLLIN, deadline)) {
        const ssize_t n = recv(fd, buffer, std::min(sizeof(buffer), limit - data.size()), MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0) {
            if (finished)
                *finished = n == 0;
            break;
        }
        data.append(buffer, static_cast<size_t>(n));
    }
    return data;
}

void SendAll(int fd, std::string_view data, Clock::time_point deadline)
{
    while (!data.empty() && WaitFor(fd, POLLOUT, deadline)) {
        const ssize_t n = send(fd, data.data(), data.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return;
        data.remove_prefix(static_cast<size_t>(n));
    }
}

} // namespace

InstanceListener::~InstanceListener() { Stop(); }

bool InstanceListener::Start(const std::string& path, LineHandler handler)
{
    Stop();
    sockaddr_un address;
    if (!MakeAddress(path, address))
        return false;
    UniqueFd sock(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    int pipeFds[2];
    if (!sock.IsValid() || pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    m_wakeRead.Reset(pipeFds[0]);
    m_wakeWrite.Reset(pipeFds[1]);
    // Whatever is at the path is left from a run that ended without cleaning up: the caller
    // holds the instance lock, so no live listener can own it.
    unlink(path.c_str());
    if (bind(sock.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        return false;
    chmod(path.c_str(), 0600);
    if (listen(sock.Get(), 8) != 0) {
        unlink(path.c_str());
        return false;
    }
    m_path = path;
    m_handler = std::move(handler);
    m_socket = std::move(sock);
    m_thread = std::thread([this] { Run(); });
    return true;
}

void InstanceListener::Stop()
{
    if (m_thread.joinable()) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t n = write(m_wakeWrite.Get(), &wake, 1);
        m_thread.join();
    }
    if (m_socket.IsValid()) {
        m_socket.Reset();
        unlink(m_path.c_str());
    }
    m_wakeRead.Reset();
    m_wakeWrite.Reset();
}

void InstanceListener::Run()
{
    for (;;) {
        pollfd fds[2] = { { m_socket.Get(), POLLIN, 0 }, { m_wakeRead.Get(), POLLIN, 0 } };
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0)
            return;
        if (fds[0].revents & POLLIN) {
            UniqueFd client(accept4(m_socket.Get(), nullptr, nullptr, SOCK_CLOEXEC));
            if (client.IsValid() && PeerIsSameUser(client.Get()))
                Serve(client.Get());
        }
    }
}

void InstanceListener::Serve(int client)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(kConnectionDeadlineMs);
    bool finished = false;
    const std::string data = ReadAll(client, kMaxConnectionBytes, deadline, &finished);
    std::string answer;
    size_t pos = 0;
    while (pos < data.size()) {
        size_t end = data.find('\n', pos);
        // A last line without its line break counts only when the peer finished sending.
        if (end == std::string::npos) {
            if (!finished)
                break;
            end = data.size();
        }
        std::string_view line(data.data() + pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool taken = line.size() <= kMaxLineLength && m_handler(line);
        answer += taken ? "ok\n" : "ignored\n";
    }
    SendAll(client, answer, deadline + std::chrono::milliseconds(kConnectionDeadlineMs));
}

InstanceListener::SendResult InstanceListener::Send(const std::string& path, std::string_view line)
{
    sockaddr_un address;
    if (!MakeAddress(path, address))
        return SendResult::NoListener;
    UniqueFd sock(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!sock.IsValid() || connect(sock.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        return SendResult::NoListener;
    // Only hand commands to a program of our own user.
    if (!PeerIsSameUser(sock.Get()))
        return SendResult::NoListener;
    const auto deadline = Clock::now() + std::chrono::milliseconds(2 * kConnectionDeadlineMs);
    SendAll(sock.Get(), std::string(line) + "\n", deadline);
    shutdown(sock.Get(), SHUT_WR);
    return ReadAll(sock.Get(), 64, deadline) == "ok\n" ? SendResult::Taken : SendResult::Ignored;
}

} // namespace clavora
