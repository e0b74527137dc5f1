#include "keys/KeyPageModel.h"

#include "keys/KeyFunctions.h"
#include "startup/Language.h"
#include "store/DataStore.h"

#include <vector>

namespace clavora {

namespace {

constexpr int kLayer = 0;
constexpr int kDisabledValue = 1;
constexpr int kModeMacro = 3;
constexpr int kModeShortcut = 7;

std::string Text(int number)
{
    return number ? LoadLangString(kLangSection, number) : std::string();
}

bool IsChooserType(int type)
{
    return type == kKeyFunctionKey || type == kKeyFunctionKeyHigh;
}

} // namespace

KeyPageModel::KeyPageModel(DataStore& store, IKeyPictureView& picture, IKeyChooserView& chooser, IKeyPageHost& host)
    : m_store(store)
    , m_picture(picture)
    , m_chooser(chooser)
    , m_host(host)
{
}

bool KeyPageModel::SelectKey(int key)
{
    if (key < 1)
        return false;
    if (key == kFnKey) {
        m_host.ShowMessage(kTextFnRefused, kTitleFnRefused);
        ClearSelection();
        return false;
    }
    m_selectedKey = key;
    KeyAssignment row;
    const bool found = m_store.GetKeyAssignment(m_host.CurrentProfile(), kLayer, key, row);
    TickChooser(found ? &row : nullptr);
    return true;
}

bool KeyPageModel::CanAssign()
{
    if (m_selectedKey == kFnKey) {
        m_host.ShowMessage(kTextFnRefused, kTitleFnRefused);
        return false;
    }
    return m_selectedKey > 0;
}

void KeyPageModel::Choose(const ChooserItem& item)
{
    if (!CanAssign())
        return;
    KeyAssignment record;
    record.macro_type = ChooserFunctionType(item.code);
    record.macro_value = item.code;
    record.macro_value2 = item.value2;
    record.macro_value3 = item.value3;
    record.macro_desc = item.label;
    Save(std::move(record));
}

void KeyPageModel::RestoreDefaultKey()
{
    if (CanAssign())
        Save(KeyAssignment {});
}

void KeyPageModel::DisableKey()
{
    if (!CanAssign())
        return;
    KeyAssignment record;
    record.macro_type = kKeyFunctionDisabled;
    record.macro_value = kDisabledValue;
    Save(std::move(record));
}

void KeyPageModel::AssignCustom(int mode)
{
    if (!CanAssign())
        return;
    if (!m_host.RunCustomKeyDialog(mode, m_host.CurrentProfile(), m_selectedKey))
        return;
    Refresh();
    m_host.ArmKeyFilter();
}

bool KeyPageModel::OnMenuCommand(int command)
{
    switch (command) {
    case kMenuRestoreDefault:
        RestoreDefaultKey();
        return true;
    case kMenuDisable:
        DisableKey();
        return true;
    case kMenuAssignMacro:
        AssignCustom(kModeMacro);
        return true;
    case kMenuAssignShortcut:
        AssignCustom(kModeShortcut);
        return true;
    default:
        return false;
    }
}

void KeyPageModel::Save(KeyAssignment record)
{
    record.profile = m_host.CurrentProfile();
    record.fn_layer = kLayer;
    record.key_code = m_selectedKey;
    const int key = m_selectedKey;
    if (m_store.SaveKeyAssignment(record) == 0) {
        // Nothing stored: the key does its own job, whatever the record asked for.
        m_picture.SetKeyTip(key, std::string(), std::string());
        m_picture.SetKeyMark(key, false);
        ClearSelection();
        TickChooser(nullptr);
    } else {
        m_picture.SetKeyMark(key, true);
        ShowTip(record);
        TickChooser(&record);
    }
    m_picture.Redraw();
    m_host.ArmKeyFilter();
}

void KeyPageModel::Refresh()
{
    m_chooser.CheckItem(0, 0, 0);
    m_picture.ClearMarksAndTips();
    m_selectedKey = 0;
    std::vector<KeyAssignment> rows;
    m_store.ListKeyAssignments(m_host.CurrentProfile(), kLayer, rows);
    for (const KeyAssignment& row : rows) {
        m_picture.SetKeyMark(row.key_code, true);
        ShowTip(row);
    }
    m_picture.Redraw();
}

void KeyPageModel::ShowTip(const KeyAssignment& row)
{
    const int label = TypeLabelText(row.macro_type);
    if (!label)
        return;
    std::string text;
    if (row.macro_type == kKeyFunctionMacro)
        text = MacroTipText(row.macro_desc, GetCurrentLanguage(), Text(kTextMacroWord));
    else if (row.macro_type != kKeyFunctionDisabled)
        text = row.macro_desc;
    m_picture.SetKeyTip(row.key_code, Text(label), text);
}

void KeyPageModel::TickChooser(const KeyAssignment* row)
{
    // The chooser ticks the selected key's chooser function, and nothing for any other.
    if (row && IsChooserType(row->macro_type))
        m_chooser.CheckItem(row->macro_value, row->macro_value2, row->macro_value3);
    else
        m_chooser.CheckItem(0, 0, 0);
}

void KeyPageModel::ClearSelection()
{
    m_picture.ClearSelection();
    m_selectedKey = 0;
}

} // namespace clavora
