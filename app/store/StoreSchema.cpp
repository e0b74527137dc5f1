#include "store/StoreSchema.h"

namespace clavora {

const std::array<const char*, kSchemaStatementCount>& SchemaStatements()
{
    static const std::array<const char*, kSchemaStatementCount> statements = {
        "CREATE TABLE IF NOT EXISTS t_configdata(config_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "profile INTEGER, key TEXT, value TEXT)",
        "CREATE TABLE IF NOT EXISTS t_profile_data(profile INTEGER PRIMARY KEY AUTOINCREMENT, "
        "name TEXT, status INTEGER, app TEXT, type INTEGER)",
        "CREATE INDEX IF NOT EXISTS profileindex ON t_profile_data(profile)",
        "CREATE TABLE IF NOT EXISTS t_key_macro_data(key_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "profile INTEGER, fn_layer INTEGER, key_code INTEGER, layout_value INTEGER, layout_desc TEXT, "
        "macro_type INTEGER, macro_value INTEGER, macro_value2 INTEGER, macro_value3 INTEGER, "
        "macro_desc TEXT)",
        "CREATE INDEX IF NOT EXISTS keyindex ON t_key_macro_data(key_id)",
        "CREATE TABLE IF NOT EXISTS t_key_otherdata(macro_value INTEGER PRIMARY KEY AUTOINCREMENT, "
        "macro_desc TEXT, param TEXT, type INTEGER)",
        "CREATE INDEX IF NOT EXISTS otheridindex ON t_key_otherdata(macro_value)",
        "CREATE TABLE IF NOT EXISTS t_macro_data(macro_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "play_times INTEGER, delay_type INTEGER, delay_time INTEGER, link_count INTEGER, name TEXT)",
        "CREATE INDEX IF NOT EXISTS macroidindex ON t_macro_data(macro_id)",
        "CREATE TABLE IF NOT EXISTS t_macrorecord(record_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "macro_id INTEGER, type INTEGER, record_index INTEGER, desc TEXT, value INTEGER, "
        "delay_time INTEGER)",
        "CREATE INDEX IF NOT EXISTS macrorecordindex ON t_macrorecord(record_id)",
        "CREATE TABLE IF NOT EXISTS t_light_data(light_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "profile INTEGER, name TEXT, mode INTEGER, brightness INTEGER, speed INTEGER, "
        "direction INTEGER, colorful INTEGER, colorindex INTEGER, color_value INTEGER, "
        "config_func INTEGER, reserved INTEGER, status INTEGER)",
        "CREATE INDEX IF NOT EXISTS lightindex ON t_light_data(light_id)",
        "CREATE TABLE IF NOT EXISTS t_key_light_data(keylight_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "profile INTEGER, light_id INTEGER, key_code INTEGER, key_rgb INTEGER)",
        "CREATE INDEX IF NOT EXISTS keylightindex ON t_key_light_data(keylight_id)",
        "CREATE TABLE IF NOT EXISTS t_musiclayer_data(layer_id INTEGER PRIMARY KEY AUTOINCREMENT, "
        "profile INTEGER, name TEXT, deviceindex INTEGER, foremode INTEGER, fore_amplitude INTEGER, "
        "backmode INTEGER, backb_right INTEGER, sel INTEGER)",
        "CREATE INDEX IF NOT EXISTS musiclayerindex ON t_musiclayer_data(layer_id)",
    };
    return statements;
}

const std::array<ConfigRow, kDefaultConfigRowCount>& DefaultConfigRows()
{
    static const std::array<ConfigRow, kDefaultConfigRowCount> rows = { {
        { "version", "1.0.1" },
        { "keyboard_layout", "1" },
        { "fn_layer", "0" },
        { "lightmode", "1" },
        { "sleep_light", "1" },
        { "userlight", "0" },
        { "customlight_run", "0" },
        { "gamemode", "0" },
        { "disable_alttab", "0" },
        { "disable_altf4", "0" },
        { "disable_win", "0" },
    } };
    return rows;
}

} // namespace clavora
