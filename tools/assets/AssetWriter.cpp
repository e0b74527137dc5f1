#include "AssetWriter.h"

#include <algorithm>
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
    if (WriteFile(SkinFolder() + name, bytes))
        ++m_written;
    if (IsMirrored(name))
        WriteFile(name, bytes);
}

void AssetWriter::Fail(const std::string& message)
{
    m_errors.push_back(message);
}

void AssetWriter::RemoveStale(const std::string& manifestPath)
{
    std::ifstream previous(manifestPath);
    std::string line;
    while (std::getline(previous, line)) {
        // Only names this writer could have made: relative, never leaving the folder.
        if (line.empty() || line.front() == '/' || line.find("..") != std::string::npos)
            continue;
        if (std::find(m_files.begin(), m_files.end(), line) == m_files.end())
            std::remove((m_appFolder + line).c_str());
    }
    previous.close();
    std::ofstream manifest(manifestPath, std::ios::trunc);
    for (const std::string& file : m_files)
        manifest << file << '\n';
    if (!manifest.good())
        Fail(manifestPath + ": cannot write");
}

bool AssetWriter::WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes)
{
    namespace fs = std::filesystem;
    const std::string path = m_appFolder + relative;
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
    m_files.push_back(relative);
    return true;
}

} // namespace clavora::assets
