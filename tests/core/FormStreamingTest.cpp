// Published properties and form files: what is written (defaults left out,
// declaration order, sub-properties, references, events) and reading it back
// (file order, creation through the class registry, references resolved after
// the whole form, errors).
#include <gtest/gtest.h>

#include "platform/core/Classes.h"

namespace {

enum TShade { shLight, shMedium, shDark };
enum TFlag { flBold, flItalic, flUnderline };
const TEnumInfo ShadeInfo{"TShade", {"shLight", "shMedium", "shDark"}};
const TEnumInfo FlagInfo{"TFlag", {"flBold", "flItalic", "flUnderline"}};

class TBorder : public TPersistent {
    VN_CLASS(TBorder, TPersistent)

public:
    int Width() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }
    std::int64_t Color() const { return FColor; }
    void SetColor(std::int64_t v) { FColor = v; }

private:
    int FWidth = 1;
    std::int64_t FColor = 0;
};

VN_PUBLISHED(TBorder) {
    props.Integer("Width", &TBorder::Width, &TBorder::SetWidth, 1);
    props.Color("Color", &TBorder::Color, &TBorder::SetColor, 0);
}

class TWidget : public TComponent {
    VN_CLASS(TWidget, TComponent)

public:
    using TComponent::TComponent;

    void AfterConstruction() override {
        inherited::AfterConstruction();
        FBorder = TBorder::Create();
    }
    void Destroy() override {
        FreeAndNil(FBorder);
        inherited::Destroy();
    }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v) { FCaption = v; }
    int Size() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }
    TShade Shade() const { return FShade; }
    void SetShade(TShade v) { FShade = v; }
    TSet<TFlag> Flags() const { return FFlags; }
    void SetFlags(TSet<TFlag> v) { FFlags = v; }
    TBorder* Border() const { return FBorder; }
    TWidget* Buddy() const { return FBuddy; }
    void SetBuddy(TWidget* v) {
        FBuddy = v;
        if (v) v->FreeNotification(this);
    }
    TEvent<void(TObject*)> OnClick;

    // Whether the reference was already resolved when Loaded ran.
    bool BuddyKnownWhenLoaded = false;
    int LoadedCalls = 0;

    void Loaded() override {
        inherited::Loaded();
        ++LoadedCalls;
        BuddyKnownWhenLoaded = FBuddy != nullptr;
    }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
        inherited::Notification(AComponent, Operation);
    }

private:
    std::string FCaption;
    int FSize = 10;
    bool FVisible = true;
    TShade FShade = shLight;
    TSet<TFlag> FFlags;
    TBorder* FBorder = nullptr;
    TWidget* FBuddy = nullptr;
};

VN_PUBLISHED(TWidget) {
    props.String("Caption", &TWidget::Caption, &TWidget::SetCaption);
    props.Integer("Size", &TWidget::Size, &TWidget::SetSize, 10);
    props.Boolean("Visible", &TWidget::Visible, &TWidget::SetVisible, true);
    props.Enum("Shade", &TWidget::Shade, &TWidget::SetShade, ShadeInfo, shLight);
    props.Set("Flags", &TWidget::Flags, &TWidget::SetFlags, FlagInfo, 0);
    props.Class("Border", &TWidget::Border);
    props.Reference("Buddy", &TWidget::Buddy, &TWidget::SetBuddy);
    props.Event("OnClick", &TWidget::OnClick);
}

// A descendant republishes Size with another default.
class TBigWidget : public TWidget {
    VN_CLASS(TBigWidget, TWidget)

public:
    explicit TBigWidget(TComponent* AOwner) : TWidget(AOwner) { SetSize(50); }
};

VN_PUBLISHED(TBigWidget) { props.Integer("Size", &TWidget::Size, &TWidget::SetSize, 50); }

TWidget* MakeWidget(TComponent* owner, const char* name) {
    auto* w = TWidget::Create(owner);
    w->SetName(name);
    return w;
}

