#pragma once

// AssetWriter - writes generated pictures into the data tree beside the executable.
//
// Every picture goes into the skin folder (skins/theme1/), where the toolkit looks up all
// image names. Pictures under icon/, logo/ and keyboard/ and the program icon are also
// written to the same place in the application folder, which holds those folders too.

#include "Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace clavora::assets {

class AssetWriter {
public:
    explicit AssetWriter(std::string appFolder);

    // Name relative to the skin folder, with '/' separators.
    void Png(const std::string& name, const Canvas& canvas);
    void Bytes(const std::string& name, const std::vector<uint8_t>& bytes);

    // Records a failure that is not a write (bad input, unpaintable picture).
    void Fail(const std::string& message);

    // Removes the files a previous run listed in the manifest but this run did not write, then
    // lists this run's files there, so renamed or dropped pictures do not linger.
    void RemoveStale(const std::string& manifestPath);

    bool Ok() const { return m_errors.empty(); }
    const std::vector<std::string>& Errors() const { return m_errors; }
    int WrittenCount() const { return m_written; }

    static std::string SkinFolder() { return "skins/theme1/"; }

private:
    bool WriteFile(const std::string& relative, const std::vector<uint8_t>& bytes);

    std::string m_appFolder;
    std::vector<std::string> m_errors;
    std::vector<std::string> m_files;  // every path written, relative to the application folder
    int m_written = 0;
};

} // namespace clavora::assets
