#include "profiles/ProfileListModel.h"
#include "startup/Language.h"
#include "support/StoreWithTexts.h"

#include <algorithm>

namespace clavora::test {

namespace {

const std::vector<std::string> kBlocked { "xi", "jin", "ping", "xjp", "gcd", "习", "近", "平", "中国", "傻", "笔", "sb",
    "逼", "党", "大大" };

struct Row {
    std::string text;
    int profile = 0;
};

// The list control and the window around it, as recorders.
struct ListRecorder : IProfileListView, IProfileHost {
    // IProfileListView
    void Clear() override
    {
        rows.clear();
        selection = -1;
    }
    void Add(const std::string& text, int profile) override { rows.push_back({ text, profile }); }
    void Remove(int row) override
    {
        rows.erase(rows.begin() + row);
        selection = -1;
    }
    int Count() const override { return static_cast<int>(rows.size()); }
    std::string RowText(int row) const override { return rows.at(static_cast<size_t>(row)).text; }
    void SetRowText(int row, const std::string& text) override { rows.at(static_cast<size_t>(row)).text = text; }
    int RowProfile(int row) const override
    {
        return row >= 0 && row < Count() ? rows[static_cast<size_t>(row)].profile : 0;
    }
    int Selection() const override { return selection; }
    void Select(int row) override { selection = row; }
    void OpenEditor() override { ++editorsOpened; }
    // IProfileHost
    int CurrentProfile() const override { return current; }
    void SetCurrentProfile(int profile) override { current = profile; }
    void LoadKeyPage() override { loadedProfiles.push_back(current); }
    void ArmKeyFilter() override { armedProfiles.push_back(current); }
    void EnableKeyPicture(bool enable) override { pictureEnabled = enable; }
    void ShowMessage(int text, int title) override { messages.emplace_back(text, title); }
    bool Confirm(int text, int title) override
    {
        messages.emplace_back(text, title);
        return confirmAnswer;
    }
    void WriteKeysToKeyboard() override { keyboardWrites.push_back(current); }
    const std::vector<std::string>& BlockedWords() const override { return kBlocked; }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Row& row : rows)
            texts.push_back(row.text);
        return texts;
    }

    std::vector<Row> rows;
    int selection = -1;
    int editorsOpened = 0;
    int current = 1;
    std::vector<int> loadedProfiles;
    std::vector<int> armedProfiles;
    bool pictureEnabled = true;
    std::vector<std::pair<int, int>> messages;
    bool confirmAnswer = true;
    std::vector<int> keyboardWrites;
};

} // namespace

class ProfileListModelTest : public StoreWithTexts {
protected:
    std::vector<int> Insert(std::initializer_list<const char*> names)
    {
        std::vector<int> ids;
        for (const char* name : names)
            ids.push_back(Store().InsertProfile(name, ""));
        return ids;
    }
    std::string StoredName(int profile)
    {
        std::string name;
        Store().GetProfileName(profile, name);
        return name;
    }

    ListRecorder list;
    ProfileListModel model { Store(), list, list };
};

TEST_F(ProfileListModelTest, FirstStartMakesThreeProfilesAndTheFirstActive)
{
    model.Load();
    const std::string word = Text(65);
    EXPECT_EQ(list.Texts(), (std::vector<std::string> { word + " 1", word + " 2", word + " 3" }));
    std::vector<ProfileRecord> stored;
    ASSERT_EQ(Store().ListProfiles(stored), 3);
    EXPECT_EQ(stored[0].name, word + " 1");
    EXPECT_EQ(Store().GetActiveProfile(), stored[0].profile);
    EXPECT_EQ(list.selection, 0);
    EXPECT_EQ(list.current, stored[0].profile);
    EXPECT_EQ(list.loadedProfiles, std::vector<int> { stored[0].profile });
    EXPECT_EQ(list.armedProfiles, std::vector<int> { stored[0].profile });

    // A second load finds them and makes no more.
    model.Load();
    EXPECT_EQ(list.Count(), 3);
}

TEST_F(ProfileListModelTest, LoadSelectsTheActiveProfileOrMakesTheFirstActive)
{
    const std::vector<int> ids = Insert({ "a", "b", "c" });
    Store().SetActiveProfile(ids[1]);
    model.Load();
    EXPECT_EQ(list.selection, 1);
    EXPECT_EQ(list.current, ids[1]);

    Store().DeleteProfile(ids[1]); // no profile is active now
    model.Load();
    EXPECT_EQ(list.selection, 0);
    EXPECT_EQ(list.current, ids[0]);
    EXPECT_EQ(Store().GetActiveProfile(), ids[0]);
}

TEST_F(ProfileListModelTest, NamesAreShownInTheCurrentLanguage)
{
    Insert({ "Profile 2", "配置方案 3", "Perfil 4", "Mine" });
    SetCurrentLanguage(2052);
    model.Load();
    const std::string chinese = Text(65);
    EXPECT_EQ(list.Texts(), (std::vector<std::string> { chinese + " 2", "配置方案 3", chinese + " 4", "Mine" }));
    EXPECT_EQ(StoredName(list.rows[0].profile), "Profile 2") << "the display leaves the store alone";

    SetCurrentLanguage(1033);
    model.Load();
    EXPECT_EQ(list.Texts(), (std::vector<std::string> { "Profile 2", "Profile 3", "Profile 4", "Mine" }));
}

