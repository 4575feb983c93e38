// The extended list's window in a small dialog under a display server, driven with simulated
// mouse and keys.

#include "gui/WxListCtrlEx.h"
#include "gui/WxText.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/renderer.h>
#include <wx/sizer.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace ovl {
namespace {

// Lets the dialog handle its events until `done` holds, for at most twenty seconds.
bool WaitUntil(const std::function<bool()>& done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        wxYield();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void Settle(int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    WaitUntil([until] { return std::chrono::steady_clock::now() > until; });
}

const ui::Colour kWhite = ui::Colour::Rgb(255, 255, 255);
const ui::Colour kBlue = ui::Colour::Rgb(48, 48, 196);

// A dialog with the list and a default OK button, as the supplier dialogs have them: a check
// box column, names sorted without case, dates; the second row coloured.
class WxListCtrlExTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pDialog = new wxDialog(nullptr, wxID_ANY, "Liste", wxDefaultPosition, wxSize(520, 300));
        m_pList = new gui::WxListCtrlEx(m_pDialog, 1033, m_model);
        auto* ok = new wxButton(m_pDialog, wxID_OK, "OK");
        ok->SetDefault();
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(m_pList, 1, wxEXPAND | wxALL, 8);
        sizer->Add(ok, 0, wxALIGN_RIGHT | wxALL, 8);
        m_pDialog->SetSizer(sizer);

        m_model.EnableCheckBoxes(true);
        m_model.InsertColumn(0, "", ui::ColumnAlignment::Left, 30);
        m_model.InsertColumn(1, "Nom", ui::ColumnAlignment::Left, 230);
        m_model.InsertColumn(2, "Mise \xE0 jour", ui::ColumnAlignment::Centre, 140);
        m_model.SetColumnSortType(1, ui::SortTextNoCase);
        m_model.SetColumnSortType(2, ui::SortDateTime);
        const std::vector<std::pair<std::string, std::string>> rows = {
            {"Moulin d'\xC9t\xE9", "09/01/2024"},
            {"boulangerie", "08/01/2024"},
            {"Alpha", "10/01/2024"},
        };
        for (const auto& [name, date] : rows) {
            const int row = m_model.InsertItem("");
            m_model.SetItemText(row, 1, name);
            m_model.SetItemText(row, 2, date);
            m_model.SetItemUserData(row, 100 + row);
        }
        ui::ItemData* coloured = m_model.GetItemData(1);
        coloured->background = kWhite;
        coloured->text = kBlue;
        m_model.RedrawItem(1);
        m_model.m_onItemChanged = [this](int row) { m_notices.push_back(row); };

        m_pDialog->Show();
        WaitUntil([this] { return m_pDialog->IsShownOnScreen(); });
        Settle(200);
    }
    void TearDown() override {
        m_pDialog->Destroy();
        wxYield();
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (long row = 0; row < m_pList->GetItemCount(); ++row)
            names.push_back(gui::FromWx(m_pList->GetItemText(row, 1)));
        return names;
    }

    void ClickAt(const wxPoint& screen) {
        m_sim.MouseMove(screen);
        wxYield();
        m_sim.MouseClick();
        Settle(100);
    }
    // A point of a row, `x` pixels from its left edge.
    wxPoint RowPoint(long row, int x) {
        wxRect rect;
        EXPECT_TRUE(m_pList->GetItemRect(row, rect));
        return m_pList->ClientToScreen(rect.GetPosition() + wxPoint(x, rect.height / 2));
    }
    // The middle of a column's heading, above the first row.
    wxPoint HeadingPoint(int column) {
        wxRect first;
        EXPECT_TRUE(m_pList->GetItemRect(0, first));
        int x = 0;
        for (int c = 0; c < column; ++c)
            x += m_pList->GetColumnWidth(c);
        x += m_pList->GetColumnWidth(column) / 2;
        return m_pList->GetScreenPosition() + wxPoint(x, first.y / 2);
    }
    void Screenshot(const char* path) {
        const wxRect r = m_pDialog->GetScreenRect();
        const std::string command = "import -window root -crop " + std::to_string(r.width) + "x" +
                                    std::to_string(r.height) + "+" + std::to_string(r.x) + "+" +
                                    std::to_string(r.y) + " '" + path + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }

