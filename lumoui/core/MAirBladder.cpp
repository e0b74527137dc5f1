#include "lumoui/MAirBladder.h"
#include "lumoui/MRender.h"
#include "lumoui/Manager.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace lumo {

namespace {

constexpr UINT kHideTimer = 10;
constexpr UINT kHideMs = 5000;
constexpr int kStayType = 4;
constexpr int kFontSize = 14;
constexpr int kDefaultArrow = 10;
constexpr ARGB kFallbackFill = 0xF0202428;
constexpr ARGB kFallbackBorder = 0xFF555A60;

MFont BalloonFont() { return MFont { Manager::GetFontName(), kFontSize, FontStyleRegular }; }

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

void FillTriangle(HDC hdc, double x0, double y0, double x1, double y1, double x2, double y2, ARGB c)
{
    cairo_save(hdc);
    cairo_set_source_rgba(hdc, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0,
        (c >> 24) / 255.0);
    cairo_move_to(hdc, x0, y0);
    cairo_line_to(hdc, x1, y1);
    cairo_line_to(hdc, x2, y2);
    cairo_close_path(hdc);
    cairo_fill(hdc);
    cairo_restore(hdc);
}

} // namespace

MAirBladder::MAirBladder(MObject* parent) : MPopupWnd(parent) { }

MAirBladder::~MAirBladder() = default;

bool MAirBladder::CreateBalloon(HWND owner)
{
    SetLayeredWindow(true);
    // Created hidden: the balloon shows once it has a text and a place.
    return Create(owner, "AirBladder Window", 0x96000080 & ~WS_VISIBLE,
               WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LUMO_TOOLTIP, CRect(0, 0, 1, 1))
        != nullptr;
}

void MAirBladder::InitUI(CRect)
{
    EnableWndDrag(false);
    for (const char* name : { "img_tip_bk.png", "img_tip_arrow_left.png", "img_tip_arrow_right.png",
             "img_tip_arrow_top.png" }) {
        m_pm.AddImgResInfo(name, 1);
    }
    AddPainter([this](HDC& hdc, CRect rect) { DrawBalloon(hdc, rect); });
}

CRect MAirBladder::FitRect(int mode, CPoint a, CSize text)
{
    int w = text.cx;
    int h = text.cy;
    switch (mode) {
    case 1:
        return CRect(a.x, a.y - h / 2 - 10, a.x + w + 40, a.y - h / 2 + h + 10);
    case 2:
        return CRect(a.x - w - 40, a.y - 27, a.x, a.y + h - 7);
    case 3:
        return CRect(a.x - 25, a.y, a.x + w + 15, a.y + h + 30);
    case 4:
        return CRect(a.x - (w + 30) / 2, a.y - h - 20, a.x - (w + 30) / 2 + w + 30, a.y);
    case 5:
        return CRect(a.x, a.y - 10, a.x + w + 40, a.y + h - 45);
    default:
        return CRect();
    }
}

void MAirBladder::SetAirBladderMsg(const std::string& text, int x, int y, int type, int mode)
{
    if (text == m_text && x == m_anchor.x && y == m_anchor.y && type == m_type && mode == m_mode) {
        return;
    }
    m_text = text;
    m_anchor = CPoint(x, y);
    m_type = type;
    m_mode = mode;
    AutoFit();
    if (type != kStayType) {
        SetTimer(kHideTimer, kHideMs);
    } else {
        KillTimer(kHideTimer);
    }
    if (GetPainter()) {
        GetPainter()->UpdateControl(true, true);
    }
}

void MAirBladder::AutoFit()
{
    std::vector<std::string> lines = Lines(m_text);
    m_lineCount = static_cast<int>(lines.size());
    MFont font = BalloonFont();
    int w = 0;
    for (const auto& line : lines) {
        w = std::max(w, MRender::GetTextBounds(line, font).cx);
    }
    int lineHeight = MRender::GetTextBounds("Ag", font).cy;
    int rows = m_mode == 5 ? std::max(0, m_lineCount - 2) : m_lineCount;
    CRect r = FitRect(m_mode, m_anchor, CSize(w, rows * lineHeight));
    if (!r.IsRectEmpty()) {
        SetWindowPos(HWND_TOPMOST, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE);
    }
}