const char* const kFormText =
    "object Form1: TWidget\n"
    "  object W1: TWidget\n"
    "    Caption = 'It''s'#13#10'ok ä'\n"
    "    Size = 5\n"
    "    Shade = shDark\n"
    "    Flags = [flBold, flUnderline]\n"
    "    Border.Width = 3\n"
    "    Buddy = W2\n"
    "    OnClick = Form1Click\n"
    "  end\n"
    "  object W2: TBigWidget\n"
    "    Visible = False\n"
    "    Border.Color = 255\n"
    "  end\n"
    "end\n";

TEST(PropertyTable, InheritedPropertiesComeFirstAndRepublishingKeepsThePlace) {
    std::vector<std::string> names;
    for (const TPropInfo* p : GetPropList(TBigWidget::StaticClass())) names.push_back(p->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Name", "Tag", "Caption", "Size", "Visible", "Shade", "Flags",
                                               "Border", "Buddy", "OnClick"}));
    EXPECT_EQ(*GetPropInfo(TBigWidget::StaticClass(), "size")->Default, 50);
    EXPECT_EQ(*GetPropInfo(TWidget::StaticClass(), "Size")->Default, 10);
}

TEST(PropertyTable, TextAccessUsesIdentifiers) {
    auto* w = MakeWidget(nullptr, "W");
    const ClassRef* cls = w->ClassType();
    SetPropText(w, GetPropInfo(cls, "Shade"), "shMedium");
    SetPropText(w, GetPropInfo(cls, "Flags"), "[flItalic,flBold]");
    SetPropText(w, GetPropInfo(cls, "Visible"), "false");
    EXPECT_EQ(w->Shade(), shMedium);
    EXPECT_EQ(GetPropText(w, GetPropInfo(cls, "Flags")), "[flBold, flItalic]");
    EXPECT_EQ(GetPropText(w, GetPropInfo(cls, "Visible")), "False");
    EXPECT_THROW(SetPropText(w, GetPropInfo(cls, "Shade"), "shPurple"), EPropertyError);
    EXPECT_THROW(SetPropText(w, GetPropInfo(cls, "Size"), "ten"), EPropertyError);
    w->Free();
}

TEST(FormFile, WriterLeavesOutDefaultsAndFollowsDeclarationOrder) {
    auto* form = MakeWidget(nullptr, "Form1");
    auto* w1 = MakeWidget(form, "W1");
    auto* w2 = TBigWidget::Create(form);
    w2->SetName("W2");
    w1->SetCaption("It's\r\nok ä");
    w1->SetSize(5);
    w1->SetShade(shDark);
    w1->SetFlags({flBold, flUnderline});
    w1->Border()->SetWidth(3);
    w1->SetBuddy(w2);
    w1->OnClick.Assign("Form1Click", [](TObject*) {});
    w2->SetVisible(false);
    w2->Border()->SetColor(255);
    EXPECT_EQ(TFormWriter::ComponentToText(form), kFormText);

    w1->OnClick = [](TObject*) {};  // a handler without a name is not stored
    EXPECT_EQ(TFormWriter::ComponentToText(w1).find("OnClick"), std::string::npos);
    form->Free();
}

