#include "GalleryForm.h"

#include <QPainter>

#include "platform/ui/Buttons.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Grids.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/StdCtrls.h"

namespace {

// A line between two field rows of two table windows, with round ends.
class TJoinLine : public TGraphicControl {
    VN_CLASS(TJoinLine, TGraphicControl)

public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        TCanvas& c = *Canvas();
        const int y1 = 8;
        const int y2 = Height() - 8;
        const int mid = Width() / 2;
        c.Pen().SetColor(clBlack);
        c.Polyline({{0, y1}, {mid, y1}, {mid, y2}, {Width(), y2}});
        c.Brush().SetColor(clWhite);
        c.Ellipse(0, y1 - 4, 8, y1 + 4);
        c.Brush().SetColor(clBlack);
        c.Polygon({{Width() - 1, y2}, {Width() - 9, y2 - 4}, {Width() - 9, y2 + 4}});
    }
};

// The column grid: check boxes in the output column, a pick list for the
// sort type and an ellipsis button for expressions.
class TColumnGrid : public TStringGrid {
    VN_CLASS(TColumnGrid, TStringGrid)

public:
    using TStringGrid::TStringGrid;

protected:
    TInplaceEdit* CreateEditor() override { return TInplaceEditList::Create(this); }
    TEditStyle GetEditStyle(int ACol, int) override
    {
        return ACol == 4 ? esPickList : ACol == 2 ? esEllipsis : esSimple;
    }
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override
    {
        if (ACol != 1 || ARow == 0) {
            TStringGrid::DrawCell(ACol, ARow, ARect, AState);
            return;
        }
        const std::string text = Cells(ACol, ARow);
        if (text.empty())
            return;
        const int left = ARect.Left + (ARect.Width() - CheckGlyphSize) / 2;
        const int top = ARect.Top + (ARect.Height() - CheckGlyphSize) / 2;
        DrawFrameControl(*Canvas(), Bounds(left, top, CheckGlyphSize, CheckGlyphSize), DFC_BUTTON,
                         DFCS_BUTTONCHECK | (text == "1" ? unsigned(DFCS_CHECKED) : 0u) | DFCS_FLAT);
    }
};

// Small pictures for the object list, drawn rather than loaded.
void DrawObjectIcon(TBitmap& bitmap, bool view)
{
    bitmap.SetSize(16, 16);
    TCanvas& c = bitmap.Canvas();
    c.Brush().SetColor(clFuchsia);
    c.FillRect(Rect(0, 0, 16, 16));
    c.Pen().SetColor(view ? RGB(0, 96, 0) : RGB(0, 64, 128));
    c.Brush().SetColor(view ? RGB(200, 235, 200) : RGB(210, 225, 245));
    c.Rectangle(1, 2, 15, 14);
    c.Brush().SetColor(view ? RGB(0, 128, 0) : RGB(0, 84, 168));
    c.FillRect(Rect(2, 3, 14, 6));
    c.Pen().SetColor(view ? RGB(0, 96, 0) : RGB(0, 64, 128));
    for (int y = 8; y < 14; y += 3) {
        c.MoveTo(2, y);
        c.LineTo(14, y);
    }
    c.ReleaseHandle();
}

TForm* TableWindow(TComponent* owner, TWinControl* parent, const std::string& caption, TRect bounds,
                   const std::vector<std::string>& fields, const std::vector<int>& checked, int selected)
{
    TForm* window = TForm::Create(owner);
    window->SetBorderStyle(bsSizeToolWin);
    window->SetParent(parent);
    window->SetCaption(caption);
    window->SetBoundsRect(bounds);
    TCheckListBox* list = TCheckListBox::Create(window);
    list->SetParent(window);
    list->SetBorderStyle(bsNone);
    list->SetAlign(alClient);
    list->Items()->Add("*");
    for (const std::string& field : fields)
        list->Items()->Add(field);
    for (int index : checked)
        list->SetChecked(index, true);
    list->SetItemIndex(selected);
    window->Show();
    return window;
}

} // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) {}

