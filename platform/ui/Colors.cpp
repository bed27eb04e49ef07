#include "platform/ui/Colors.h"

#include <QColor>
#include <array>
#include <string_view>

namespace {

// One fixed desktop palette, indexed by system colour number.
constexpr std::array<TColor, 31> kSystemPalette = {
    RGB(200, 200, 200), // scroll bar
    RGB(58, 110, 165),  // desktop
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(0, 0, 0),       // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // application workspace
    RGB(0, 120, 215),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(109, 109, 109), // gray text
    RGB(0, 0, 0),       // button text
    RGB(67, 78, 84),    // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3D dark shadow
    RGB(227, 227, 227), // 3D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(0, 0, 0),       // (unused)
    RGB(0, 102, 204),   // hot light
    RGB(185, 209, 234), // gradient active caption
    RGB(215, 228, 242), // gradient inactive caption
    RGB(51, 153, 255),  // menu highlight
    RGB(240, 240, 240), // menu bar
};

struct ColorName {
    TColor color;
    std::string_view name;
};

constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"}, {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"}, {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"}, {clNone, "clNone"}, {clDefault, "clDefault"},
};

} // namespace

const std::vector<std::pair<TColor, std::string_view>>& ColorIdentifiers()
{
    static const std::vector<std::pair<TColor, std::string_view>> identifiers = [] {
        std::vector<std::pair<TColor, std::string_view>> list;
        for (const auto& entry : kColorNames)
            list.emplace_back(entry.color, entry.name);
        return list;
    }();
    return identifiers;
}

TColor GetSysColor(int index)
{
    if (index < 0 || index >= static_cast<int>(kSystemPalette.size()))
        return clBlack;
    return kSystemPalette[static_cast<size_t>(index)];
}

TColor ColorToRGB(TColor color)
{
    if ((static_cast<uint32_t>(color) & 0xFF000000u) == 0xFF000000u)
        return GetSysColor(color & 0xFF);
    return color & 0x00FFFFFF;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}