TEST(FormFile, ReadingRebuildsTheFormAndResolvesForwardReferences) {
    int clicks = 0;
    TMethodTable methods;
    methods.Add<void(TObject*)>("Form1Click", [&](TObject*) { ++clicks; });

    TComponent* root = TFormReader::TextToComponent(kFormText, nullptr, nullptr, &methods);
    ASSERT_EQ(root->ClassName(), "TWidget");
    EXPECT_EQ(root->Name(), "Form1");
    ASSERT_EQ(root->ComponentCount(), 2);
    auto* w1 = As<TWidget>(root->FindComponent("W1"));
    auto* w2 = As<TBigWidget>(root->FindComponent("W2"));
    ASSERT_TRUE(w1 && w2);
    EXPECT_EQ(w1->Caption(), "It's\r\nok ä");
    EXPECT_EQ(w1->Size(), 5);
    EXPECT_EQ(w1->Shade(), shDark);
    EXPECT_EQ(w1->Flags(), (TSet<TFlag>{flBold, flUnderline}));
    EXPECT_EQ(w1->Border()->Width(), 3);
    EXPECT_EQ(w1->Buddy(), w2);
    EXPECT_TRUE(w1->BuddyKnownWhenLoaded);
    EXPECT_EQ(w1->LoadedCalls, 1);
    EXPECT_FALSE(w1->IsLoading());
    EXPECT_EQ(w2->Size(), 50);
    EXPECT_FALSE(w2->Visible());
    EXPECT_EQ(w2->Border()->Color(), 255);
    w1->OnClick(w1);
    EXPECT_EQ(clicks, 1);

    EXPECT_EQ(TFormWriter::ComponentToText(root), kFormText);

    w2->Free();
    EXPECT_EQ(w1->Buddy(), nullptr);
    root->Free();
}

TEST(FormFile, ReadingIntoAnExistingRootReusesOwnedComponents) {
    auto* form = MakeWidget(nullptr, "Old");
    auto* existing = MakeWidget(form, "W1");
    TMethodTable methods;
    methods.Add<void(TObject*)>("Form1Click", [](TObject*) {});
    TStringStream stream(kFormText);
    EXPECT_EQ(TFormReader::ReadComponent(&stream, form, nullptr, &methods), form);
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->FindComponent("W1"), existing);
    EXPECT_EQ(existing->Size(), 5);
    EXPECT_EQ(form->ComponentCount(), 2);
    form->Free();
}

TEST(FormFile, ReadErrorsNameThePropertyAndFreeWhatWasCreated) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"object F: TWidget\n  Colour = 1\nend\n", "Error reading F.Colour: Property Colour does not exist"},
        {"object F: TWidget\n  Shade = shPurple\nend\n", "Error reading F.Shade: Invalid property value"},
        {"object F: TWidget\n  Border.Depth = 1\nend\n", "Error reading F.Border.Depth: Property Depth does not exist"},
        {"object F: TWidget\n  object W: TWidget\n    OnClick = Missing\n  end\nend\n",
         "Error reading W.OnClick: Method Missing not found"},
        {"object F: TWidget\n  object W: TNoSuchWidget\n  end\nend\n", "Class TNoSuchWidget not found"},
        {"object F: TWidget\n  Caption = 'open\nend\n", "Unterminated string on line 2"},
        {"object F: TWidget\n  Size 5\nend\n", "'=' expected on line 2"},
        {"object F: TBorder\nend\n", "Error reading F: TBorder is not a component class"},
    };
    for (const auto& c : cases) {
        try {
            TFormReader::TextToComponent(c.text, nullptr);
            ADD_FAILURE() << "no exception for " << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    // Into an existing root: the child created before the error is freed, the
    // root survives without the loading flags.
    auto* form = MakeWidget(nullptr, "F");
    EXPECT_THROW(TFormReader::TextToComponent("object F: TWidget\n  object W: TWidget\n    Size = x\n  end\nend\n",
                                              form),
                 EReadError);
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_FALSE(form->IsLoading());
    form->Free();
}

TEST(FormFile, StringsWithQuotesControlCharactersAndContinuations) {
    auto* w = MakeWidget(nullptr, "W");
    for (const std::string caption : {"''", "a'b", "\t\r\n", "tab\there", "ΣΩ 'x'", "#13"}) {
        w->SetCaption(caption);
        const std::string text = TFormWriter::ComponentToText(w);
        auto* copy = As<TWidget>(TFormReader::TextToComponent(text, nullptr));
        EXPECT_EQ(copy->Caption(), caption) << text;
        copy->Free();
    }
    auto* joined = As<TWidget>(TFormReader::TextToComponent("object W: TWidget\n  Caption = 'ab' +\n    'cd'#33\nend", nullptr));
    EXPECT_EQ(joined->Caption(), "abcd!");
    joined->Free();
    w->Free();
}

}  // namespace
