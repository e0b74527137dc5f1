#pragma once

// Whole-file reads and writes. Writes go to a temporary file that then replaces the target,
// so a crash or a full disk never leaves a half-written file behind.

#include <cstddef>
#include <string>
#include <string_view>

namespace clavora {

// Reads a whole regular file. False, with the system's message in error, when it cannot be
// read or is larger than maxBytes.
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& bytes, std::string& error);

// Replaces the file with bytes atomically. False, with the system's message, on failure;
// the old file is then untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

} // namespace clavora
