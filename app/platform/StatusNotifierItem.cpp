#include "platform/StatusNotifierItem.h"

#include "platform/Utf8Text.h"

#include <cstring>

namespace clavora {

namespace {

constexpr size_t kNameMaxChars = 255;

int AppendPixmaps(sd_bus_message* reply, const TrayPixmap* pixmap)
{
    int r = sd_bus_message_open_container(reply, 'a', "(iiay)");
    if (r < 0)
        return r;
    if (pixmap && !pixmap->argb.empty()) {
        if ((r = sd_bus_message_open_container(reply, 'r', "iiay")) < 0
            || (r = sd_bus_message_append(reply, "ii", pixmap->width, pixmap->height)) < 0
            || (r = sd_bus_message_append_array(reply, 'y', pixmap->argb.data(), pixmap->argb.size())) < 0
            || (r = sd_bus_message_close_container(reply)) < 0)
            return r;
    }
    return sd_bus_message_close_container(reply);
}

} // namespace

const sd_bus_vtable StatusNotifierItem::kVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Category", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("Id", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("Title", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("Status", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("IconName", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("IconThemePath", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("IconPixmap", "a(iiay)", &StatusNotifierItem::GetPixmap, 0, 0),
    SD_BUS_PROPERTY("OverlayIconName", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("OverlayIconPixmap", "a(iiay)", &StatusNotifierItem::GetPixmap, 0, 0),
    SD_BUS_PROPERTY("AttentionIconName", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("AttentionIconPixmap", "a(iiay)", &StatusNotifierItem::GetPixmap, 0, 0),
    SD_BUS_PROPERTY("AttentionMovieName", "s", &StatusNotifierItem::GetString, 0, 0),
    SD_BUS_PROPERTY("ToolTip", "(sa(iiay)ss)", &StatusNotifierItem::GetToolTip, 0, 0),
    SD_BUS_PROPERTY("ItemIsMenu", "b", &StatusNotifierItem::GetBool, 0, 0),
    SD_BUS_PROPERTY("Menu", "o", &StatusNotifierItem::GetMenu, 0, 0),
    SD_BUS_METHOD("Activate", "ii", "", &StatusNotifierItem::OnActivate, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("SecondaryActivate", "ii", "", &StatusNotifierItem::OnIgnored, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("ContextMenu", "ii", "", &StatusNotifierItem::OnContextMenu, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Scroll", "is", "", &StatusNotifierItem::OnIgnored, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("NewTitle", "", 0),
    SD_BUS_SIGNAL("NewIcon", "", 0),
    SD_BUS_SIGNAL("NewAttentionIcon", "", 0),
    SD_BUS_SIGNAL("NewOverlayIcon", "", 0),
    SD_BUS_SIGNAL("NewToolTip", "", 0),
    SD_BUS_SIGNAL("NewStatus", "s", 0),
    SD_BUS_VTABLE_END,
};

StatusNotifierItem::StatusNotifierItem(TrayEventHandler handler, std::string menuPath)
    : m_handler(std::move(handler))
    , m_menuPath(std::move(menuPath))
{
}

void StatusNotifierItem::SetName(const std::string& name)
{
    std::string valid = ValidUtf8Prefix(name, kNameMaxChars);
    std::lock_guard lock(m_lock);
    m_content.name = std::move(valid);
}

void StatusNotifierItem::SetToolTip(const std::string& text)
{
    std::string valid = ValidUtf8Prefix(text, kToolTipMaxChars);
    std::lock_guard lock(m_lock);
    m_content.toolTip = std::move(valid);
}

void StatusNotifierItem::SetPixmap(TrayPixmap pixmap)
{
    std::lock_guard lock(m_lock);
    m_content.pixmap = std::move(pixmap);
}

bool StatusNotifierItem::Export(sd_bus* bus)
{
    return sd_bus_add_object_vtable(bus, nullptr, kObjectPath, kInterface, kVtable, this) >= 0;
}

void StatusNotifierItem::EmitNewToolTip(sd_bus* bus)
{
    sd_bus_emit_signal(bus, kObjectPath, kInterface, "NewToolTip", "");
}

int StatusNotifierItem::GetString(sd_bus*, const char*, const char*, const char* property,
    sd_bus_message* reply, void* userdata, sd_bus_error*)
{
    auto* self = static_cast<StatusNotifierItem*>(userdata);
    if (std::strcmp(property, "Category") == 0)
        return sd_bus_message_append(reply, "s", "ApplicationStatus");
    if (std::strcmp(property, "Status") == 0)
        return sd_bus_message_append(reply, "s", "Active");
    if (std::strcmp(property, "Id") == 0 || std::strcmp(property, "Title") == 0) {
        std::lock_guard lock(self->m_lock);
        return sd_bus_message_append(reply, "s", self->m_content.name.c_str());
    }
    // The picture travels as pixels; names of themed icons are not used.
    return sd_bus_message_append(reply, "s", "");
}

int StatusNotifierItem::GetPixmap(sd_bus*, const char*, const char*, const char* property,
    sd_bus_message* reply, void* userdata, sd_bus_error*)
{
    auto* self = static_cast<StatusNotifierItem*>(userdata);
    if (std::strcmp(property, "IconPixmap") != 0)
        return AppendPixmaps(reply, nullptr);
    std::lock_guard lock(self->m_lock);
    return AppendPixmaps(reply, &self->m_content.pixmap);
}

int StatusNotifierItem::GetToolTip(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply,
    void* userdata, sd_bus_error*)
{
    auto* self = static_cast<StatusNotifierItem*>(userdata);
    std::string text;
    {
        std::lock_guard lock(self->m_lock);
        text = self->m_content.toolTip;
    }
    int r = 0;
    if ((r = sd_bus_message_open_container(reply, 'r', "sa(iiay)ss")) < 0
        || (r = sd_bus_message_append(reply, "s", "")) < 0 || (r = AppendPixmaps(reply, nullptr)) < 0
        || (r = sd_bus_message_append(reply, "ss", text.c_str(), "")) < 0)
        return r;
    return sd_bus_message_close_container(reply);
}

int StatusNotifierItem::GetBool(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
    sd_bus_error*)
{
    // ItemIsMenu: a click activates the program; the menu opens on the secondary button.
    return sd_bus_message_append(reply, "b", 0);
}

int StatusNotifierItem::GetMenu(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply,
    void* userdata, sd_bus_error*)
{
    auto* self = static_cast<StatusNotifierItem*>(userdata);
    return sd_bus_message_append(reply, "o", self->m_menuPath.c_str());
}

int StatusNotifierItem::DeliverClick(sd_bus_message* call, void* userdata, TrayEvent::Kind kind)
{
    TrayEvent event;
    event.kind = kind;
    int r = sd_bus_message_read(call, "ii", &event.x, &event.y);
    if (r < 0)
        return r;
    auto* self = static_cast<StatusNotifierItem*>(userdata);
    if (self->m_handler)
        self->m_handler(event);
    return sd_bus_reply_method_return(call, "");
}

int StatusNotifierItem::OnActivate(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    return DeliverClick(call, userdata, TrayEvent::Kind::Activate);
}

int StatusNotifierItem::OnContextMenu(sd_bus_message* call, void* userdata, sd_bus_error*)
{
    return DeliverClick(call, userdata, TrayEvent::Kind::ContextMenu);
}

int StatusNotifierItem::OnIgnored(sd_bus_message* call, void*, sd_bus_error*)
{
    return sd_bus_reply_method_return(call, "");
}

} // namespace clavora