void TGalleryForm::AfterConstruction()
{
    inherited::AfterConstruction();
    SetCaption("Query Designer - orders.sql");
    SetBounds(40, 40, 820, 580);

    FImages = TImageList::Create(this);
    for (bool view : {false, true}) {
        TBitmap* icon = TBitmap::Create();
        DrawObjectIcon(*icon, view);
        FImages->AddMasked(*icon, clFuchsia);
        icon->Free();
    }

    BuildToolbar();
    BuildButtonBar();
    BuildObjectPages();

    TSplitter* splitter = TSplitter::Create(this);
    splitter->SetLeft(300);
    splitter->SetWidth(4);
    splitter->SetParent(this);

    TPanel* main = TPanel::Create(this);
    main->SetParent(this);
    main->SetBevelOuter(bvNone);
    main->SetAlign(alClient);
    BuildGrid(main);
    BuildWorkArea(main);
}

void TGalleryForm::BuildToolbar()
{
    TPanel* bar = TPanel::Create(this);
    bar->SetParent(this);
    bar->SetHeight(34);
    bar->SetAlign(alTop);

    TImage* logo = TImage::Create(this);
    logo->SetParent(bar);
    logo->SetBounds(6, 5, 24, 24);
    TBitmap& picture = logo->Picture().Bitmap();
    picture.SetSize(24, 24);
    TCanvas& c = picture.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(Rect(0, 0, 24, 24));
    c.Pen().SetColor(RGB(0, 64, 128));
    c.Brush().SetColor(RGB(255, 200, 60));
    c.Ellipse(2, 2, 22, 22);
    c.Brush().SetColor(RGB(0, 84, 168));
    c.Polygon({{8, 7}, {17, 12}, {8, 17}});
    c.ReleaseHandle();

    const char* captions[] = {"Q", "U1", "U2"};
    int left = 38;
    for (const char* caption : captions) {
        TSpeedButton* button = TSpeedButton::Create(this);
        button->SetParent(bar);
        button->SetBounds(left, 5, 30, 24);
        button->SetCaption(caption);
        button->SetGroupIndex(1);
        button->Font().SetStyle(TFontStyles{fsBold});
        left += 31;
    }
    static_cast<TSpeedButton*>(bar->Controls(1))->SetDown(true);

    TLabel* find = TLabel::Create(this);
    find->SetParent(bar);
    find->SetCaption("&Find:");
    find->SetLeft(left + 14);
    find->SetTop(10);

    TEdit* edit = TEdit::Create(this);
    edit->SetParent(bar);
    edit->SetBounds(left + 50, 6, 150, 22);
    edit->SetText("Customers");

    TComboBox* combo = TComboBox::Create(this);
    combo->SetParent(bar);
    combo->SetBounds(left + 208, 6, 130, 22);
    combo->SetStyle(csDropDownList);
    for (const char* item : {"Plain lines", "Banded lines", "Simple"})
        combo->Items()->Add(item);
    combo->SetItemIndex(0);

    TButton* go = TButton::Create(this);
    go->SetParent(bar);
    go->SetBounds(left + 346, 5, 75, 24);
    go->SetCaption("&Refresh");
}

void TGalleryForm::BuildButtonBar()
{
    TPanel* bar = TPanel::Create(this);
    bar->SetParent(this);
    bar->SetHeight(40);
    bar->SetAlign(alBottom);

    TCheckBox* box = TCheckBox::Create(this);
    box->SetParent(bar);
    box->SetBounds(10, 11, 230, 18);
    box->SetCaption("Create links from foreign keys");
    box->SetChecked(true);

    TLabel* status = TLabel::Create(this);
    status->SetParent(bar);
    status->SetCaption("3 tables, 2 links");
    status->SetLeft(260);
    status->SetTop(13);
    status->Font().SetColor(clGrayText);

    TBitBtn* ok = TBitBtn::Create(this);
    ok->SetParent(bar);
    ok->SetKind(bkOK);
    ok->SetBounds(bar->Width() - 172, 7, 78, 26);
    ok->SetAnchors(TAnchors{akTop, akRight});

    TBitBtn* cancel = TBitBtn::Create(this);
    cancel->SetParent(bar);
    cancel->SetKind(bkCancel);
    cancel->SetBounds(bar->Width() - 88, 7, 78, 26);
    cancel->SetAnchors(TAnchors{akTop, akRight});
}

