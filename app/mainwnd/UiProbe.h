#pragma once

// UiProbe - lets whole-program tests read what the windows show. Only with CLAVORA_UI_PROBE
// set in the environment: the program then listens on
// $XDG_RUNTIME_DIR/<device name>-ui.sock (without XDG_RUNTIME_DIR, /tmp), owner-only. A
// client sends "dump" and a newline and gets one line of JSON (UiSnapshot.h) before the
// connection closes; anything else is answered with "error: ...". The probe changes nothing.
//
// Threads: the socket is served on a thread of its own; the description is built on the window
// thread, which the probe reaches by posting to a hidden window it creates there.

#include "lumoui/Types.h"
#include "platform/UniqueFd.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace clavora {

class KeyboardDlg;

class UiProbe {
public:
    // The dialog must outlive the probe.
    explicit UiProbe(KeyboardDlg& dialog);
    ~UiProbe();
    UiProbe(const UiProbe&) = delete;
    UiProbe& operator=(const UiProbe&) = delete;

    // Starts when CLAVORA_UI_PROBE is set and not "0"; call on the window thread.
    bool StartFromEnvironment();
    bool Start(const std::string& socketPath);
    // Window thread. Safe to call more than once.
    void Stop();

    static std::string DefaultPath();

private:
    class Window;

    void Serve();
    void Answer(int client);
    // Serve thread: has the window thread describe the windows; empty when it did not answer
    // in time or the probe stops.
    std::string RequestDescription();
    // Window thread.
    void Describe();

    KeyboardDlg& m_dialog;
    std::unique_ptr<Window> m_window;
    std::atomic<lumo::HWND> m_hwnd { nullptr }; // read by the serve thread
    std::string m_path;
    UniqueFd m_listen;
    UniqueFd m_wakeRead;
    UniqueFd m_wakeWrite;
    std::thread m_thread;

    std::mutex m_lock;
    std::condition_variable m_answered;
    unsigned m_asked = 0;    // guarded by m_lock
    unsigned m_answers = 0;  // guarded by m_lock
    std::string m_reply;     // guarded by m_lock
    bool m_stopping = false; // guarded by m_lock
};

} // namespace clavora
