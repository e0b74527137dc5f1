#pragma once

// The key filter's input on Linux: the event nodes of the configured keyboards, matched through
// udev by vendor and product ID and grabbed with libevdev, so their keys reach the system only
// through the filter. A node is grabbed only once no key of it is held, so a key that is down
// at that moment is not left pressed in the system. Nodes that arrive later are taken when
// they appear; nodes that go away are dropped, releasing whatever was held on them.

#include "device/IKeySource.h"
#include "platform/EvdevKeyDecoder.h"
#include "platform/UdevHandles.h"
#include "platform/UniqueFd.h"
#include "platform/PollThread.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace clavora {

class EvdevKeySource : public IKeySource {
public:
    explicit EvdevKeySource(EvdevKeyDecoder::UsageTable table);
    ~EvdevKeySource() override;

    bool Start(Sink sink) override;
    void Stop() override;
    void SetKeyboards(const std::vector<KeyboardId>& keyboards) override;

private:
    struct Node;

    void Run(std::stop_token stop);
    void Rescan();
    void OpenNode(udev_device* device);
    bool ReadNode(Node& node); // false when the node is gone
    void HandleEvent(Node& node, const input_event& event);
    bool IsWanted(udev_device* device) const;
    void ReleaseNodes();
    // Drops a node; the keys still held on it are released through the sink first, since
    // their real releases will never come through here.
    void DropNode(std::size_t index);

    const EvdevKeyDecoder::UsageTable m_table;

    mutable std::mutex m_mutex;
    std::vector<KeyboardId> m_keyboards; // guarded by m_mutex

    UdevPtr m_udev;
    UdevMonitorPtr m_monitor;
    Sink m_sink;                               // set before the thread starts
    std::vector<std::unique_ptr<Node>> m_nodes; // the thread's own
    std::vector<KeyboardId> m_taken;           // keyboards the nodes were chosen for; the thread's own
    PollThread m_thread;
};

} // namespace clavora
