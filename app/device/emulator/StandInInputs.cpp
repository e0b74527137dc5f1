#include "device/emulator/StandInInputs.h"

#include "device/emulator/VirtualHidRecorder.h"

namespace clavora {

StandInInputs::StandInInputs()
    : m_reports(std::make_shared<VirtualReportLog>())
    , m_keySource(std::make_shared<KeySourceStandIn>())
    , m_hotplug(std::make_shared<HotplugStandIn>())
{
}

StandInInputs& StandInInputs::Get()
{
    static StandInInputs inputs;
    return inputs;
}

std::unique_ptr<IVirtualHidBackend> StandInInputs::NewVirtualDevice() const
{
    return std::make_unique<VirtualHidRecorder>(m_reports);
}

std::string StandInInputs::TakeReportsJson()
{
    return VirtualReportLog::ToJson(m_reports->Take());
}

} // namespace clavora
