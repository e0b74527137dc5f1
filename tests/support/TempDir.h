#pragma once

#include <filesystem>
#include <string>

namespace clavora::test {

// A fresh folder under /tmp that is removed with everything in it when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Path of a file inside the folder, as text.
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    // Writes bytes into a file inside the folder (creating sub-folders) and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// Reads a whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);

} // namespace clavora::test
