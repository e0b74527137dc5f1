// Generates the program's pictures: skin images, icons, logos, the loading animations, the
// program icon and one keyboard picture per layout file.
//
//   clavora_assetgen --out <application folder> [--layouts <folder of layout files>]
//                    [--manifest <file listing what the previous run wrote>] [--keyboards-only]

#include "AssetWriter.h"
#include "KeyboardPictures.h"
#include "SkinPainters.h"


#include <cstdio>
#include <cstring>
#include <string>

// The font caches of fontconfig, pango and cairo live until exit by design. Tearing them down
// at exit is not safe while any font object is alive, so sanitizer builds are told about them
// instead.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libpango-1.0.so\nleak:libpangoft2-1.0.so\nleak:libcairo.so\n";
}

int main(int argc, char** argv)
{
    std::string outFolder;
    std::string layoutFolder;
    std::string manifest;
    bool skins = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc)
            outFolder = argv[++i];
        else if (std::strcmp(argv[i], "--layouts") == 0 && i + 1 < argc)
            layoutFolder = argv[++i];
        else if (std::strcmp(argv[i], "--manifest") == 0 && i + 1 < argc)
            manifest = argv[++i];
        else if (std::strcmp(argv[i], "--keyboards-only") == 0)
            skins = false;
        else {
            std::fprintf(stderr, "usage: %s --out <folder> [--layouts <folder>] [--manifest <file>] [--keyboards-only]\n", argv[0]);
            return 2;
        }
    }
    if (outFolder.empty()) {
        std::fprintf(stderr, "%s: --out is required\n", argv[0]);
        return 2;
    }

    using namespace clavora::assets;
    AssetWriter out(outFolder);
    if (skins) {
        PaintFrames(out);
        PaintButtons(out);
        PaintIcons(out);
        PaintColourPickers(out);
        PaintBranding(out);
    }
    if (!layoutFolder.empty())
        PaintKeyboardPictures(out, layoutFolder);
    if (!manifest.empty())
        out.RemoveStale(manifest);

    for (const std::string& error : out.Errors())
        std::fprintf(stderr, "clavora_assetgen: %s\n", error.c_str());

    return out.Ok() ? 0 : 1;
}
