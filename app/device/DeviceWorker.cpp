#include "device/DeviceWorker.h"

#include "device/DevicePresence.h"
#include "device/DeviceTaskHost.h"
#include "device/KeyWriteTasks.h"
#include "device/KeyboardHid.h"
#include "device/MacroPlayQueue.h"
#include "device/MacroPlayer.h"
#include "device/ProtocolFamily.h"
#include "device/ResetTask.h"
#include "device/TaskCodes.h"
#include "device/TaskQueue.h"

namespace clavora {

namespace {

// Tasks that show the wait box while they run; the worker closes it afterwards.
bool ShowsWaitBox(int code)
{
    return code == task::kWriteKeys || code == task::kWriteLight || code == task::kWriteKeyColours
        || code == task::kFactoryReset;
}

bool NeedsKeyboard(int code)
{
    switch (code) {
    case task::kApplyProfile:
    case task::kWriteKeys:
    case task::kWriteLight:
    case task::kWriteKeyColours:
    case task::kFactoryReset:
    case task::kFirmwareVersion:
    case task::kSoftwareUpdate:
    case task::kFirmwareUpdate:
    case task::kLocalFirmwareTool:
        return true;
    default:
        return false;
    }
}

} // namespace

DeviceWorker::DeviceWorker(const DeviceWorkerParts& parts)
    : m_tasks(parts.tasks)
    , m_macros(parts.macros)
    , m_hid(parts.hid)
    , m_store(parts.store)
    , m_presence(parts.presence)
    , m_presenceHid(parts.presenceHid)
    , m_host(parts.host)
    , m_player(parts.player)
    , m_updates(&m_noUpdates)
{
}

void DeviceWorker::QueueTask(int code)
{
    m_tasks.Append(code);
}

void DeviceWorker::SetUpdateHooks(UpdateTaskHooks* hooks)
{
    m_updates.store(hooks ? hooks : &m_noUpdates);
}

void DeviceWorker::SetStreamingSource(IStreamingSource* source)
{
    m_streaming.store(source);
}

void DeviceWorker::RunCycle(const KeepRunning& keepRunning)
{
    if (const std::optional<int> code = m_tasks.PeekFirst()) {
        if (!RunTask(*code))
            return;
    } else {
        StreamingStep();
    }
    if (const std::optional<int> macro = m_macros.TakeFirst())
        m_player.PlayMacro(*macro, keepRunning);
}

bool DeviceWorker::RunTask(int code)
{
    // The code stays at the front while its task runs: the light page reads an empty queue
    // as "no light task waiting or running".
    if (RunTaskWithoutKeyboard(code) || !NeedsKeyboard(code)) {
        m_tasks.RemoveFirst();
        return true;
    }
    if (!KeyboardConnected()) {
        // Dropped, not deferred: a keyboard that comes back gets task 5 from its connection check.
        m_tasks.RemoveFirst();
        return false;
    }
    m_host.EnableMainWindow(false);
    RunKeyboardTask(code);
    if (ShowsWaitBox(code)) {
        m_host.CloseWaitBox();
        m_hid.Pause(kWaitBoxSettleMs);
    }
    m_host.EnableMainWindow(true);
    m_tasks.RemoveFirst();
    return true;
}

bool DeviceWorker::RunTaskWithoutKeyboard(int code)
{
    switch (code) {
    case task::kFirstConnection:
        if (!m_firstConnectionDone) {
            m_firstConnectionDone = true;
            RescanAndCheck();
            m_host.StartAudioCapture();
        }
        return true;
    case task::kRescanArrival:
    case task::kRescanRemoval:
        RescanAndCheck();
        return true;
    case task::kSoftwareVersion:
        m_updates.load()->CheckSoftwareVersion();
        return true;
    default:
        return false;
    }
}

void DeviceWorker::RunKeyboardTask(int code)
{
    const DeviceTaskContext context = m_host.GetTaskContext();
    const ProtocolFamily family = FamilyOf(context.deviceType);
    UpdateTaskHooks& updates = *m_updates.load();
    switch (code) {
    case task::kApplyProfile:
        ApplyProfile(context);
        break;
    case task::kWriteKeys:
        if (family == ProtocolFamily::Report)
            WriteKeysReportProtocol(m_hid, m_store, context, m_keySlots);
        else if (family == ProtocolFamily::Feature)
            WriteKeysFeatureProtocol(m_hid, m_store, context);
        break;
    case task::kWriteLight:
        WriteLight(m_hid, m_store, context, m_presence.GetConnectionMode(), m_lightModeApplied);
        break;
    case task::kWriteKeyColours:
        WriteKeyColours(m_hid, m_store, context);
        break;
    case task::kFactoryReset:
        FactoryReset(context);
        break;
    case task::kFirmwareVersion:
        updates.CheckFirmwareVersion();
        break;
    case task::kSoftwareUpdate:
        updates.StartSoftwareUpdate();
        break;
    case task::kFirmwareUpdate:
        updates.StartFirmwareUpdate();
        break;
    case task::kLocalFirmwareTool:
        updates.StartLocalFirmwareTool();
        break;
    default:
        break;
    }
}

void DeviceWorker::RescanAndCheck()
{
    m_presence.Rescan(m_presenceHid, m_host);
    const PresencePage page = m_presence.CheckConnection(m_presenceHid);
    m_host.ApplyPresencePage(page, m_presence.GetConnectionMode());
}

void DeviceWorker::ApplyProfile(const DeviceTaskContext& context)
{
    // Sends nothing to the keyboard: assignments are carried out by the key filter.
    if (context.menuFlags & kMenuMacroPage)
        m_host.ReloadMacroPage();
    if (context.menuFlags & kMenuKeyPage) {
        m_host.ReloadProfileList();
        m_host.ArmKeyFilter();
    }
    if (context.menuFlags & kMenuLightPage)
        m_host.ReloadLightPage();
}

void DeviceWorker::FactoryReset(const DeviceTaskContext& context)
{
    ResetKeyboardDevice(m_hid, context.deviceType, m_presence.GetConnectionMode());
    m_host.ReloadMacroPage();
    m_host.ReloadProfileList();
    m_host.ReloadLightPage();
}

void DeviceWorker::StreamingStep()
{
    IStreamingSource* source = m_streaming.load();
    if (!source || !KeyboardConnected() || !m_host.IsMainWindowVisible() || m_host.GetCurrentPage() != kLightPage
        || !source->IsEffectActive())
        return;
    const DeviceTaskContext context = m_host.GetTaskContext();
    // Only report-protocol keyboards take live colour frames.
    if (context.deviceType >= 200)
        return;
    m_streamer.SendFrame(m_hid, context.lightIndexMap, source->PaintFrame(), m_presence.GetConnectionMode());
}

bool DeviceWorker::KeyboardConnected() const
{
    return m_presence.InterfaceFound() && m_presence.ModelConnected();
}

} // namespace clavora
