#pragma once

// The process-wide store: one SQLite file per keyboard model in the data folder,
// "db/<model>_data_v1.db". Every operation takes the store's lock for its whole run, so
// the window thread and the device worker can both use it.
//
// Sections: opening and files · profiles · key assignments and key parameters ·
// light records · per-key colours · macros and macro events · music layers.
//
// Results follow one rule set: an insert returns the new row id or 0; a write returns
// whether its statement succeeded; a single-row read returns whether a row came back;
// a list empties the caller's vector, fills it and returns the number of records. With no
// file open every operation returns its failure value.

#include "store/KeyAssignment.h"
#include "store/KeyLight.h"
#include "store/LightRecord.h"
#include "store/MacroEvent.h"
#include "store/MacroRecord.h"
#include "store/MusicLayer.h"
#include "store/ProfileRecord.h"
#include "store/SQLiteDB.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace clavora {

class DataStore {
public:
    static DataStore& GetInstance();

    // --- Opening and files ---------------------------------------------------------------

    // Opens the model's file, creating the db folder and, for a new file, the schema. An
    // existing file is used as it is. A file of another model that is still open is closed
    // first. False (and every operation failing) when the file cannot be opened or created,
    // is not a database, or the model name would leave the db folder.
    bool OpenForDevice(const std::string& modelName, int deviceType = 0);
    // Closes the file; the opened flag is cleared.
    bool Close();
    // Result of the last OpenForDevice, until Close.
    bool IsOpened() const;
    // Deletes the model's file with its log files, closing it first when it is the open one.
    void DeleteForDevice(const std::string& modelName);
    // Deletes the current model's file and creates it again with the schema and no rows.
    bool RestoreFactoryData();
    // Writes the default configuration rows (done once, with the first profile).
    void SeedDefaultConfig();

    // GetDataFolder() + "db/<model>_data_v1.db".
    static std::string GetPathForModel(const std::string& modelName);
    std::string GetPath() const;
    int GetDeviceType() const;

    // --- Profiles (t_profile_data) -------------------------------------------------------
    int InsertProfile(const std::string& name, const std::string& app);
    // Removes only the profile row; its other rows stay.
    bool DeleteProfile(int profile);
    bool RenameProfile(int profile, const std::string& name);
    // name is emptied when the profile does not exist.
    bool GetProfileName(int profile, std::string& name);
    int ListProfiles(std::vector<ProfileRecord>& out);
    // Makes this profile the only active one. When the profile cannot be marked, the
    // previously active one stays active.
    bool SetActiveProfile(int profile);
    // The first active profile's id, or 0.
    int GetActiveProfile();

    // --- Key assignments (t_key_macro_data) and key parameters (t_key_otherdata) ---------

    // Replaces the row of (profile, fn_layer, key_code) in one step: a record whose
    // macro_value and macro_value2 are both 0 only deletes it (the key does its own job
    // again). Returns the new row id, or 0 (always 0 for key_code 0, which changes nothing).
    // On failure the old row stays.
    int SaveKeyAssignment(const KeyAssignment& assignment);
    bool GetKeyAssignment(int profile, int fn_layer, int key_code, KeyAssignment& out);
    int ListKeyAssignments(int profile, int fn_layer, std::vector<KeyAssignment>& out);
    int InsertKeyParam(const std::string& macro_desc, const std::string& param, int type);
    // Fills the outputs when the row exists and leaves them untouched otherwise; always true.
    bool GetKeyParam(int macro_value, std::string& macro_desc, std::string& param, int& type);

    // --- Light records (t_light_data) ----------------------------------------------------
    int CountLights(int profile);
    int InsertLight(const LightRecord& light);
    // Writes the eight settings of the row matching light.profile and light.mode.
    bool UpdateLight(const LightRecord& light);
    // Clears status in every row of every profile, then sets it on (profile, mode); when
    // that fails the previous active mode stays.
    bool SetActiveLightMode(int profile, int mode);
    int GetActiveLightMode(int profile);
    bool GetLight(int profile, int mode, LightRecord& out);
    int ListLights(int profile, std::vector<LightRecord>& out);

    // --- Per-key colours (t_key_light_data) ----------------------------------------------

    // Inserts every entry or none; the number of entries given, or 0 when it failed.
    int InsertKeyLights(const std::vector<KeyLight>& lights);
    // Deletes the colour set the picture edits (light_id 128).
    bool DeleteCustomKeyLights();
    int ListKeyLights(int light_id, std::vector<KeyLight>& out);
    // Replaces set 128 with these entries (each stored in set 128) in one step; on failure
    // the old set stays.
    bool SaveCustomKeyLights(const std::vector<KeyLight>& lights);

    // --- Macros (t_macro_data) and macro events (t_macrorecord) --------------------------

    // A new macro with the defaults: played once, recorded delays.
    int CreateMacro(const std::string& name);
    int InsertMacro(const MacroRecord& macro);
    bool RenameMacro(int macro_id, const std::string& name);
    bool UpdateMacroPlayback(int macro_id, int play_times, int delay_type, int delay_time);
    // Deletes the macro, its events and every type-3 key assignment pointing at it, in every
    // profile and layer, all or nothing.
    bool DeleteMacro(int macro_id);
    // play_times is untouched when the macro does not exist.
    bool GetMacroPlayTimes(int macro_id, int& play_times);
    bool GetMacro(int macro_id, MacroRecord& out);
    int ListMacros(std::vector<MacroRecord>& out);
    int InsertMacroEvent(const MacroEvent& event);
    // Inserts every event (each under its own macro_id) or none.
    bool InsertMacroEvents(const std::vector<MacroEvent>& events);
    // Events in record_index order.
    int ListMacroEvents(int macro_id, std::vector<MacroEvent>& out);
    bool DeleteMacroEvents(int macro_id);
    // Events whose type is not 1.
    int CountMacroEvents(int macro_id);
    // Replaces the macro's event list in one step (each event stored under macro_id, with
    // its own record_index); on failure the old list stays.
    bool ReplaceMacroEvents(int macro_id, const std::vector<MacroEvent>& events);

    // --- Music layers (t_musiclayer_data); the page's settings live in layer 1 ------------
    int CountMusicLayers();
    // A layer of profile 1 with the start values and this name and foreground type.
    int InsertMusicLayer(const std::string& name, int foremode);
    bool GetMusicLayer(int layer_id, MusicLayer& out);
    // Writes the settings of layer 1.
    bool UpdateMusicLayer(int deviceindex, int foremode, int fore_amplitude, int backmode, int backb_right);
    // Makes layer 1 of profile 1 the selected one.
    bool SelectMusicLayer();
    int GetSelectedMusicLayer();

private:
    DataStore() = default;
    ~DataStore();
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;

    bool OpenLocked(const std::string& modelName, int deviceType);
    bool OpenExisting();
    bool CreateSchema();
    bool RunSchema();
    bool CloseLocked();
    void DeleteFiles(const std::string& path);
    // Batch inserts without lock or transaction; a given id replaces each entry's own.
    bool InsertKeyLightsLocked(const std::vector<KeyLight>& lights, std::optional<int> light_id);
    bool InsertMacroEventsLocked(const std::vector<MacroEvent>& events, std::optional<int> macro_id);

    SQLiteDB m_db;
    mutable std::mutex m_lock;
    std::string m_path;
    std::string m_key; // always empty: the files are plain SQLite databases
    std::string m_modelName;
    int m_deviceType = 0;
    bool m_opened = false;
};

} // namespace clavora
