#pragma once

// Recorders standing in for the keyboard picture, the key chooser and the window.

#include "keys/KeyPageViews.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace clavora::test {

struct PictureRecorder : IKeyPictureView {
    void SetKeyMark(int key, bool marked) override
    {
        if (marked)
            marks.insert(key);
        else
            marks.erase(key);
    }
    void SetKeyTip(int key, const std::string& label, const std::string& text) override
    {
        if (label.empty() && text.empty())
            tips.erase(key);
        else
            tips[key] = { label, text };
    }
    void ClearSelection() override { selected = false; }
    void ClearMarksAndTips() override
    {
        marks.clear();
        tips.clear();
        selected = false;
    }
    void Redraw() override { ++redraws; }

    std::set<int> marks;
    std::map<int, std::pair<std::string, std::string>> tips;
    // The picture selects a key itself on a click; tests set this before the page sees it.
    bool selected = false;
    int redraws = 0;
};

struct ChooserRecorder : IKeyChooserView {
    struct Tick {
        int code = -1;
        int value2 = 0;
        int value3 = 0;
    };
    void CheckItem(int code, int value2, int value3) override { tick = { code, value2, value3 }; }
    Tick tick;
};

struct HostRecorder : IKeyPageHost {
    int CurrentProfile() const override { return profile; }
    void ShowMessage(int text, int title) override { messages.emplace_back(text, title); }
    void ArmKeyFilter() override { ++arms; }
    bool RunCustomKeyDialog(int mode, int profileOfKey, int key) override
    {
        dialogs.push_back({ mode, profileOfKey, key });
        return dialogAnswer;
    }

    struct Dialog {
        int mode, profile, key;
    };
    int profile = 1;
    int arms = 0;
    bool dialogAnswer = false;
    std::vector<std::pair<int, int>> messages;
    std::vector<Dialog> dialogs;
};

} // namespace clavora::test
