// Shows the keyboard picture and the key chooser with a model's full-size layout.
//   lumoui_keyboard_view [--model TYPE] [--mode 100..104] [--tips] [--shot FILE]
// --model picks the model of that device type in config.xml (default 201), --mode the
// picture's display mode (default 101), --tips shows a key's tip, --shot saves the window as
// PNG after a moment and ends. With LUMOUI_HEADLESS=1 the window is drawn in memory.

#include "KeyboardViewDialog.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    keyboardview::Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--model") == 0 && i + 1 < argc) {
            options.deviceType = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--mode") == 0 && i + 1 < argc) {
            options.mode = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
            options.shot = argv[++i];
        } else if (std::strcmp(argv[i], "--tips") == 0) {
            options.tips = true;
        } else {
            std::fprintf(stderr, "usage: %s [--model TYPE] [--mode 100..104] [--tips] [--shot FILE]\n", argv[0]);
            return 2;
        }
    }
    keyboardview::KeyboardViewDialog dialog(options);
    if (!dialog.Create(nullptr, "Keyboard picture", lumo::WS_POPUP, 0, lumo::CRect(0, 0, 1280, 720))) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    dialog.CenterWindow(nullptr);
    // The modal loop, as the program's main window runs: it also feeds the tooltips.
    dialog.ShowModal(lumo::SW_SHOW);
    return dialog.Result();
}
