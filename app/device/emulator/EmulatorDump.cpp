#include "device/emulator/EmulatorDump.h"

#include "device/emulator/Emulator.h"
#include "device/emulator/JsonWriter.h"

namespace clavora {

namespace {

void WriteEvents(JsonWriter& json, const std::vector<DecodedEvent>& events)
{
    json.Key("events").BeginArray();
    for (const DecodedEvent& event : events) {
        json.BeginObject();
        json.Key("usage").Value(event.usage);
        json.Key("release").Value(event.release);
        json.Key("delay").Value(event.delay);
        json.EndObject();
    }
    json.EndArray();
}

void WriteReports(JsonWriter& json, const char* name, const std::deque<LoggedReport>& reports, bool interfaces)
{
    json.Key(name).BeginArray();
    for (const LoggedReport& report : reports) {
        json.BeginObject().Key("t").Value(report.t).Key("mode").Value(report.mode);
        if (interfaces)
            json.Key("interface").Value(report.interface_number);
        json.Key("hex").Hex(report.bytes).EndObject();
    }
    json.EndArray();
}

void WriteLight(JsonWriter& json, const KeyboardState& state)
{
    const FeatureLightState& light = state.light;
    json.Key("light").BeginObject();
    json.Key("set").Value(light.set).Key("wireless").Value(light.wireless);
    json.Key("mode").Value(light.mode).Key("colorindex").Value(light.colorindex);
    json.Key("direction").Value(light.direction).Key("speed").Value(light.speed);
    json.Key("brightness").Value(light.brightness).Key("option").Value(light.option);
    json.Key("color").Value(light.color);
    json.EndObject();

    const ReportLightState& report = state.report_light;
    json.Key("report_light").BeginObject();
    json.Key("mode").Value(report.mode).Key("params_set").Value(report.params_set);
    json.Key("direction").Value(report.direction).Key("colorful").Value(report.colorful);
    json.Key("speed").Value(report.speed).Key("color").Value(report.color);
    json.Key("brightness").Value(report.brightness);
    json.EndObject();

    const CustomLightState& custom = state.custom_light;
    json.Key("custom_light").BeginObject();
    json.Key("set").Value(custom.set).Key("mode").Value(custom.mode);
    json.Key("brightness").Value(custom.brightness).Key("speed").Value(custom.speed);
    json.Key("scheme").Value(custom.scheme);
    json.EndObject();
}

void WriteSlots(JsonWriter& json, const KeyboardState& state)
{
    json.Key("macro_slots").BeginArray();
    for (size_t i = 0; i < state.macro_slots.size(); ++i) {
        const MacroSlotState& slot = state.macro_slots[i];
        json.BeginObject().Key("slot").Value(static_cast<int>(i + 1)).Key("key").Value(slot.key);
        json.Key("play_times").Value(slot.play_times);
        WriteEvents(json, slot.events);
        json.EndObject();
    }
    json.EndArray();

    json.Key("remap_slots").BeginArray();
    for (size_t i = 0; i < state.remap_slots.size(); ++i) {
        const RemapSlotState& slot = state.remap_slots[i];
        json.BeginObject().Key("slot").Value(static_cast<int>(i + 1));
        json.Key("key").Value(slot.key).Key("value").Value(slot.value).EndObject();
    }
    json.EndArray();

    json.Key("report_macros").BeginArray();
    for (const auto& [slot, macro] : state.report_macros) {
        json.BeginObject().Key("slot").Value(slot).Key("play_times").Value(macro.play_times);
        json.Key("count").Value(macro.count);
        WriteEvents(json, macro.events);
        json.EndObject();
    }
    json.EndArray();
}

void WriteKeyboard(JsonWriter& json, const EmulatorDumpView& view)
{
    const KeyboardState& state = view.keyboard;
    json.Key("keyboard").BeginObject();
    json.Key("model").Value(view.model).Key("device_type").Value(view.device_type);
    json.Key("attached").BeginArray();
    for (int mode : view.attached)
        json.Value(mode);
    json.EndArray();
    json.Key("firmware_version").Value(state.firmware_version);
    WriteLight(json, state);
    WriteSlots(json, state);
    json.Key("key_table").Hex(state.key_table);
    json.Key("key_colours").Hex(state.key_colours);

    const StreamState& stream = state.streaming;
    json.Key("streaming").BeginObject();
    json.Key("started").Value(stream.started).Key("frames").Value(stream.frames);
    json.Key("last_frame_t").Value(stream.last_frame_t).Key("last_frame").Hex(stream.table);
    json.EndObject();

    json.Key("music_levels").BeginArray();
    for (const MusicLevelRecord& level : state.music_levels) {
        json.BeginObject().Key("t").Value(level.t).Key("effect").Value(level.effect);
        json.Key("colour").Value(level.colour).Key("level").Value(level.level).EndObject();
    }
    json.EndArray();

    json.Key("resets").Value(state.resets);
    json.Key("reset_times").BeginArray();
    for (double t : state.reset_times)
        json.Value(t);
    json.EndArray();

    json.Key("rejected").BeginArray();
    for (const RejectedFrame& frame : state.rejected) {
        json.BeginObject().Key("t").Value(frame.t).Key("channel").Value(frame.channel);
        json.Key("mode").Value(frame.mode).Key("interface").Value(frame.interface_number);
        json.Key("hex").Hex(frame.bytes).Key("reason").Value(frame.reason).EndObject();
    }
    json.EndArray();
    json.EndObject();
}

} // namespace

std::string FormatEmulatorDump(const EmulatorDumpView& view)
{
    JsonWriter json;
    json.BeginObject();
    WriteReports(json, "feature_reports", view.feature_reports, true);
    WriteReports(json, "output_reports", view.output_reports, true);
    json.Key("virtual_reports").BeginArray();
    for (const VirtualReport& report : view.virtual_reports)
        json.BeginObject().Key("t").Value(report.t).Key("id").Value(report.id).Key("hex").Hex(report.bytes).EndObject();
    json.EndArray();
    json.Key("dropped_reports").Value(view.dropped_reports);
    WriteKeyboard(json, view);
    json.EndObject();
    return json.Text();
}

} // namespace clavora
