#include "platform/DBusMenu.h"

#include "platform/BusLoop.h"
#include "platform/Utf8Text.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace clavora {

namespace {

constexpr uint32_t kProtocolVersion = 3;
constexpr int kRootId = 0;
constexpr size_t kLabelMaxChars = 259;

using Names = std::vector<std::string>;

// Hosts read '_' as the mark of an access key; a label's own underscores are doubled.
std::string MenuLabel(const std::string& text)
{
    std::string out;
    for (char c : ValidUtf8Prefix(text, kLabelMaxChars)) {
        out += c;
        if (c == '_')
            out += '_';
    }
    return out;
}

bool Wanted(const Names& names, const char* property)
{
    return names.empty() || std::find(names.begin(), names.end(), property) != names.end();
}

const TrayMenuItem* FindItem(const std::vector<TrayMenuItem>& items, int id)
{
    auto it = std::find_if(items.begin(), items.end(), [id](const TrayMenuItem& i) { return i.command == id; });
    return it == items.end() ? nullptr : &*it;
}

int AppendEntry(sd_bus_message* m, const char* key, const char* type, const void* value)
{
    int r = 0;
    if ((r = sd_bus_message_open_container(m, 'e', "sv")) < 0 || (r = sd_bus_message_append(m, "s", key)) < 0
        || (r = sd_bus_message_open_container(m, 'v', type)) < 0
        || (r = sd_bus_message_append_basic(m, type[0], value)) < 0
        || (r = sd_bus_message_close_container(m)) < 0)
        return r;
    return sd_bus_message_close_container(m);
}

// The a{sv} of one item, or of the root when item is null.
int AppendProperties(sd_bus_message* m, const TrayMenuItem* item, const Names& names)
{
    int r = sd_bus_message_open_container(m, 'a', "{sv}");
    if (r < 0)
        return r;
    if (!item) {
        if (Wanted(names, "children-display") && (r = AppendEntry(m, "children-display", "s", "submenu")) < 0)
            return r;
        return sd_bus_message_close_container(m);
    }
    const std::string label = MenuLabel(item->label);
    const int yes = 1;
    if (Wanted(names, "label") && (r = AppendEntry(m, "label", "s", label.c_str())) < 0)
        return r;
    if (Wanted(names, "enabled") && (r = AppendEntry(m, "enabled", "b", &yes)) < 0)
        return r;
    if (Wanted(names, "visible") && (r = AppendEntry(m, "visible", "b", &yes)) < 0)
        return r;
    return sd_bus_message_close_container(m);
}

// One node (ia{sv}av); the root lists the items as its children when children is set.
int AppendNode(sd_bus_message* m, int id, const TrayMenuItem* item, const Names& names,
    const std::vector<TrayMenuItem>* children)
{
    int r = 0;
    if ((r = sd_bus_message_open_container(m, 'r', "ia{sv}av")) < 0 || (r = sd_bus_message_append(m, "i", id)) < 0
        || (r = AppendProperties(m, item, names)) < 0 || (r = sd_bus_message_open_container(m, 'a', "v")) < 0)
        return r;
    for (size_t i = 0; children && i < children->size(); ++i) {
        const TrayMenuItem& child = (*children)[i];
        if ((r = sd_bus_message_open_container(m, 'v', "(ia{sv}av)")) < 0
            || (r = AppendNode(m, child.command, &child, names, nullptr)) < 0
            || (r = sd_bus_message_close_container(m)) < 0)
            return r;
    }
    if ((r = sd_bus_message_close_container(m)) < 0)
        return r;
    return sd_bus_message_close_container(m);
}

std::optional<Names> ReadNames(sd_bus_message* m)
{
    char** strv = nullptr;
    if (sd_bus_message_read_strv(m, &strv) < 0)
        return std::nullopt;
    Names names;
    for (char** s = strv; s && *s; ++s) {
        names.emplace_back(*s);
        free(*s);
    }
    free(strv);
    return names;
}

std::optional<std::vector<int>> ReadIds(sd_bus_message* m)
{
    const void* data = nullptr;
    size_t size = 0;
    if (sd_bus_message_read_array(m, 'i', &data, &size) < 0)
        return std::nullopt;
    const int* ids = static_cast<const int*>(data);
    return std::vector<int>(ids, ids + size / sizeof(int));
}

int ReplyUnknownItem(sd_bus_message* call, int id)
{
    return sd_bus_reply_method_errorf(call, SD_BUS_ERROR_INVALID_ARGS, "No menu item %d", id);
}

// Answers a call with a reply built by fill.
template <typename Fill>
int Reply(sd_bus_message* call, Fill fill)
{
    sd_bus_message* raw = nullptr;
    int r = sd_bus_message_new_method_return(call, &raw);
    if (r < 0)
        return r;
    BusMessagePtr reply(raw);
    if ((r = fill(raw)) < 0)
        return r;
    return sd_bus_send(nullptr, raw, nullptr);
}

} // namespace