void MAirBladder::OnTimer(UINT id)
{
    if (id == kHideTimer) {
        KillTimer(kHideTimer);
        ShowWindow(SW_HIDE);
    }
}

void MAirBladder::DrawArrow(HDC& hdc, CRect rect, CPoint tip, const MImage* arrow, CSize size)
{
    int aw = size.cx;
    int ah = size.cy;
    int ax = std::clamp(tip.x - aw / 2, rect.left, std::max(rect.left, rect.right - aw));
    int ay = std::clamp(tip.y - ah / 2, rect.top, std::max(rect.top, rect.bottom - ah));
    if (m_mode == 1 || m_mode == 5) {
        ax = rect.left;
    } else if (m_mode == 2) {
        ax = rect.right - aw;
    } else if (m_mode == 4) {
        ay = rect.bottom - ah;
    } else {
        ay = rect.top;
    }
    if (arrow && m_mode == 4) {
        // The top arrow turned upside down points at an anchor below.
        cairo_save(hdc);
        cairo_translate(hdc, ax + aw / 2.0, ay + ah / 2.0);
        cairo_rotate(hdc, M_PI);
        MRender::DrawImage(hdc, arrow, -aw / 2, -ah / 2);
        cairo_restore(hdc);
    } else if (arrow) {
        MRender::DrawImage(hdc, arrow, ax, ay);
    } else if (m_mode == 1 || m_mode == 5) {
        FillTriangle(hdc, ax, ay + ah / 2.0, ax + aw, ay, ax + aw, ay + ah, kFallbackFill);
    } else if (m_mode == 2) {
        FillTriangle(hdc, ax + aw, ay + ah / 2.0, ax, ay, ax, ay + ah, kFallbackFill);
    } else if (m_mode == 4) {
        FillTriangle(hdc, ax + aw / 2.0, ay + ah, ax, ay, ax + aw, ay, kFallbackFill);
    } else {
        FillTriangle(hdc, ax + aw / 2.0, ay, ax, ay + ah, ax + aw, ay + ah, kFallbackFill);
    }
}

void MAirBladder::DrawBalloon(HDC& hdc, CRect rect)
{
    ImgResInfo* bk = m_pm.AddImgResInfo("img_tip_bk.png", 1);
    const char* arrowName = m_mode == 1 || m_mode == 5 ? "img_tip_arrow_left.png"
        : m_mode == 2                                   ? "img_tip_arrow_right.png"
                                                        : "img_tip_arrow_top.png";
    ImgResInfo* arrow = m_pm.AddImgResInfo(arrowName, 1);
    int aw = arrow ? arrow->sliceWidth : kDefaultArrow;
    int ah = arrow ? arrow->sliceHeight : kDefaultArrow;

    // The body leaves room for the arrow on the side that faces the anchor.
    CRect body = rect;
    CRect win;
    GetWindowRect(&win);
    CPoint tip(m_anchor.x - win.left, m_anchor.y - win.top);
    if (m_mode == 1 || m_mode == 5) {
        body.left += aw;
    } else if (m_mode == 2) {
        body.right -= aw;
    } else if (m_mode == 4) {
        body.bottom -= ah;
    } else {
        body.top += ah;
    }
    if (bk) {
        MRender::DrawImageFrame(hdc, bk->image.get(), body, 0, 0, bk->sliceWidth, bk->sliceHeight, 6);
    } else {
        MRender::DrawRoundRectange(hdc, body.left, body.top, body.Width(), body.Height(), 8, kFallbackBorder, 1.0f,
            true, kFallbackFill);
    }
    DrawArrow(hdc, rect, tip, arrow ? arrow->image.get() : nullptr, CSize(aw, ah));
    CRect text = body;
    text.DeflateRect(10, 6);
    bool centred = m_lineCount <= 1 || m_mode == 4;
    MRender::DrawTextW(hdc, m_text, BalloonFont(), text, 0xFFFFFFFF,
        centred ? StringFormat::FromDT(DT_CENTER, DT_VCENTER, StringFormatFlagsNoWrap)
                : StringFormat::FromDT(DT_LEFT, DT_TOP, StringFormatFlagsNoWrap));
}

} // namespace lumo
