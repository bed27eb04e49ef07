// Form files carry the GUI types: fonts, pictures, size constraints, colour
// identifiers and control bounds.
#include <gtest/gtest.h>

#include "platform/core/FormReader.h"
#include "platform/core/FormWriter.h"
#include "platform/ui/Controls.h"
#include "platform/ui/PublishedTypes.h"

namespace {

class TLookHolder : public TControl {
    VN_CLASS(TLookHolder, TControl)

public:
    explicit TLookHolder(TComponent* AOwner) : TControl(AOwner)
    {
        FPicture = TPicture::Create();
    }
    ~TLookHolder() override { FPicture->Free(); }
    TFont* TableFont() const { return FFont; }
    TPicture* Picture() const { return FPicture; }
    TSizeConstraints* Limits() const { return FConstraints; }
    TColor BkColor() const { return FBk; }
    void SetBkColor(TColor value) { FBk = value; }
    TAlign Placement() const { return Align(); }
    void SetPlacement(TAlign value) { SetAlign(value); }

private:
    TPicture* FPicture;
    TColor FBk = clWhite;
};

VN_PUBLISHED(TLookHolder)
{
    props.Enum("Placement", &TLookHolder::Placement, &TLookHolder::SetPlacement, AlignInfo, alNone);
    props.Color("BkColor", &TLookHolder::BkColor, &TLookHolder::SetBkColor, clWhite);
    props.Class("TableFont", &TLookHolder::TableFont);
    props.Class("Picture", &TLookHolder::Picture);
    props.Class("Limits", &TLookHolder::Limits);
}

TEST(PublishedProperties, GuiTypesRoundTripThroughFormText)
{
    TLookHolder* holder = TLookHolder::Create(nullptr);
    holder->SetName("Look1");
    holder->SetBounds(1, 2, 30, 40);
    holder->SetPlacement(alClient);
    holder->SetBkColor(clBtnFace);
    holder->TableFont()->SetName("Arial");
    holder->TableFont()->SetStyle(TFontStyles{fsBold, fsItalic});
    holder->Limits()->SetMinWidth(50);
    holder->Picture()->Bitmap().SetSize(3, 2);
    holder->Picture()->Bitmap().Canvas().SetPixel(1, 1, clRed);

    const std::string text = TFormWriter::ComponentToText(holder);
    for (const char* line : {"Left = 1", "Height = 40", "Placement = alClient", "BkColor = clBtnFace",
                             "TableFont.Style = [fsBold, fsItalic]", "TableFont.Name = 'Arial'",
                             "Limits.MinWidth = 50", "Picture.Data = {"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    EXPECT_EQ(text.find("Limits.MaxWidth"), std::string::npos);

    TLookHolder* copy = TLookHolder::Create(nullptr);
    TFormReader::TextToComponent(text, copy);
    EXPECT_EQ(copy->BkColor(), clBtnFace);
    EXPECT_EQ(copy->Placement(), alClient);
    EXPECT_TRUE(copy->TableFont()->SameAs(*holder->TableFont()));
    EXPECT_EQ(copy->Limits()->MinWidth(), 50);
    ASSERT_EQ(copy->Picture()->Width(), 3);
    EXPECT_EQ(FromQColor(QColor(copy->Picture()->Bitmap().Image().pixel(1, 1))), clRed);
    copy->Free();
    holder->Free();
}

} // namespace
