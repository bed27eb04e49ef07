#include "platform/ui/PublishedTypes.h"

#include <QBuffer>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Controls.h"
#include "platform/ui/GraphicsObjects.h"
#include "platform/ui/Picture.h"

const TEnumInfo AlignInfo{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
const TEnumInfo AnchorKindInfo{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
const TEnumInfo FontStyleInfo{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const TEnumInfo BorderStyleInfo{"TFormBorderStyle",
                                {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const TEnumInfo BevelCutInfo{"TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
const TEnumInfo TabStyleInfo{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
const TEnumInfo PositionInfo{"TPosition",
                             {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                              "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
const TEnumInfo ViewStyleInfo{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
const TEnumInfo AlignmentInfo{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};

namespace {

[[maybe_unused]] const bool kColorIdentsRegistered = [] {
    std::vector<TIdentMapEntry> entries;
    for (const auto& [color, name] : ColorIdentifiers())
        entries.push_back(TIdentMapEntry{color, std::string(name)});
    RegisterColorIdents(std::move(entries));
    return true;
}();

// A picture's bitmap as the bytes of a Windows bitmap file.
std::string PictureData(const TPicture& picture)
{
    if (picture.Empty())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    static_cast<TBitmap*>(picture.Graphic())->Image().save(&buffer, "BMP");
    return bytes.toStdString();
}

void SetPictureData(TPicture& picture, const std::string& data)
{
    if (data.empty())
        picture.Clear();
    else
        picture.Bitmap().LoadFromMemory(data.data(), data.size());
}

} // namespace

VN_PUBLISHED(TControl)
{
    props.Integer("Left", &TControl::Left, &TControl::SetLeft);
    props.Integer("Top", &TControl::Top, &TControl::SetTop);
    props.Integer("Width", &TControl::Width, &TControl::SetWidth);
    props.Integer("Height", &TControl::Height, &TControl::SetHeight);
    props.String("Hint", &TControl::Hint, &TControl::SetHint);
}

VN_PUBLISHED(TSizeConstraints)
{
    props.Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0);
    props.Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0);
    props.Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0);
    props.Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0);
}

VN_PUBLISHED(TFont)
{
    props.Color("Color", &TFont::Color, &TFont::SetColor, clWindowText);
    props.Integer("Height", &TFont::Height, &TFont::SetHeight);
    props.String("Name", &TFont::Name, &TFont::SetName);
    props.Set("Style", &TFont::Style, &TFont::SetStyle, FontStyleInfo, 0);
}

VN_PUBLISHED(TPicture)
{
    props.Binary("Data", [](const TPicture& p) { return PictureData(p); },
                 [](TPicture& p, const std::string& data) { SetPictureData(p, data); });
}
