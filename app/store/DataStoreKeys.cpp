#include "store/DataStore.h"

#include "store/StoreQuery.h"

namespace clavora {

using namespace storequery;

namespace {

KeyAssignment ReadKeyAssignment(const SQLiteStatement& row)
{
    KeyAssignment record;
    record.key_id = row.ColumnInt(0);
    record.profile = row.ColumnInt(1);
    record.fn_layer = row.ColumnInt(2);
    record.key_code = row.ColumnInt(3);
    record.layout_value = row.ColumnInt(4);
    record.layout_desc = ColumnString(row, 5);
    record.macro_type = row.ColumnInt(6);
    record.macro_value = row.ColumnInt(7);
    record.macro_value2 = row.ColumnInt(8);
    record.macro_value3 = row.ColumnInt(9);
    record.macro_desc = ColumnString(row, 10);
    return record;
}

} // namespace

int DataStore::SaveKeyAssignment(const KeyAssignment& a)
{
    std::lock_guard lock(m_lock);
    if (a.key_code == 0)
        return 0;
    int rowId = 0;
    // Delete and insert commit together: a failed insert must not leave the key without
    // its previous assignment.
    bool ok = Atomically(m_db, [&] {
        if (!RunOk(m_db, "DELETE FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?",
                a.profile, a.fn_layer, a.key_code))
            return false;
        if (a.macro_value == 0 && a.macro_value2 == 0)
            return true;
        rowId = Insert(m_db,
            "INSERT INTO t_key_macro_data(profile, fn_layer, key_code, layout_value, layout_desc, "
            "macro_type, macro_value, macro_value2, macro_value3, macro_desc) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?);",
            a.profile, a.fn_layer, a.key_code, a.layout_value, a.layout_desc, a.macro_type, a.macro_value,
            a.macro_value2, a.macro_value3, a.macro_desc);
        return rowId != 0;
    });
    return ok ? rowId : 0;
}

bool DataStore::GetKeyAssignment(int profile, int fn_layer, int key_code, KeyAssignment& out)
{
    std::lock_guard lock(m_lock);
    return ReadFirst(m_db, out, ReadKeyAssignment,
        "SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ? and key_code = ?", profile,
        fn_layer, key_code);
}

int DataStore::ListKeyAssignments(int profile, int fn_layer, std::vector<KeyAssignment>& out)
{
    std::lock_guard lock(m_lock);
    return ReadRows(m_db, out, ReadKeyAssignment,
        "SELECT * FROM t_key_macro_data WHERE profile = ? and fn_layer = ?", profile, fn_layer);
}

int DataStore::InsertKeyParam(const std::string& macro_desc, const std::string& param, int type)
{
    std::lock_guard lock(m_lock);
    return Insert(m_db, "INSERT INTO t_key_otherdata(macro_desc, param, type) VALUES (?, ?, ?);", macro_desc,
        param, type);
}

bool DataStore::GetKeyParam(int macro_value, std::string& macro_desc, std::string& param, int& type)
{
    std::lock_guard lock(m_lock);
    ForEachRow(
        m_db,
        [&](const SQLiteStatement& row) {
            macro_desc = ColumnString(row, 0);
            param = ColumnString(row, 1);
            type = row.ColumnInt(2);
        },
        "SELECT macro_desc, param, type FROM t_key_otherdata WHERE macro_value = ?", macro_value);
    return true;
}

} // namespace clavora