void TGalleryForm::BuildObjectPages()
{
    TPageControl* pages = TPageControl::Create(this);
    pages->SetParent(this);
    pages->SetWidth(210);
    pages->SetAlign(alLeft);

    TTabSheet* tables = TTabSheet::Create(this);
    tables->SetPageControl(pages);
    tables->SetCaption("Tables");
    TTabSheet* views = TTabSheet::Create(this);
    views->SetPageControl(pages);
    views->SetCaption("Views");
    TTabSheet* options = TTabSheet::Create(this);
    options->SetPageControl(pages);
    options->SetCaption("Options");

    TListView* list = TListView::Create(this);
    list->SetParent(tables);
    list->SetAlign(alClient);
    list->SetViewStyle(vsList);
    list->SetSmallImages(FImages);
    list->SetLargeImages(FImages);
    for (const char* name : {"Categories", "Customers", "Employees", "Order Details", "Orders", "Products",
                             "Shippers", "Suppliers"}) {
        TListItem* item = list->Items().Add();
        item->SetCaption(name);
        item->SetImageIndex(0);
    }
    list->SetItemFocused(list->Items().Item(1));

    TCheckListBox* checks = TCheckListBox::Create(this);
    checks->SetParent(options);
    checks->SetAlign(alClient);
    for (const char* name : {"Snap to grid", "Show cardinality", "Hot-track tabs", "Flat check boxes"})
        checks->Items()->Add(name);
    checks->SetChecked(0, true);
    checks->SetChecked(1, true);
    pages->SetActivePage(tables);
}

void TGalleryForm::BuildWorkArea(TWinControl* parent)
{
    TScrollBox* area = TScrollBox::Create(this);
    area->SetParent(parent);
    area->SetAlign(alClient);
    area->SetColor(clWhite);

    TableWindow(this, area, "Orders o", Bounds(20, 16, 130, 150), {"OrderID", "CustomerID", "EmployeeID", "OrderDate", "ShipVia", "Freight"},
                {2, 4}, 2);
    TableWindow(this, area, "Customers c", Bounds(240, 60, 140, 128), {"CustomerID", "CompanyName", "City", "Country"},
                {2, 3}, -1);
    TableWindow(this, area, "Shippers s", Bounds(80, 200, 120, 96), {"ShipperID", "CompanyName", "Phone"}, {}, -1);

    // The join lines lie between the windows' field rows.
    TJoinLine* first = TJoinLine::Create(this);
    first->SetParent(area);
    first->SetBounds(154, 78, 90, 66);
    first->SendToBack();
    TJoinLine* second = TJoinLine::Create(this);
    second->SetParent(area);
    second->SetBounds(40, 142, 44, 110);
    second->SendToBack();
}

void TGalleryForm::BuildGrid(TWinControl* parent)
{
    TStringGrid* grid = TColumnGrid::Create(this);
    grid->SetParent(parent);
    grid->SetHeight(150);
    grid->SetAlign(alBottom);
    grid->SetColCount(8);
    grid->SetRowCount(6);
    grid->SetDefaultRowHeight(18);
    grid->SetRowHeights(0, 19);
    grid->SetColWidths(0, 12);
    grid->SetColWidths(1, 44);
    grid->SetColWidths(2, 130);
    grid->SetColWidths(3, 70);
    grid->SetColWidths(4, 84);
    grid->SetColWidths(5, 70);
    grid->SetColWidths(6, 64);
    grid->SetColWidths(7, 110);
    const char* headers[] = {"", "Output", "Expression", "Alias", "Sort Type", "Sort Order", "Group By", "Criteria"};
    for (int c = 0; c < 8; ++c)
        grid->SetCells(c, 0, headers[c]);
    const char* rows[][7] = {
        {"1", "o.OrderID", "", "Ascending", "1", "", ""},
        {"1", "c.CompanyName", "Company", "", "", "", ""},
        {"1", "o.Freight", "", "Descending", "2", "", "> 100"},
        {"0", "c.Country", "", "", "", "", "= 'Germany'"},
        {"", "", "", "", "", "", ""},
    };
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 7; ++c)
            grid->SetCells(c + 1, r + 1, rows[r][c]);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing, goColSizing, goRowMoving, goAlwaysShowEditor,
                                                    goDrawFocusSelected});
    grid->SetCol(4);
    grid->SetRow(1);

    TSplitter* splitter = TSplitter::Create(this);
    splitter->SetAlign(alBottom);
    splitter->SetHeight(4);
    splitter->SetParent(parent);
}
