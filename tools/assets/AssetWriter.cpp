#include "AssetWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace clavora::assets {
namespace {

bool IsMirrored(const std::string& name)
{
    return name.rfind("icon/", 0) == 0 || name.rfind("logo/", 0) == 0 ||
           name.rfind("keyboard/", 0) == 0 || name == "Clavora.ico" || name == "Clavora.png";
}

} // namespace

AssetWriter::AssetWriter(std::string appFolder) : m_appFolder(std::move(appFolder))
{
    if (!m_appFolder.empty() && m_appFolder.back() != '/')
        m_appFolder += '/';
}

void AssetWriter::Png(const std::string& name, const Canvas& canvas)
{
    if (!canvas.IsValid()) {
        Fail(name + ": drawing failed");
        return;
    }
    const std::vector<uint8_t> bytes = canvas.EncodePng();
    if (bytes.empty()) {
        Fail(name + ": PNG encoding failed");
        return;
    }
    Bytes(name, bytes);
}

void AssetWriter::Bytes(const std::string& name, const std::vector<uint8_t>& bytes)
{
    if (WriteFile(m_appFolder + SkinFolder() + name, bytes))
        ++m_written;
    if (IsMirrored(name))
        WriteFile(m_appFolder + name, bytes);
}

void AssetWriter::Fail(const std::string& message)
{
    m_errors.push_back(message);
}

bool AssetWriter::WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    if (ec) {
        Fail(path + ": " + ec.message());
        return false;
    }
    // Write beside the target and rename, so a reader never sees half a picture.
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.good()) {
            out.close();
            std::remove(temp.c_str());
            Fail(path + ": cannot write");
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::remove(temp.c_str());
        Fail(path + ": " + ec.message());
        return false;
    }
    return true;
}

} // namespace clavora::assets
