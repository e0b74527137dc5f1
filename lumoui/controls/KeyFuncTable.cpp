#include "controls/KeyFuncTable.h"

#include <initializer_list>

namespace lumo {

namespace {

// Key rows are 28 pixels high; a run of keys of one row sits at a 39-pixel pitch.
constexpr int kRowHeight = 28;
constexpr int kKeyWidth = 36;
constexpr int kKeyPitch = 39;
constexpr int kIconWidth = 43;
constexpr int kIconPitch = 50;

struct Row {
    int top;
    int bottom;
};
constexpr Row kIcons { 0, kRowHeight };
constexpr Row kFunction { 38, 66 };
constexpr Row kNumber { 76, 104 };
constexpr Row kTop { 109, 137 };
constexpr Row kHome { 142, 170 };
constexpr Row kShift { 175, 203 };
constexpr Row kBottom { 208, 236 };

struct Run {
    const char* text;
    int data;
};

class Builder {
public:
    explicit Builder(std::vector<KeyFuncEntry>& out) : m_out(out) { }

    void Key(const char* text, int data, Row row, int left, int right)
    {
        m_out.push_back(KeyFuncEntry { text, data, CRect(left, row.top, right, row.bottom), std::string() });
    }
    // Keys of one width at the key pitch, starting at `left`.
    void Keys(Row row, int left, std::initializer_list<Run> keys)
    {
        for (const Run& k : keys) {
            Key(k.text, k.data, row, left, left + kKeyWidth);
            left += kKeyPitch;
        }
    }
    void Icon(int data, const char* file)
    {
        int left = m_icons++ * kIconPitch;
        m_out.push_back(KeyFuncEntry { std::string(), data, CRect(left, kIcons.top, left + kIconWidth, kIcons.bottom),
            std::string("icon/") + file });
    }

private:
    std::vector<KeyFuncEntry>& m_out;
    int m_icons = 0;
};

std::vector<KeyFuncEntry> MakeItems()
{
    std::vector<KeyFuncEntry> items;
    Builder b(items);
    b.Icon(249, "icon_pc.png");
    b.Icon(242, "icon_cal.png");
    b.Icon(240, "icon_email.png");
    b.Icon(232, "icon_multimedia.png");
    b.Icon(238, "icon_playpause.png");
    b.Icon(236, "icon_stop.png");
    b.Icon(237, "icon_pre.png");
    b.Icon(239, "icon_next.png");
    b.Icon(233, "icon_vol_down.png");
    b.Icon(234, "icon_vol_up.png");
    b.Icon(235, "icon_vol_mute.png");
    b.Icon(241, "icon_home.png");
    b.Icon(246, "icon_web_refresh.png");
    b.Icon(245, "icon_web_stop.png");
    b.Icon(243, "icon_web_backward.png");
    b.Icon(244, "icon_web_foreward.png");
    b.Icon(248, "icon_favorites.png");
    b.Icon(247, "icon_web_search.png");

    b.Key("Esc", 41, kFunction, 0, 36);
    b.Keys(kFunction, 78, { { "F1", 58 }, { "F2", 59 }, { "F3", 60 }, { "F4", 61 } });
    b.Keys(kFunction, 260, { { "F5", 62 }, { "F6", 63 }, { "F7", 64 }, { "F8", 65 } });
    b.Keys(kFunction, 442, { { "F9", 66 }, { "F10", 67 }, { "F11", 68 }, { "F12", 69 } });
    b.Keys(kFunction, 616, { { "Print", 70 }, { "Scroll Lock", 71 }, { "Pause", 72 } });

    b.Key("~", 53, kNumber, 0, 36);
    b.Keys(kNumber, 39,
        { { "1", 30 }, { "2", 31 }, { "3", 32 }, { "4", 33 }, { "5", 34 }, { "6", 35 }, { "7", 36 }, { "8", 37 },
            { "9", 38 }, { "0", 39 }, { "-", 45 }, { "=", 46 } });
    b.Key("Back", 42, kNumber, 507, 595);
    b.Keys(kNumber, 616, { { "Ins", 73 }, { "Home", 74 }, { "PgUp", 75 } });
    b.Keys(kNumber, 750, { { "NumLock", 83 }, { "/", 84 }, { "*", 85 }, { "-", 86 } });

    b.Key("Tab", 43, kTop, 0, 75);
    b.Keys(kTop, 78,
        { { "Q", 20 }, { "W", 26 }, { "E", 8 }, { "R", 21 }, { "T", 23 }, { "Y", 28 }, { "U", 24 }, { "I", 12 },
            { "O", 18 }, { "P", 19 } });
    b.Key("[", 47, kTop, 468, 503);
    b.Key("]", 48, kTop, 507, 542);
    b.Key("\\", 49, kTop, 546, 595);
    b.Keys(kTop, 616, { { "Del", 76 }, { "End", 77 }, { "PgDn", 78 } });
    b.Keys(kTop, 750, { { "7", 95 }, { "8", 96 }, { "9", 97 } });
    b.Key("+", 87, Row { kTop.top, kHome.bottom }, 867, 903);

    b.Key("Caps", 57, kHome, 0, 85);
    b.Keys(kHome, 88,
        { { "A", 4 }, { "S", 22 }, { "D", 7 }, { "F", 9 }, { "G", 10 }, { "H", 11 }, { "J", 13 }, { "K", 14 },
            { "L", 15 }, { ";", 51 }, { "'", 52 } });
    b.Key("Enter", 40, kHome, 517, 595);
    b.Keys(kHome, 750, { { "4", 92 }, { "5", 93 }, { "6", 94 } });

    b.Key("Shift", 225, kShift, 0, 101);
    b.Keys(kShift, 104,
        { { "Z", 29 }, { "X", 27 }, { "C", 6 }, { "V", 25 }, { "B", 5 }, { "N", 17 }, { "M", 16 }, { ",<", 54 },
            { ".>", 55 }, { "/?", 56 } });
    b.Key("Shift", 229, kShift, 494, 595);
    b.Key("Up", 82, kShift, 655, 691);
    b.Keys(kShift, 750, { { "1", 89 }, { "2", 90 }, { "3", 91 } });
    b.Key("Enter", 88, Row { kShift.top, kBottom.bottom }, 867, 903);

    b.Key("Ctrl", 224, kBottom, 0, 50);
    b.Key("Win", 227, kBottom, 53, 103);
    b.Key("Alt", 226, kBottom, 106, 156);
    b.Key("Space", 44, kBottom, 159, 383);
    b.Key("Alt", 230, kBottom, 386, 436);
    b.Key("Win", 231, kBottom, 439, 489);
    b.Key("App", 101, kBottom, 492, 542);
    b.Key("Ctrl", 228, kBottom, 545, 595);
    b.Keys(kBottom, 616, { { "Left", 80 }, { "Down", 81 }, { "Right", 79 } });
    b.Key("0", 98, kBottom, 750, 786);
    b.Key(".", 99, kBottom, 789, 864);
    return items;
}

} // namespace

const std::vector<KeyFuncEntry>& BuiltInKeyFuncItems()
{
    static const std::vector<KeyFuncEntry> items = MakeItems();
    return items;
}

} // namespace lumo