TEST_F(ProfileListModelTest, AddingTakesTheFirstFreeNumberAndMakesTheProfileCurrent)
{
    Insert({ "Profile 1", "Profile 3" });
    model.Load();
    model.Add();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.rows[2].text, "Profile 2");
    const int added = list.rows[2].profile;
    EXPECT_EQ(StoredName(added), "Profile 2");
    EXPECT_EQ(list.selection, 2);
    EXPECT_EQ(list.current, added);
    EXPECT_EQ(Store().GetActiveProfile(), added);
    EXPECT_EQ(list.loadedProfiles.back(), added);
    EXPECT_EQ(list.armedProfiles.back(), added);
    EXPECT_TRUE(list.keyboardWrites.empty()) << "adding does not write the keyboard";

    model.Add();
    EXPECT_EQ(list.rows[3].text, "Profile 4");
}

TEST_F(ProfileListModelTest, AddingStopsAtTwoHundredProfiles)
{
    model.Load();
    while (list.Count() < ProfileListModel::kMaxProfiles)
        model.Add();
    EXPECT_EQ(list.rows.back().text, "Profile 200");
    EXPECT_TRUE(list.messages.empty());
    model.Add();
    EXPECT_EQ(list.Count(), 200);
    ASSERT_EQ(list.messages.size(), 1u);
    EXPECT_EQ(list.messages[0], std::make_pair(295, 65));
    std::vector<ProfileRecord> stored;
    EXPECT_EQ(Store().ListProfiles(stored), 200);
}

TEST_F(ProfileListModelTest, RenameRefusalsPutTheStoredNameBack)
{
    const std::vector<int> ids = Insert({ "Profile 1" });
    model.Load();
    const char* refused[] { "", "Shopping", "PING", "mapPinG", "Taxi", "我的中国", "Sb" };
    for (const char* name : refused) {
        SCOPED_TRACE(name);
        list.messages.clear();
        list.rows[0].text = name; // what the in-place editor left in the row
        model.EndRename(0);
        ASSERT_EQ(list.messages.size(), 1u);
        EXPECT_EQ(list.messages[0], std::make_pair(330, 33));
        EXPECT_EQ(list.rows[0].text, "Profile 1");
        EXPECT_EQ(StoredName(ids[0]), "Profile 1");
    }

    list.messages.clear();
    list.rows[0].text = "Gaming";
    model.EndRename(0);
    EXPECT_TRUE(list.messages.empty());
    EXPECT_EQ(StoredName(ids[0]), "Gaming");

    // A name may repeat.
    Insert({ "Other" });
    model.Load();
    list.rows[1].text = "Gaming";
    model.EndRename(1);
    EXPECT_EQ(StoredName(list.rows[1].profile), "Gaming");
}

TEST_F(ProfileListModelTest, DeletingSelectsTheRowBeforeAndWritesTheKeyboard)
{
    const std::vector<int> ids = Insert({ "p1", "p2", "p3", "p4", "p5" });
    KeyAssignment kept;
    kept.profile = ids[2];
    kept.key_code = 4;
    kept.macro_type = 2;
    kept.macro_value = 5;
    Store().SaveKeyAssignment(kept);
    model.Load();

    list.selection = 2;
    list.confirmAnswer = false;
    model.Delete();
    EXPECT_EQ(list.Count(), 5) << "a cancelled question deletes nothing";
    EXPECT_EQ(list.messages.back(), std::make_pair(290, 291));

    list.confirmAnswer = true;
    model.Delete();
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.selection, 1);
    EXPECT_EQ(list.current, ids[1]);
    EXPECT_EQ(Store().GetActiveProfile(), ids[1]);
    EXPECT_EQ(list.loadedProfiles.back(), ids[1]);
    EXPECT_EQ(list.armedProfiles.back(), ids[1]);
    EXPECT_EQ(list.keyboardWrites, std::vector<int> { ids[1] });
    EXPECT_EQ(StoredName(ids[2]), "");
    KeyAssignment row;
    EXPECT_TRUE(Store().GetKeyAssignment(ids[2], 0, 4, row)) << "the deleted profile's keys stay in the store";

    // The first row: nothing is selected and the new first row is current.
    list.selection = 0;
    model.Delete();
    EXPECT_EQ(list.selection, -1);
    EXPECT_EQ(list.current, ids[1]);
    EXPECT_EQ(list.rows[0].profile, ids[1]);
}

TEST_F(ProfileListModelTest, DeletingNeedsTwoRowsAndASelection)
{
    Insert({ "only" });
    model.Load();
    model.Delete();
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.messages.empty());

    Insert({ "second" });
    model.Load();
    list.selection = -1;
    model.Delete();
    EXPECT_EQ(list.Count(), 2);
    EXPECT_TRUE(list.keyboardWrites.empty());
}

TEST_F(ProfileListModelTest, SwitchingMakesTheSelectedProfileActive)
{
    const std::vector<int> ids = Insert({ "a", "b" });
    model.Load();
    list.selection = 1;
    model.Switch();
    EXPECT_EQ(list.current, ids[1]);
    EXPECT_EQ(Store().GetActiveProfile(), ids[1]);
    EXPECT_EQ(list.loadedProfiles.back(), ids[1]);
    EXPECT_EQ(list.armedProfiles.back(), ids[1]);
    EXPECT_TRUE(list.pictureEnabled);
    EXPECT_TRUE(list.keyboardWrites.empty());

    list.selection = -1;
    model.Switch();
    EXPECT_FALSE(list.pictureEnabled);
    EXPECT_EQ(list.current, ids[1]);
}

TEST(ProfileNameTest, RefusedNames)
{
    EXPECT_TRUE(ProfileListModel::IsRefusedName("", kBlocked));
    EXPECT_TRUE(ProfileListModel::IsRefusedName("XJPx", kBlocked));
    EXPECT_TRUE(ProfileListModel::IsRefusedName("大大的", kBlocked));
    EXPECT_FALSE(ProfileListModel::IsRefusedName("Work", kBlocked));
    EXPECT_FALSE(ProfileListModel::IsRefusedName("配置方案 1", kBlocked));
}

} // namespace clavora::test
