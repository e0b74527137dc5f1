#include "mainwnd/UiProbe.h"

#include "lumoui/MWindow.h"
#include "mainwnd/UiSnapshot.h"
#include "platform/LocalSocket.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>

namespace clavora {

namespace {

constexpr lumo::UINT kDescribeMessage = lumo::WM_APP + 1;
// A busy window thread (a modal loop starting, a page being rebuilt) answers well within this.
constexpr auto kAnswerDeadline = std::chrono::seconds(5);
constexpr int kReadDeadlineMs = 2000;
constexpr size_t kMaxRequest = 256;
constexpr int kBacklog = 4;

// The first line the client sends (without its newline); empty when none came in time.
std::string ReadLine(int fd)
{
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kReadDeadlineMs);
    while (line.size() < kMaxRequest) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd p { fd, POLLIN, 0 };
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            return {};
        char buffer[64];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            return {};
        line.append(buffer, static_cast<size_t>(n));
        if (const size_t end = line.find('\n'); end != std::string::npos) {
            line.resize(end);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return line;
        }
    }
    return {};
}

} // namespace

// The hidden window through which the serve thread reaches the window thread.
class UiProbe::Window final : public lumo::MWindow {
public:
    explicit Window(UiProbe& probe) : m_probe(probe) { }
    ~Window() override { DestroyWindow(); }
    const char* GetWindowClassName() const override { return "ClavoraUiProbe"; }
    lumo::LRESULT OnWindowMessage(lumo::UINT msg, lumo::WPARAM wParam, lumo::LPARAM lParam) override
    {
        if (msg != kDescribeMessage)
            return MWindow::OnWindowMessage(msg, wParam, lParam);
        m_probe.Describe();
        return 0;
    }

private:
    UiProbe& m_probe;
};

UiProbe::UiProbe(KeyboardDlg& dialog)
    : m_dialog(dialog)
{
}

UiProbe::~UiProbe() { Stop(); }

std::string UiProbe::DefaultPath()
{
    return RuntimeSocketPath("-ui.sock");
}

bool UiProbe::StartFromEnvironment()
{
    const char* value = std::getenv("CLAVORA_UI_PROBE");
    if (!value || !*value || std::strcmp(value, "0") == 0)
        return false;
    return Start(DefaultPath());
}

bool UiProbe::Start(const std::string& socketPath)
{
    Stop();
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    m_wakeRead.Reset(wake[0]);
    m_wakeWrite.Reset(wake[1]);
    UniqueFd listen(ListenOnLocalSocket(socketPath, kBacklog));
    if (!listen.IsValid())
        return false;
    m_window = std::make_unique<Window>(*this);
    if (!m_window->Create(nullptr, "", 0, 0, lumo::CRect(0, 0, 1, 1))) {
        m_window.reset();
        ::unlink(socketPath.c_str());
        return false;
    }
    m_hwnd.store(m_window->GetSafeHwnd());
    m_path = socketPath;
    m_listen = std::move(listen);
    m_stopping = false;
    m_thread = std::thread([this] { Serve(); });
    return true;
}

void UiProbe::Stop()
{
    // The window goes first, so no description starts while the thread ends.
    m_hwnd.store(nullptr);
    m_window.reset();
    if (m_thread.joinable()) {
        {
            std::lock_guard lock(m_lock);
            m_stopping = true;
        }
        m_answered.notify_all();
        const char stop = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wakeWrite.Get(), &stop, 1);
        m_thread.join();
    }
    if (!m_path.empty())
        ::unlink(m_path.c_str());
    m_path.clear();
    m_listen.Reset();
    m_wakeRead.Reset();
    m_wakeWrite.Reset();
}

void UiProbe::Serve()
{
    for (;;) {
        pollfd fds[2] { { m_wakeRead.Get(), POLLIN, 0 }, { m_listen.Get(), POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        if (fds[1].revents & POLLIN) {
            UniqueFd client(::accept4(m_listen.Get(), nullptr, nullptr, SOCK_CLOEXEC));
            if (client.IsValid())
                Answer(client.Get());
        }
    }
}

void UiProbe::Answer(int client)
{
    const std::string request = ReadLine(client);
    if (request != "dump") {
        SendAll(client, "error: the probe knows only \"dump\"\n");
        return;
    }
    const std::string description = RequestDescription();
    SendAll(client, description.empty() ? "error: the window thread did not answer\n" : description + "\n");
}

std::string UiProbe::RequestDescription()
{
    std::unique_lock lock(m_lock);
    const unsigned ticket = ++m_asked;
    lock.unlock();
    const lumo::HWND hwnd = m_hwnd.load();
    if (!hwnd || !lumo::PostMessageW(hwnd, kDescribeMessage, 0, 0))
        return {};
    lock.lock();
    const bool answered = m_answered.wait_for(lock, kAnswerDeadline, [&] { return m_stopping || m_answers >= ticket; });
    return answered && !m_stopping ? m_reply : std::string();
}

void UiProbe::Describe()
{
    std::string description = DescribeProgram(m_dialog);
    {
        std::lock_guard lock(m_lock);
        m_reply = std::move(description);
        m_answers = m_asked;
    }
    m_answered.notify_all();
}

} // namespace clavora
