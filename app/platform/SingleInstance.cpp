#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace clavora {

namespace {

// A second start may find the lock taken a moment before the first one listens.
constexpr int kConnectAttempts = 40;
constexpr long kConnectRetryNs = 50'000'000;

// The folder and name prefix of the lock and socket files.
std::string RuntimeBase(const std::string& deviceName)
{
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir && *dir == '/')
        return std::string(dir) + "/" + deviceName;
    return "/tmp/" + deviceName + "-" + std::to_string(getuid());
}

} // namespace

SingleInstance::SingleInstance(std::string deviceName) : m_name(std::move(deviceName)) { }

SingleInstance::~SingleInstance()
{
    // The listener thread may be delivering; stop it before the queue goes away.
    m_listener.Stop();
}

std::string SingleInstance::LockPath(const std::string& deviceName) { return RuntimeBase(deviceName) + ".lock"; }

std::string SingleInstance::SocketPath(const std::string& deviceName) { return RuntimeBase(deviceName) + ".sock"; }

SingleInstance::Role SingleInstance::Acquire()
{
    UniqueFd lock(open(LockPath(m_name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    struct stat st {};
    // A lock file of another user (possible in /tmp) proves nothing about our own instance.
    if (!lock.IsValid() || fstat(lock.Get(), &st) != 0 || st.st_uid != getuid())
        return Role::Unguarded;
    if (flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK)
            return Role::Unguarded;
        for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
            const auto sent = InstanceListener::Send(SocketPath(m_name), CommandWord(InstanceMessage::Activate));
            if (sent != InstanceListener::SendResult::NoListener)
                break;
            const timespec pause { 0, kConnectRetryNs };
            nanosleep(&pause, nullptr);
        }
        return Role::Secondary;
    }
    m_lock = std::move(lock);
    // Without the socket the lock still keeps a second copy from running.
    m_listener.Start(SocketPath(m_name), [this](std::string_view line) { return Deliver(line); });
    return Role::Primary;
}

void SingleInstance::SetMessageHandler(MessageHandler handler)
{
    std::lock_guard guard(m_queueLock);
    m_handler = std::move(handler);
    while (m_handler && !m_queue.empty()) {
        const InstanceMessage message = m_queue.front();
        m_queue.pop_front();
        m_handler(message);
    }
}

bool SingleInstance::Deliver(std::string_view line)
{
    const std::optional<InstanceMessage> message = ParseCommand(line);
    if (!message)
        return false;
    std::lock_guard guard(m_queueLock);
    if (m_handler) {
        m_handler(*message);
        return true;
    }
    if (m_queue.size() >= kMaxQueued)
        return false;
    m_queue.push_back(*message);
    return true;
}

bool SingleInstance::SendCommand(const std::string& deviceName, std::string_view command)
{
    return InstanceListener::Send(SocketPath(deviceName), command) == InstanceListener::SendResult::Taken;
}

std::optional<InstanceMessage> SingleInstance::ParseCommand(std::string_view word)
{
    for (InstanceMessage message : { InstanceMessage::Activate, InstanceMessage::Quit, InstanceMessage::ReloadTexts }) {
        if (word == CommandWord(message))
            return message;
    }
    return std::nullopt;
}

const char* SingleInstance::CommandWord(InstanceMessage message)
{
    switch (message) {
    case InstanceMessage::Activate:
        return "activate";
    case InstanceMessage::Quit:
        return "quit";
    case InstanceMessage::ReloadTexts:
        return "reload-texts";
    }
    return "";
}

} // namespace clavora
