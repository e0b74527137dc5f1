#include "platform/FileIo.h"

#include "platform/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <glib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace clavora {

bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& bytes, std::string& error)
{
    bytes.clear();
    UniqueFd file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (file.Get() < 0 || fstat(file.Get(), &st) != 0) {
        error = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = std::strerror(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        error = std::strerror(EFBIG);
        return false;
    }
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    // The file may change size while it is read: read to its end, within the limit.
    for (;;) {
        if (done == bytes.size()) {
            if (done > maxBytes) {
                error = std::strerror(EFBIG);
                bytes.clear();
                return false;
            }
            bytes.resize(std::min(maxBytes + 1, done + 4096));
        }
        const ssize_t n = read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = std::strerror(errno);
            bytes.clear();
            return false;
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error)
{
    GError* gerror = nullptr;
    if (g_file_set_contents(path.c_str(), bytes.data(), static_cast<gssize>(bytes.size()), &gerror))
        return true;
    error = gerror ? gerror->message : "write failed";
    g_clear_error(&gerror);
    return false;
}

} // namespace clavora
