#include "device/emulator/EmulatorControlSocket.h"

#include "device/emulator/Emulator.h"
#include "platform/LocalSocket.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <sys/socket.h>
#include <vector>

namespace clavora {

namespace {

constexpr size_t kMaxLine = 64 * 1024;
constexpr int kBacklog = 8;

// A decimal or 0x-prefixed number filling the whole word.
bool ParseNumber(const std::string& word, int& value)
{
    if (word.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(word.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || parsed < 0 || parsed > 0xFFFF)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

struct EmulatorControlSocket::Client {
    UniqueFd fd;
    std::string pending;
};

EmulatorControlSocket::EmulatorControlSocket(Emulator& emulator)
    : m_emulator(emulator)
{
}

EmulatorControlSocket::~EmulatorControlSocket() { Stop(); }

std::string EmulatorControlSocket::DefaultPath()
{
    return RuntimeSocketPath("-emulator.sock");
}

bool EmulatorControlSocket::Start(const std::string& path)
{
    Stop();
    UniqueFd listen(ListenOnLocalSocket(path, kBacklog));
    if (!listen.IsValid())
        return false;
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        ::unlink(path.c_str());
        return false;
    }
    m_wakeRead = UniqueFd(wake[0]);
    m_wakeWrite = UniqueFd(wake[1]);
    m_listen = std::move(listen);
    m_path = path;
    m_thread = std::thread([this] { Serve(); });
    return true;
}

void EmulatorControlSocket::Stop()
{
    if (m_thread.joinable()) {
        const char stop = 1;
        [[maybe_unused]] ssize_t n = ::write(m_wakeWrite.Get(), &stop, 1);
        m_thread.join();
    }
    if (!m_path.empty())
        ::unlink(m_path.c_str());
    m_path.clear();
    m_listen.Reset();
    m_wakeRead.Reset();
    m_wakeWrite.Reset();
}

void EmulatorControlSocket::Serve()
{
    std::vector<Client> clients;
    for (;;) {
        std::vector<pollfd> fds { { m_wakeRead.Get(), POLLIN, 0 }, { m_listen.Get(), POLLIN, 0 } };
        for (const Client& client : clients)
            fds.push_back({ client.fd.Get(), POLLIN, 0 });
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        // Clients first: their indices in `fds` match `clients` only before any is added.
        for (size_t i = clients.size(); i-- > 0;) {
            if (fds[i + 2].revents && !ServeClient(clients[i]))
                clients.erase(clients.begin() + static_cast<long>(i));
        }
        if (fds[1].revents & POLLIN) {
            UniqueFd accepted(::accept4(m_listen.Get(), nullptr, nullptr, SOCK_CLOEXEC));
            if (accepted.IsValid())
                clients.push_back({ std::move(accepted), {} });
        }
    }
}

// Reads what the client sent and answers every complete line; false when it is done.
bool EmulatorControlSocket::ServeClient(Client& client)
{
    char buffer[4096];
    const ssize_t n = ::recv(client.fd.Get(), buffer, sizeof buffer, 0);
    if (n < 0 && errno == EINTR)
        return true;
    if (n <= 0)
        return false;
    client.pending.append(buffer, static_cast<size_t>(n));
    size_t end;
    while ((end = client.pending.find('\n')) != std::string::npos) {
        std::string line = client.pending.substr(0, end);
        client.pending.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!SendAll(client.fd.Get(), Execute(line) + "\n"))
            return false;
    }
    if (client.pending.size() > kMaxLine) {
        SendAll(client.fd.Get(), "error: line too long\n");
        return false;
    }
    return true;
}

std::string EmulatorControlSocket::Execute(const std::string& line)
{
    std::istringstream words(line);
    std::string command;
    std::string argument;
    std::string extra;
    words >> command >> argument >> extra;
    if (!extra.empty())
        return "error: too many arguments";

    if (command == "dump" || command == "clear") {
        if (!argument.empty())
            return "error: " + command + " takes no argument";
        if (command == "dump")
            return m_emulator.Dump();
        m_emulator.Clear();
        return "ok";
    }
    int number = 0;
    const bool numbered = ParseNumber(argument, number);
    if (command == "attach" || command == "detach") {
        if (!numbered)
            return "error: " + command + " needs a connection mode";
        const bool done = command == "attach" ? m_emulator.Attach(number) : m_emulator.Detach(number);
        return done ? "ok" : "error: no connection " + argument + " to " + command;
    }
    if (command == "press" || command == "release") {
        if (!numbered || number > 0xFF)
            return "error: " + command + " needs a HID usage";
        return m_emulator.PressKey(number, command == "press") ? "ok" : "error: no key input stand-in";
    }
    return "error: unknown command";
}

} // namespace clavora
