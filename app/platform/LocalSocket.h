#pragma once

// Small helpers for the program's local (Unix domain) stream sockets that tools talk to.

#include <string>
#include <string_view>

namespace clavora {

// "$XDG_RUNTIME_DIR/<device name><suffix>" (/tmp without a usable XDG_RUNTIME_DIR).
std::string RuntimeSocketPath(const std::string& suffix);

// A stream socket listening at `path`, readable and writable by the owner only. A file left at
// the path by an earlier run is replaced. -1 on failure, and then nothing is left at the path.
// The caller owns the descriptor (close-on-exec).
int ListenOnLocalSocket(const std::string& path, int backlog);

// Sends all of `data`, waiting as long as the peer reads; false when the peer is gone.
bool SendAll(int fd, std::string_view data);

} // namespace clavora
