#include "mainwnd/UiSnapshot.h"

#include "device/emulator/JsonWriter.h"
#include "lumoui/CCheckButton.h"
#include "lumoui/CColorButton.h"
#include "lumoui/CDeviceCtrl.h"
#include "lumoui/CRecordList.h"
#include "lumoui/DListBox.h"
#include "lumoui/KeyFuncControl.h"
#include "lumoui/KeyboardCtrl.h"
#include "lumoui/MComboBox.h"
#include "lumoui/MDialog.h"
#include "lumoui/MEdit.h"
#include "lumoui/MSlider.h"
#include "lumoui/MTabCtrl.h"
#include "lumoui/PaintManager.h"
#include "lumoui/Manager.h"
#include "lumoui/WindowApi.h"
#include "mainwnd/KeyboardDlg.h"

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace clavora {

namespace {

using lumo::CRect;
using lumo::MControl;

// The C++ class of a control without its namespace ("MTabCtrl"): few controls name themselves.
std::string ClassOf(const MControl& control)
{
    const char* mangled = typeid(control).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    std::string text = status == 0 && name ? name.get() : mangled;
    if (const size_t colon = text.rfind("::"); colon != std::string::npos)
        text.erase(0, colon + 2);
    return text;
}

void WriteRect(JsonWriter& json, const char* key, const CRect& rect)
{
    json.Key(key).BeginArray().Value(rect.left).Value(rect.top).Value(rect.right).Value(rect.bottom).EndArray();
}

void WriteTabItems(JsonWriter& json, lumo::MTabCtrl& tabs)
{
    json.Key("selected").Value(tabs.GetSelectItem());
    json.Key("items").BeginArray();
    for (int i = 0; i < tabs.GetItemCount(); ++i) {
        const lumo::TabItemInfo* item = tabs.GetItemInfo(i);
        json.BeginObject().Key("index").Value(i).Key("id").Value(item->tabId).Key("text").Value(item->text);
        json.Key("visible").Value(item->visible);
        WriteRect(json, "rect", item->rect);
        json.EndObject();
    }
    json.EndArray();
}

void WriteRows(JsonWriter& json, const lumo::RowList& list, const std::vector<std::string>& texts)
{
    json.Key("selected").Value(list.GetCurSel());
    json.Key("items").BeginArray();
    for (int i = 0; i < list.GetItemCount(); ++i) {
        json.BeginObject().Key("index").Value(i);
        if (static_cast<size_t>(i) < texts.size())
            json.Key("text").Value(texts[static_cast<size_t>(i)]);
        WriteRect(json, "rect", list.GetItemRect(i));
        json.EndObject();
    }
    json.EndArray();
}

void WriteListBox(JsonWriter& json, const lumo::DListBox& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetItemCount(); ++i)
        texts.push_back(list.GetItemText(i));
    WriteRows(json, list, texts);
}

void WriteRecordList(JsonWriter& json, const lumo::CRecordList& list)
{
    std::vector<std::string> texts;
    for (const lumo::RecordItem* item : list.GetRecordItems())
        texts.push_back(item->text);
    WriteRows(json, list, texts);
}

void WriteKeys(JsonWriter& json, const lumo::KeyboardCtrl& picture)
{
    const CRect control = picture.GetRect();
    json.Key("selected").Value(picture.GetSelectItem());
    json.Key("keys").BeginArray();
    for (const lumo::KEY_INFO* key : picture.GetKeyItems()) {
        // Keys are hit-tested at their centred picture rect moved by the control's corner.
        CRect rect = picture.GetRealRect(key->rect);
        rect.OffsetRect(control.left, control.top);
        json.BeginObject().Key("index").Value(key->index).Key("code").Value(key->keyValue);
        json.Key("name").Value(key->name).Key("checked").Value(key->checked);
        json.Key("colour").Value(static_cast<uint32_t>(key->colour.load()));
        WriteRect(json, "rect", rect);
        json.EndObject();
    }
    json.EndArray();
}

void WriteChooser(JsonWriter& json, const lumo::KeyFuncControl& chooser)
{
    const CRect control = chooser.GetRect();
    const lumo::CPoint scroll = chooser.GetScrollOffset();
    json.Key("selected").Value(chooser.GetCheckItem()).Key("pressed").Value(chooser.GetPressItem());
    json.Key("items").BeginArray();
    for (int i = 0; i < chooser.GetItemCount(); ++i) {
        lumo::KeyFuncItem item;
        if (!chooser.GetItem(i, item))
            continue;
        CRect rect = item.rect;
        rect.OffsetRect(control.left - scroll.x, control.top - scroll.y);
        json.BeginObject().Key("index").Value(i).Key("text").Value(item.text).Key("data").Value(item.itemData);
        WriteRect(json, "rect", rect);
        json.EndObject();
    }
    json.EndArray();
}

void WriteCombo(JsonWriter& json, const lumo::MComboBox& combo)
{
    json.Key("selected").Value(combo.GetCurSel());
    json.Key("items").BeginArray();
    for (int i = 0; i < combo.GetItemCount(); ++i)
        json.BeginObject().Key("index").Value(i).Key("text").Value(combo.GetItemText(i)).EndObject();
    json.EndArray();
}

void WriteDevices(JsonWriter& json, const lumo::CDeviceCtrl& devices)
{
    json.Key("selected").Value(devices.GetCurIndex());
    json.Key("items").BeginArray();
    for (int i = 0; i < devices.GetDeviceCount(); ++i) {
        lumo::DeviceItem item;
        if (!devices.GetDevice(i, item))
            continue;
        json.BeginObject().Key("index").Value(i).Key("text").Value(item.name).Key("data").Value(item.deviceType);
        json.Key("state").Value(item.state);
        WriteRect(json, "rect", item.rect);
        json.EndObject();
    }
    json.EndArray();
}

// What a control of a known class holds beyond the common members.
void WriteClassState(JsonWriter& json, MControl& control)
{
    if (auto* tabs = dynamic_cast<lumo::MTabCtrl*>(&control))
        WriteTabItems(json, *tabs);
    else if (auto* list = dynamic_cast<lumo::DListBox*>(&control))
        WriteListBox(json, *list);
    else if (auto* records = dynamic_cast<lumo::CRecordList*>(&control))
        WriteRecordList(json, *records);
    else if (auto* picture = dynamic_cast<lumo::KeyboardCtrl*>(&control))
        WriteKeys(json, *picture);
    else if (auto* chooser = dynamic_cast<lumo::KeyFuncControl*>(&control))
        WriteChooser(json, *chooser);
    else if (auto* combo = dynamic_cast<lumo::MComboBox*>(&control))
        WriteCombo(json, *combo);
    else if (auto* devices = dynamic_cast<lumo::CDeviceCtrl*>(&control))
        WriteDevices(json, *devices);
    else if (auto* check = dynamic_cast<lumo::CCheckButton*>(&control))
        json.Key("checked").Value(check->GetCheck());
    else if (auto* colour = dynamic_cast<lumo::CColorButton*>(&control))
        json.Key("checked").Value(colour->GetCheck()).Key("value").Value(static_cast<uint32_t>(colour->GetColor()));
    else if (auto* slider = dynamic_cast<lumo::MSlider*>(&control))
        json.Key("value").Value(slider->GetProgress());
}

void WriteControl(JsonWriter& json, MControl& control, int parent, bool ownersShown);

void WriteChildren(JsonWriter& json, const std::vector<MControl*>& children, int parent, bool shown)
{
    for (MControl* child : children) {
        if (child)
            WriteControl(json, *child, parent, shown);
    }
}

void WriteControl(JsonWriter& json, MControl& control, int parent, bool ownersShown)
{
    const bool shown = ownersShown && control.IsVisible();
    json.BeginObject().Key("id").Value(control.GetControlID()).Key("class").Value(ClassOf(control));
    json.Key("parent").Value(parent);
    WriteRect(json, "rect", control.GetRect());
    json.Key("visible").Value(control.IsVisible()).Key("shown").Value(shown).Key("enabled").Value(control.IsEnabled());
    if (auto* edit = dynamic_cast<lumo::MEdit*>(&control))
        json.Key("text").Value(edit->GetEditText());
    else if (auto* font = dynamic_cast<lumo::MControlFont*>(&control))
        json.Key("text").Value(font->GetTitle());
    if (!control.GetTooltip().empty())
        json.Key("tooltip").Value(control.GetTooltip());
    WriteClassState(json, control);
    json.EndObject();
    const int id = static_cast<int>(control.GetControlID());
    WriteChildren(json, control.GetAreaControls(), id, shown);
    WriteChildren(json, control.GetControls(), id, shown);
}

void WriteWindow(JsonWriter& json, lumo::HWND hwnd, const std::string& title)
{
    // The toolkit keeps a window's object in its user data.
    auto* window = reinterpret_cast<lumo::MWindow*>(lumo::GetWindowLongPtrW(hwnd, lumo::GWLP_USERDATA));
    auto* dialog = dynamic_cast<lumo::MDialog*>(window);
    CRect rect;
    lumo::GetWindowRect(hwnd, &rect);
    json.BeginObject().Key("title").Value(title);
    json.Key("visible").Value(lumo::IsWindowVisible(hwnd)).Key("enabled").Value(lumo::IsWindowEnabled(hwnd));
    WriteRect(json, "rect", rect);
    json.Key("controls").BeginArray();
    if (dialog) {
        lumo::PaintManager& manager = dialog->GetPaintManager();
        WriteChildren(json, manager.GetAreaControls(), -1, true);
        WriteChildren(json, manager.GetControls(), -1, true);
    }
    json.EndArray().EndObject();
}

void WriteProgram(JsonWriter& json, KeyboardDlg& dialog)
{
    json.Key("program").BeginObject();
    json.Key("tasks").Value(static_cast<uint64_t>(dialog.GetTaskQueue().Size()));
    json.Key("wait_box").Value(dialog.IsWaitBoxOpen());
    json.Key("page").Value(dialog.GetCurrentPage());
    json.Key("keyboard").Value(dialog.IsInterfaceFound());
    json.Key("connection_mode").Value(dialog.GetConnectionMode());
    json.Key("profile").Value(dialog.GetCurrentProfile());
    json.EndObject();
}

} // namespace

std::string DescribeProgram(KeyboardDlg& dialog)
{
    // Every window the program opens; popups of other titles are the toolkit's own.
    const std::string titles[] { lumo::Manager::GetDeviceName(), "CloseWindowTipDlg", "CustomKeyDlg", "MessageBox",
        "WaitDlg", "Menu Window", "ComboWnd", "KeyboardTip Window" };
    JsonWriter json;
    json.BeginObject();
    WriteProgram(json, dialog);
    json.Key("windows").BeginArray();
    for (const std::string& title : titles) {
        for (lumo::HWND hwnd : lumo::FindThreadWindows("LumoClient", title))
            WriteWindow(json, hwnd, title);
    }
    json.EndArray().EndObject();
    return json.Text();
}

} // namespace clavora