    ui::CListCtrlEx m_model;
    wxDialog* m_pDialog = nullptr;
    gui::WxListCtrlEx* m_pList = nullptr;
    std::vector<int> m_notices;
    wxUIActionSimulator m_sim;
};

TEST_F(WxListCtrlExTest, CheckBoxClickReachesTheModel) {
    const wxSize box = wxRendererNative::Get().GetCheckBoxSize(m_pList);
    ClickAt(RowPoint(2, 5 + box.x / 2));
    ASSERT_TRUE(WaitUntil([this] { return m_model.GetCheck(2); }));
    EXPECT_TRUE(m_pList->IsItemChecked(2));
    EXPECT_FALSE(m_model.GetCheck(0));
    EXPECT_NE(std::find(m_notices.begin(), m_notices.end(), 2), m_notices.end());

    // Past the double-click time, or the second click would be the first one's double.
    Settle(800);
    ClickAt(RowPoint(2, 5 + box.x / 2));
    ASSERT_TRUE(WaitUntil([this] { return !m_model.GetCheck(2); }));
}

TEST_F(WxListCtrlExTest, RowClickWithoutTheCheckBoxIsAChangeToo) {
    ClickAt(RowPoint(1, 60));
    ASSERT_TRUE(WaitUntil([this] { return !m_notices.empty(); }));
    EXPECT_EQ(m_notices.back(), 1);
    EXPECT_FALSE(m_model.GetCheck(1));
}

TEST_F(WxListCtrlExTest, HeadingClickSortsAndShowsTheIndicator) {
    ClickAt(HeadingPoint(1));
    ASSERT_TRUE(WaitUntil([this] { return m_model.GetSortedColumn() == 1; }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Alpha", "boulangerie", "Moulin d'\xC9t\xE9"}));
    EXPECT_EQ(m_pList->GetSortIndicator(), 1);
    EXPECT_TRUE(m_pList->IsAscendingSortIndicator());
    // The records went with their rows.
    EXPECT_EQ(m_model.GetItemUserData(0), 102);

    ClickAt(HeadingPoint(2));
    ASSERT_TRUE(WaitUntil([this] { return m_model.GetSortedColumn() == 2; }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"boulangerie", "Moulin d'\xC9t\xE9", "Alpha"}));
    EXPECT_EQ(m_pList->GetSortIndicator(), 2);

    ClickAt(HeadingPoint(1));
    ASSERT_TRUE(WaitUntil([this] { return m_model.GetSortedColumn() == 1; }));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Moulin d'\xC9t\xE9", "boulangerie", "Alpha"}));
    EXPECT_FALSE(m_pList->IsAscendingSortIndicator());

    if (const char* path = std::getenv("OVL_LIST_SCREENSHOT"))
        Screenshot(path);
}

TEST_F(WxListCtrlExTest, ColouredRowIsDrawnInItsColours) {
    const wxItemAttr* attr = m_pList->OnGetItemAttr(1);
    ASSERT_NE(attr, nullptr);
    EXPECT_EQ(attr->GetBackgroundColour(), *wxWHITE);
    EXPECT_EQ(attr->GetTextColour(), wxColour(48, 48, 196));
    EXPECT_EQ(m_pList->OnGetItemAttr(0), nullptr);
    EXPECT_EQ(m_pList->OnGetItemAttr(2), nullptr);
}

TEST_F(WxListCtrlExTest, EnterAndEscapeOnTheListDoNotEndTheDialog) {
    m_pDialog->Hide();
    bool stillOpen = false;
    // A run that goes wrong still ends the dialog.
    wxTimer guard;
    guard.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { m_pDialog->EndModal(wxID_ABORT); });
    guard.StartOnce(30000);
    m_pDialog->CallAfter([&] {
        ClickAt(RowPoint(0, 60));
        m_pList->SetFocus();
        Settle(100);
        m_sim.Char(WXK_RETURN);
        Settle(200);
        m_sim.Char(WXK_NUMPAD_ENTER);
        Settle(200);
        m_sim.Char(WXK_ESCAPE);
        Settle(200);
        stillOpen = m_pDialog->IsModal();
        // Enter elsewhere still presses the default button.
        m_pDialog->FindWindow(wxID_OK)->SetFocus();
        Settle(100);
        m_sim.Char(WXK_RETURN);
    });
    EXPECT_EQ(m_pDialog->ShowModal(), wxID_OK);
    EXPECT_TRUE(stillOpen);
}

} // namespace
} // namespace ovl
