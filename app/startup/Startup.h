#pragma once

namespace clavora {

// The program's start-up sequence; returns the process exit code.
int RunApplication(int argc, char** argv);

} // namespace clavora
