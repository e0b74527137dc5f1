#pragma once

// Lets other processes drive and read the stand-in keyboard: a Unix socket taking one text
// command per line and answering each with one line.
//   attach <mode> · detach <mode> · press <usage> · release <usage> → "ok" or "error: …"
//   dump → one line of JSON · clear → "ok"

#include "platform/UniqueFd.h"

#include <string>
#include <thread>

namespace clavora {

class Emulator;

class EmulatorControlSocket {
public:
    explicit EmulatorControlSocket(Emulator& emulator);
    ~EmulatorControlSocket();
    EmulatorControlSocket(const EmulatorControlSocket&) = delete;
    EmulatorControlSocket& operator=(const EmulatorControlSocket&) = delete;

    // Listens on `path`, replacing a stale socket file, and serves on a thread of its own.
    bool Start(const std::string& path);
    // Stops serving and removes the socket file.
    void Stop();

    // $XDG_RUNTIME_DIR/<device name>-emulator.sock (/tmp without a runtime folder).
    static std::string DefaultPath();

    // One command line → its reply, without the line end.
    std::string Execute(const std::string& line);

private:
    struct Client;

    void Serve();
    bool ServeClient(Client& client);

    Emulator& m_emulator;
    std::string m_path;
    UniqueFd m_listen;
    UniqueFd m_wakeRead;
    UniqueFd m_wakeWrite;
    std::thread m_thread;
};

} // namespace clavora
