#include "platform/Paths.h"

#include "lumoui/Manager.h"

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace clavora {

namespace {

std::mutex g_overrideLock;
std::string g_appFolderOverride;

std::string WithTrailingSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

bool IsFolder(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ExecutableFolder()
{
    std::string buffer(4096, '\0');
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return "./";
    buffer.resize(static_cast<size_t>(n));
    return buffer.substr(0, buffer.rfind('/') + 1);
}

} // namespace

std::string GetAppFolder()
{
    {
        std::lock_guard lock(g_overrideLock);
        if (!g_appFolderOverride.empty())
            return g_appFolderOverride;
    }
    static const std::string folder = ExecutableFolder();
    return folder;
}

void SetAppFolderOverride(const std::string& folder)
{
    std::lock_guard lock(g_overrideLock);
    g_appFolderOverride = folder.empty() ? std::string() : WithTrailingSlash(folder);
}

std::string GetDataFolder()
{
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : "/tmp") + "/.local/share";
    }
    return WithTrailingSlash(base) + lumo::Manager::GetDeviceName() + " Files/";
}

bool CreateFolderTree(const std::string& path)
{
    if (path.empty())
        return false;
    if (IsFolder(path))
        return true;
    // Create each prefix that ends just before a '/', skipping the root.
    for (size_t pos = path.find('/', 1); pos != std::string::npos; pos = path.find('/', pos + 1))
        mkdir(path.substr(0, pos).c_str(), 0755);
    if (mkdir(path.c_str(), 0755) == 0)
        return true;
    return errno == EEXIST && IsFolder(path);
}

} // namespace clavora