const sd_bus_vtable DBusMenu::kVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Version", "u", &DBusMenu::GetVersion, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("TextDirection", "s", &DBusMenu::GetText, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Status", "s", &DBusMenu::GetText, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("IconThemePath", "as", &DBusMenu::GetIconThemePath, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_METHOD("GetLayout", "iias", "u(ia{sv}av)", &DBusMenu::OnGetLayout, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetGroupProperties", "aias", "a(ia{sv})", &DBusMenu::OnGetGroupProperties,
        SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetProperty", "is", "v", &DBusMenu::OnGetProperty, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Event", "isvu", "", &DBusMenu::OnEvent, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("EventGroup", "a(isvu)", "ai", &DBusMenu::OnEventGroup, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("AboutToShow", "i", "b", &DBusMenu::OnAboutToShow, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("AboutToShowGroup", "ai", "aiai", &DBusMenu::OnAboutToShowGroup, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("ItemsPropertiesUpdated", "a(ia{sv})a(ias)", 0),
    SD_BUS_SIGNAL("LayoutUpdated", "ui", 0),
    SD_BUS_SIGNAL("ItemActivationRequested", "iu", 0),
    SD_BUS_VTABLE_END,
};

DBusMenu::DBusMenu(TrayEventHandler handler)
    : m_handler(std::move(handler))
{
}

void DBusMenu::SetItems(const std::vector<TrayMenuItem>& items)
{
    std::vector<TrayMenuItem> kept;
    for (const TrayMenuItem& item : items) {
        if (item.command > kRootId && !FindItem(kept, item.command))
            kept.push_back(item);
    }
    std::lock_guard lock(m_lock);
    m_state.items = std::move(kept);
    ++m_state.revision;
}

DBusMenu::State DBusMenu::Read() const
{
    std::lock_guard lock(m_lock);
    return m_state;
}

bool DBusMenu::Export(sd_bus* bus)
{
    return sd_bus_add_object_vtable(bus, nullptr, kObjectPath, kInterface, kVtable, this) >= 0;
}

void DBusMenu::EmitLayoutUpdated(sd_bus* bus) const
{
    sd_bus_emit_signal(bus, kObjectPath, kInterface, "LayoutUpdated", "ui", Read().revision, kRootId);
}

bool DBusMenu::HandleEvent(int id, const char* eventId) const
{
    if (id == kRootId)
        return true;
    if (!FindItem(Read().items, id))
        return false;
    if (std::strcmp(eventId, "clicked") == 0 && m_handler) {
        TrayEvent event;
        event.kind = TrayEvent::Kind::Command;
        event.command = id;
        m_handler(event);
    }
    return true;
}

int DBusMenu::GetVersion(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
    sd_bus_error*)
{
    return sd_bus_message_append(reply, "u", kProtocolVersion);
}

int DBusMenu::GetText(sd_bus*, const char*, const char*, const char* property, sd_bus_message* reply, void*,
    sd_bus_error*)
{
    return sd_bus_message_append(reply, "s", std::strcmp(property, "Status") == 0 ? "normal" : "ltr");
}

int DBusMenu::GetIconThemePath(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
    sd_bus_error*)
{
    return sd_bus_message_append(reply, "as", 0);
}

int DBusMenu::OnGetLayout(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    int parentId = 0;
    int depth = 0;
    int r = sd_bus_message_read(call, "ii", &parentId, &depth);
    if (r < 0)
        return r;
    std::optional<Names> names = ReadNames(call);
    if (!names)
        return -EINVAL;
    State state = static_cast<DBusMenu*>(userdata)->Read();
    const TrayMenuItem* item = FindItem(state.items, parentId);
    if (parentId != kRootId && !item)
        return ReplyUnknownItem(call, parentId);
    return Reply(call, [&](sd_bus_message* m) {
        if ((r = sd_bus_message_append(m, "u", state.revision)) < 0)
            return r;
        // Items have no children of their own; only the root lists any, and only when asked.
        const bool withChildren = parentId == kRootId && depth != 0;
        return AppendNode(m, parentId, item, *names, withChildren ? &state.items : nullptr);
    });
}

int DBusMenu::OnGetGroupProperties(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    std::optional<std::vector<int>> ids = ReadIds(call);
    std::optional<Names> names = ids ? ReadNames(call) : std::nullopt;
    if (!names)
        return -EINVAL;
    State state = static_cast<DBusMenu*>(userdata)->Read();
    if (ids->empty()) {
        for (const TrayMenuItem& item : state.items)
            ids->push_back(item.command);
    }
    return Reply(call, [&](sd_bus_message* m) {
        int r = sd_bus_message_open_container(m, 'a', "(ia{sv})");
        if (r < 0)
            return r;
        for (int id : *ids) {
            const TrayMenuItem* item = FindItem(state.items, id);
            if (id != kRootId && !item)
                continue;
            if ((r = sd_bus_message_open_container(m, 'r', "ia{sv}")) < 0 || (r = sd_bus_message_append(m, "i", id)) < 0
                || (r = AppendProperties(m, item, *names)) < 0 || (r = sd_bus_message_close_container(m)) < 0)
                return r;
        }
        return sd_bus_message_close_container(m);
    });
}

int DBusMenu::OnGetProperty(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    int id = 0;
    const char* name = nullptr;
    int r = sd_bus_message_read(call, "is", &id, &name);
    if (r < 0)
        return r;
    State state = static_cast<DBusMenu*>(userdata)->Read();
    const TrayMenuItem* item = FindItem(state.items, id);
    if (id != kRootId && !item)
        return ReplyUnknownItem(call, id);
    const bool known = item ? (std::strcmp(name, "label") == 0 || std::strcmp(name, "enabled") == 0
                                  || std::strcmp(name, "visible") == 0)
                            : std::strcmp(name, "children-display") == 0;
    if (!known)
        return sd_bus_reply_method_errorf(call, SD_BUS_ERROR_INVALID_ARGS, "No property %s", name);
    const int yes = 1;
    const std::string label = item ? MenuLabel(item->label) : std::string();
    return Reply(call, [&](sd_bus_message* m) {
        if (!item)
            return sd_bus_message_append(m, "v", "s", "submenu");
        if (std::strcmp(name, "label") == 0)
            return sd_bus_message_append(m, "v", "s", label.c_str());
        return sd_bus_message_append(m, "v", "b", yes);
    });
}

int DBusMenu::OnEvent(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    int id = 0;
    const char* eventId = nullptr;
    int r = sd_bus_message_read(call, "is", &id, &eventId);
    if (r < 0)
        return r;
    std::string event = eventId;
    if ((r = sd_bus_message_skip(call, "vu")) < 0)
        return r;
    if (!static_cast<DBusMenu*>(userdata)->HandleEvent(id, event.c_str()))
        return ReplyUnknownItem(call, id);
    return sd_bus_reply_method_return(call, "");
}

int DBusMenu::OnEventGroup(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    auto* self = static_cast<DBusMenu*>(userdata);
    std::vector<int> unknown;
    size_t count = 0;
    int r = sd_bus_message_enter_container(call, 'a', "(isvu)");
    while (r >= 0 && (r = sd_bus_message_enter_container(call, 'r', "isvu")) > 0) {
        int id = 0;
        const char* eventId = nullptr;
        if ((r = sd_bus_message_read(call, "is", &id, &eventId)) < 0)
            return r;
        std::string event = eventId;
        if ((r = sd_bus_message_skip(call, "vu")) < 0 || (r = sd_bus_message_exit_container(call)) < 0)
            return r;
        ++count;
        if (!self->HandleEvent(id, event.c_str()))
            unknown.push_back(id);
    }
    if (r < 0)
        return r;
    if (count > 0 && unknown.size() == count)
        return ReplyUnknownItem(call, unknown.front());
    return Reply(call, [&](sd_bus_message* m) {
        return sd_bus_message_append_array(m, 'i', unknown.data(), unknown.size() * sizeof(int));
    });
}

int DBusMenu::OnAboutToShow(sd_bus_message* call, void*, sd_bus_error*)
{
    // The layout is always current: nothing needs fetching again before the menu opens.
    return sd_bus_reply_method_return(call, "b", 0);
}

int DBusMenu::OnAboutToShowGroup(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    std::optional<std::vector<int>> ids = ReadIds(call);
    if (!ids)
        return -EINVAL;
    State state = static_cast<DBusMenu*>(userdata)->Read();
    std::vector<int> unknown;
    for (int id : *ids) {
        if (id != kRootId && !FindItem(state.items, id))
            unknown.push_back(id);
    }
    return Reply(call, [&](sd_bus_message* m) {
        int r = sd_bus_message_append_array(m, 'i', nullptr, 0);
        if (r < 0)
            return r;
        return sd_bus_message_append_array(m, 'i', unknown.data(), unknown.size() * sizeof(int));
    });
}

} // namespace clavora
