#include "profiles/ProfileListModel.h"

#include "mainwnd/DisplayNames.h"
#include "startup/Language.h"
#include "store/DataStore.h"

#include <algorithm>
#include <cctype>

namespace clavora {

namespace {

constexpr int kTextProfileWord = 65;
constexpr int kTextTooManyProfiles = 295;
constexpr int kTextConfirmDelete = 290;
constexpr int kTitleConfirmDelete = 291;
constexpr int kTextNameRefused = 330;
constexpr int kTitleNameRefused = 33;
constexpr int kDefaultProfiles = 3;

std::string ProfileWord()
{
    return LoadLangString(kLangSection, kTextProfileWord);
}

std::string NumberedName(const std::string& word, int number)
{
    return word + " " + std::to_string(number);
}

} // namespace

ProfileListModel::ProfileListModel(DataStore& store, IProfileListView& list, IProfileHost& host)
    : m_store(store)
    , m_list(list)
    , m_host(host)
{
}

bool ProfileListModel::IsRefusedName(const std::string& name, const std::vector<std::string>& blocked)
{
    if (name.empty())
        return true;
    // Only ASCII letters have a case here; the bytes of other characters stay as they are.
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::any_of(blocked.begin(), blocked.end(),
        [&](const std::string& word) { return !word.empty() && lower.find(word) != std::string::npos; });
}

std::string ProfileListModel::DisplayText(const std::string& stored)
{
    return ProfileDisplayName(stored, GetCurrentLanguage(), ProfileWord());
}

void ProfileListModel::Load()
{
    m_list.Clear();
    std::vector<ProfileRecord> profiles;
    if (m_store.ListProfiles(profiles) == 0) {
        SeedProfiles();
        m_store.ListProfiles(profiles);
    }
    for (const ProfileRecord& profile : profiles)
        m_list.Add(DisplayText(profile.name), profile.profile);
    if (m_list.Count() == 0)
        return;

    int active = m_store.GetActiveProfile();
    if (active == 0 || RowOf(active) < 0) {
        active = m_list.RowProfile(0);
        m_store.SetActiveProfile(active);
    }
    m_list.Select(RowOf(active));
    m_host.EnableKeyPicture(true);
    m_host.SetCurrentProfile(active);
    ShowCurrent();
}

void ProfileListModel::SeedProfiles()
{
    const std::string word = ProfileWord();
    int first = 0;
    for (int number = 1; number <= kDefaultProfiles; ++number) {
        const int id = m_store.InsertProfile(NumberedName(word, number), std::string());
        if (number == 1) {
            first = id;
            m_store.SeedDefaultConfig();
        }
    }
    if (first > 0)
        m_store.SetActiveProfile(first);
}

void ProfileListModel::Add()
{
    if (m_list.Count() >= kMaxProfiles) {
        m_host.ShowMessage(kTextTooManyProfiles, kTextProfileWord);
        return;
    }
    const std::string name = NewName();
    const int id = m_store.InsertProfile(name, std::string());
    if (id <= 0)
        return;
    m_list.Add(DisplayText(name), id);
    m_list.Select(m_list.Count() - 1);
    m_host.EnableKeyPicture(true);
    m_host.SetCurrentProfile(id);
    // The profile the page works on is the active one, also after the next start.
    m_store.SetActiveProfile(id);
    ShowCurrent();
}

std::string ProfileListModel::NewName() const
{
    const std::string word = ProfileWord();
    std::vector<std::string> taken;
    for (int row = 0; row < m_list.Count(); ++row)
        taken.push_back(m_list.RowText(row));
    for (int number = 1; number < kMaxNameNumber; ++number) {
        std::string name = NumberedName(word, number);
        if (std::find(taken.begin(), taken.end(), name) == taken.end())
            return name;
    }
    return NumberedName(word, kMaxNameNumber);
}

void ProfileListModel::Delete()
{
    if (m_list.Count() < 2 || m_list.Selection() < 0)
        return;
    const int id = m_list.RowProfile(m_list.Selection());
    if (!m_host.Confirm(kTextConfirmDelete, kTitleConfirmDelete))
        return;
    // The list may have been loaded again while the question was open.
    const int row = RowOf(id);
    if (row < 0 || m_list.Count() < 2 || !m_store.DeleteProfile(id))
        return;
    m_list.Remove(row);
    m_list.Select(row - 1);
    const int current = m_list.RowProfile(std::max(row - 1, 0));
    m_host.SetCurrentProfile(current);
    // The deleted profile can be active no longer; the one shown takes its place, and the key
    // filter performs it rather than the deleted one.
    m_store.SetActiveProfile(current);
    ShowCurrent();
    m_host.WriteKeysToKeyboard();
}

void ProfileListModel::Rename()
{
    if (m_list.Selection() >= 0)
        m_list.OpenEditor();
}

void ProfileListModel::EndRename(int row)
{
    if (row < 0 || row >= m_list.Count())
        row = m_list.Selection();
    if (row < 0)
        return;
    const int id = m_list.RowProfile(row);
    const std::string name = m_list.RowText(row);
    if (IsRefusedName(name, m_host.BlockedWords())) {
        m_host.ShowMessage(kTextNameRefused, kTitleNameRefused);
    } else if (m_store.RenameProfile(id, name)) {
        m_list.SetRowText(row, DisplayText(name));
        return;
    }
    std::string stored;
    m_store.GetProfileName(id, stored);
    m_list.SetRowText(row, DisplayText(stored));
}

void ProfileListModel::Switch()
{
    const int row = m_list.Selection();
    if (row < 0) {
        m_host.EnableKeyPicture(false);
        return;
    }
    m_host.EnableKeyPicture(true);
    const int id = m_list.RowProfile(row);
    m_host.SetCurrentProfile(id);
    m_store.SetActiveProfile(id);
    ShowCurrent();
}

void ProfileListModel::ShowCurrent()
{
    m_host.LoadKeyPage();
    m_host.ArmKeyFilter();
}

int ProfileListModel::RowOf(int profile) const
{
    for (int row = 0; row < m_list.Count(); ++row) {
        if (m_list.RowProfile(row) == profile)
            return row;
    }
    return -1;
}

} // namespace clavora
