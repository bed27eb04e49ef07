// The string grid and its in-place editor: commit points, editor styles,
// row moving.
#include <QLineEdit>

#include "UiFixture.h"

#include "platform/ui/Grids.h"

namespace {

struct Commit {
    int Col;
    int Row;
    std::string Text;
    friend bool operator==(const Commit&, const Commit&) = default;
};

class TProbeGrid : public TStringGrid {
    VN_CLASS(TProbeGrid, TStringGrid)

public:
    using TStringGrid::TStringGrid;
    std::vector<Commit> Commits;
    std::vector<std::pair<int, int>> Moves;
    int EllipsisClicks = 0;
    std::string TextAtEllipsis;

    TEditStyle GetEditStyle(int ACol, int) override
    {
        return ACol == 2 ? esEllipsis : ACol == 3 ? esPickList : esSimple;
    }
    void SetEditText(int ACol, int ARow, const std::string& Value) override
    {
        if (Value != Cells(ACol, ARow))
            Commits.push_back({ACol, ARow, Value});
        inherited::SetEditText(ACol, ARow, Value);
    }
    TInplaceEdit* CreateEditor() override;
    void RowMoved(int FromIndex, int ToIndex) override { Moves.emplace_back(FromIndex, ToIndex); }
};

class TProbeEditor : public TInplaceEditList {
    VN_CLASS(TProbeEditor, TInplaceEditList)

public:
    using TInplaceEditList::TInplaceEditList;

protected:
    void DoGetPickListItems() override
    {
        PickList()->Clear();
        PickList()->Add("");
        PickList()->Add("Ascending");
        PickList()->Add("Descending");
    }
    void DoEditButtonClick() override
    {
        auto* grid = static_cast<TProbeGrid*>(Grid());
        ++grid->EllipsisClicks;
        grid->TextAtEllipsis = grid->Cells(grid->Col(), grid->Row());
    }
};

TInplaceEdit* TProbeGrid::CreateEditor()
{
    return TProbeEditor::Create(this);
}

class Grid : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        G = TProbeGrid::Create(Form);
        G->SetBounds(0, 0, 380, 200);
        G->SetColCount(5);
        G->SetRowCount(4);
        G->SetParent(Form);
        G->SetOptions(G->Options() + TGridOptions{goEditing, goAlwaysShowEditor, goRowMoving});
        G->SetFocus();
    }
    TInplaceEditList* Editor() const { return static_cast<TInplaceEditList*>(G->InplaceEditor()); }
    void Type(const std::string& text)
    {
        static_cast<QLineEdit*>(Editor()->Handle())->setText(QString::fromStdString(text));
    }
    TProbeGrid* G = nullptr;
};

TEST_F(Grid, TypingCommitsNothingUntilTheEditorLeavesTheCell)
{
    ASSERT_NE(Editor(), nullptr);
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_EQ(Editor()->BoundsRect(), G->CellRect(1, 1));
    Type("a");
    Type("ab");
    EXPECT_TRUE(G->Commits.empty());
    G->SetCol(4);
    EXPECT_EQ(G->Commits, (std::vector<Commit>{{1, 1, "ab"}}));
    EXPECT_EQ(G->Cells(1, 1), "ab");
    EXPECT_EQ(Editor()->Text(), "");
}

TEST_F(Grid, EnterCommitsAndEscapeRestoresTheCellText)
{
    G->SetCells(4, 2, "old");
    G->FocusCell(4, 2, true);
    EXPECT_EQ(Editor()->Text(), "old");
    Type("new");
    Key(Editor(), Qt::Key_Escape);
    EXPECT_EQ(Editor()->Text(), "old");
    EXPECT_TRUE(G->Commits.empty());
    Type("newer");
    Key(Editor(), Qt::Key_Return);
    EXPECT_EQ(G->Commits, (std::vector<Commit>{{4, 2, "newer"}}));
    EXPECT_TRUE(Editor()->Visible());
}

TEST_F(Grid, HidingTheEditorCommitsAndTheEllipsisCommitsFirst)
{
    G->FocusCell(2, 1, true);
    EXPECT_EQ(Editor()->EditStyle(), esEllipsis);
    Type("SELECT 1");
    Editor()->EditButtonClick();
    EXPECT_EQ(G->EllipsisClicks, 1);
    EXPECT_EQ(G->TextAtEllipsis, "SELECT 1");

    G->FocusCell(4, 1, true);
    Type("x");
    G->HideEditor();
    EXPECT_FALSE(Editor()->Visible());
    EXPECT_EQ(G->Commits.back(), (Commit{4, 1, "x"}));
}

TEST_F(Grid, PickingFromTheListCommitsTheEntry)
{
    G->FocusCell(3, 2, true);
    EXPECT_EQ(Editor()->EditStyle(), esPickList);
    Editor()->DropDown();
    ASSERT_TRUE(Editor()->ListVisible());
    EXPECT_EQ(Editor()->PickList()->Count(), 3);
    Editor()->SetPickListIndex(2);
    Editor()->CloseUp(true);
    EXPECT_FALSE(Editor()->ListVisible());
    EXPECT_EQ(G->Commits, (std::vector<Commit>{{3, 2, "Descending"}}));

    // Escape closes the list without taking an entry.
    Editor()->DropDown();
    Editor()->SetPickListIndex(1);
    Key(Editor(), Qt::Key_Escape);
    EXPECT_FALSE(Editor()->ListVisible());
    EXPECT_EQ(G->Commits.size(), 1u);
}

TEST_F(Grid, CellGeometryAndRowMoving)
{
    G->SetColWidths(0, 12);
    G->SetRowHeights(0, 18);
    G->SetDefaultRowHeight(16);
    G->SetRowHeights(0, 18);
    EXPECT_EQ(G->CellRect(1, 1), Rect(13, 19, 13 + 64, 19 + 16));
    int col = -1;
    int row = -1;
    G->MouseToCell(14, 20, col, row);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);

    for (int r = 1; r < 4; ++r)
        G->SetCells(1, r, "row" + std::to_string(r));
    // Drag row 1 by its indicator cell down to row 3.
    const TRect from = G->CellRect(0, 1);
    const TRect to = G->CellRect(0, 3);
    Press(G, {from.Left + 2, from.Top + 2});
    Move(G, {to.Left + 2, to.Top + 2});
    Release(G, {to.Left + 2, to.Top + 2});
    EXPECT_EQ(G->Moves, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(G->Cells(1, 3), "row1");
    EXPECT_EQ(G->Cells(1, 1), "row2");
}

TEST_F(Grid, ColumnSizingByTheHeaderLine)
{
    G->SetOptions(G->Options() + TGridOptions{goColSizing});
    const TRect header = G->CellRect(1, 0);
    Press(G, {header.Right, header.Top + 3});
    Move(G, {header.Right + 30, header.Top + 3});
    Release(G, {header.Right + 30, header.Top + 3});
    EXPECT_EQ(G->ColWidths(1), 94);
}

} // namespace
