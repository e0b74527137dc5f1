#pragma once

// ProfileListModel - the key page's profile list: loading it (with three profiles on the first
// start), adding, deleting, renaming and switching profiles. The active profile (the one the
// key page shows and the key filter performs) is the current profile; every operation that
// changes it shows its assignments and re-arms the key filter. Stored names are shown with the
// current language's word for a profile in place of another language's. Window thread only.

#include "profiles/ProfileListViews.h"

#include <string>
#include <vector>

namespace clavora {

class DataStore;

class ProfileListModel {
public:
    static constexpr int kMaxProfiles = 200;
    static constexpr int kMaxNameNumber = 1000;

    ProfileListModel(DataStore& store, IProfileListView& list, IProfileHost& host);

    // Fills the list from the store and makes the active profile current.
    void Load();
    // A new profile with the first free "<word> <n>" name becomes current.
    void Add();
    // Deletes the selected profile after asking; the row before it becomes current.
    void Delete();
    // Opens the in-place editor on the selected row.
    void Rename();
    // The in-place edit of `row` ended with its new text in the row.
    void EndRename(int row);
    // The selected row's profile becomes the active one.
    void Switch();

    // True when a profile may not be called `name`: empty, or containing a blocked word in
    // lower case.
    static bool IsRefusedName(const std::string& name, const std::vector<std::string>& blocked);
    // How a stored name is shown under the current language.
    static std::string DisplayText(const std::string& stored);

private:
    // Puts the current profile's assignments on the key page and to the key filter.
    void ShowCurrent();
    void SeedProfiles();
    std::string NewName() const;
    int RowOf(int profile) const;

    DataStore& m_store;
    IProfileListView& m_list;
    IProfileHost& m_host;
};

} // namespace clavora
