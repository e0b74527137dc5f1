#include "platform/LocalSocket.h"

#include "lumoui/Manager.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace clavora {

std::string RuntimeSocketPath(const std::string& suffix)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = runtime && *runtime == '/' ? runtime : "/tmp";
    return folder + "/" + lumo::Manager::GetDeviceName() + suffix;
}

int ListenOnLocalSocket(const std::string& path, int backlog)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    ::unlink(path.c_str());
    // The runtime folder is the user's alone already; the mode narrows sockets elsewhere (a
    // process-wide umask change would race with other threads creating files).
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (bound)
        ::chmod(path.c_str(), 0600);
    if (!bound || ::listen(fd, backlog) != 0) {
        if (bound)
            ::unlink(path.c_str());
        ::close(fd);
        return -1;
    }
    return fd;
}

bool SendAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::send(fd, data.data(), data.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

} // namespace clavora
