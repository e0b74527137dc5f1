#include "device/HidBackendChoice.h"

#include "device/HidapiBackend.h"
#include "device/emulator/Emulator.h"
#include "device/emulator/EmulatorBackend.h"
#include "device/emulator/EmulatorControlSocket.h"
#include "device/emulator/EmulatorSetting.h"

#include <cstdio>
#include <cstdlib>

namespace clavora {

std::unique_ptr<HidBackend> CreateHidBackend()
{
    const auto setting = ParseEmulatorSetting(std::getenv("CLAVORA_EMULATOR"));
    if (!setting)
        return std::make_unique<HidapiBackend>();
    auto backend = std::make_unique<EmulatorBackend>(std::make_shared<Emulator>(*setting));
    const std::string path = EmulatorControlSocket::DefaultPath();
    if (!backend->ServeControlSocket(path))
        std::fprintf(stderr, "clavora: the stand-in keyboard cannot listen on %s\n", path.c_str());
    return backend;
}

} // namespace clavora
