#pragma once

// Makes sure the virtual device holds nothing when the process is ended by a signal.
//
// The kernel removes the uhid device (and with it every held key) when its descriptor closes,
// which covers crashes; the signal handlers below additionally write empty reports and remove
// the device before the default action runs, so a terminated or interrupted program releases
// its keys at once and in order. The handlers only use async-signal-safe calls.

namespace clavora::ExitRelease {

// The uhid descriptor of the open virtual device, or -1 when there is none.
void SetDevice(int fd);

// Installs the handlers for SIGTERM, SIGINT, SIGHUP, SIGQUIT and the fatal signals
// (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT). Each releases the device, then lets the
// signal's default action end the process.
void InstallSignalHandlers();

} // namespace clavora::ExitRelease
