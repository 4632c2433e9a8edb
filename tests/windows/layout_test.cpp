// Layouts under Wine: the stacking arithmetic case by case, floating children, tab pages,
// scroll bars appearing, and the installer's start page.
#include "ui/controls/container_ui.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/controls/horizontal_layout_ui.h"
#include "ui/controls/tab_layout_ui.h"
#include "ui/controls/vertical_layout_ui.h"
#include "ui/core/paint_manager_ui.h"

using namespace Tovik;

namespace {

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// A child built from an attribute string, owned by the container it is added to.
CControlUI* Child(const wchar_t* attributes) {
    auto* child = new CControlUI;
    child->ApplyAttributeString(attributes);
    return child;
}

struct LayoutCase {
    const char* what;
    const wchar_t* container;              // attributes of the layout
    std::vector<const wchar_t*> children;  // attributes of each child
    std::vector<const char*> expected;     // rectangle of each child, "" for not placed
};

template <typename Layout>
void Check(const LayoutCase& c, const RECT& area) {
    Layout layout;
    layout.ApplyAttributeString(c.container);
    std::vector<CControlUI*> children;
    for (const wchar_t* attributes : c.children) {
        children.push_back(Child(attributes));
        layout.AddItem(children.back());
    }
    layout.SetPosition(area, false);
    for (size_t i = 0; i < children.size(); ++i) {
        if (*c.expected[i] == 0) continue;
        EXPECT_EQ(Text(children[i]->GetPosition()), c.expected[i]) << c.what << ", child " << i;
    }
}

TEST(VerticalLayout, StacksByTheFormulas) {
    const LayoutCase cases[] = {
        {"fixed, fixed, rest",
         L"",
         {L"height=\"20\"", L"height=\"52\"", L""},
         {"0,0,600,20", "0,20,600,72", "0,72,600,342"}},
        {"two adjustable share 101", L"inset=\"0,0,0,241\"", {L"", L""}, {"0,0,600,50", "0,50,600,101"}},
        {"inset and child padding",
         L"inset=\"10,5,10,5\" childpadding=\"4\"",
         {L"height=\"30\"", L""},
         {"10,5,590,35", "10,39,590,337"}},
        {"paddings", L"", {L"height=\"30\" padding=\"3,4,5,6\"", L""}, {"3,4,595,34", "0,40,600,342"}},
        {"min and max clamp adjustable",
         L"",
         {L"maxheight=\"40\"", L"minheight=\"400\""},
         {"0,0,600,40", "0,40,600,440"}},
        {"fixed width, centred", L"childalign=\"center\"", {L"width=\"100\" height=\"10\""}, {"250,0,350,10"}},
        {"fixed width, right",
         L"childalign=\"right\"",
         {L"width=\"100\" height=\"10\" padding=\"0,0,7,0\""},
         {"493,0,593,10"}},
        {"valign centre without adjustable", L"childvalign=\"vcenter\"", {L"height=\"42\""}, {"0,150,600,192"}},
        {"valign bottom without adjustable", L"childvalign=\"bottom\"", {L"height=\"42\""}, {"0,300,600,342"}},
        {"valign ignored with adjustable",
         L"childvalign=\"vcenter\"",
         {L"height=\"42\"", L""},
         {"0,0,600,42", "0,42,600,342"}},
        {"invisible and floating skipped",
         L"",
         {L"visible=\"false\" height=\"99\"", L"float=\"true\" pos=\"5,6,15,16\"", L""},
         {"", "5,6,15,16", "0,0,600,342"}},
    };
    for (const LayoutCase& c : cases) Check<CVerticalLayoutUI>(c, {0, 0, 600, 342});
}

TEST(HorizontalLayout, StacksByTheFormulas) {
    const LayoutCase cases[] = {
        {"fixed, rest", L"", {L"width=\"100\"", L""}, {"0,0,100,50", "100,0,600,50"}},
        {"gap and inset",
         L"inset=\"4,4,4,4\" childpadding=\"2\"",
         {L"width=\"10\"", L"width=\"10\""},
         {"4,4,14,46", "16,4,26,46"}},
        {"fixed height, valign bottom", L"childvalign=\"bottom\"", {L"width=\"10\" height=\"20\""}, {"0,30,10,50"}},
        {"fixed height, valign centre", L"childvalign=\"vcenter\"", {L"width=\"10\" height=\"20\""}, {"0,15,10,35"}},
        {"align right without adjustable", L"childalign=\"right\"", {L"width=\"10\""}, {"590,0,600,50"}},
        {"align centre", L"childalign=\"center\"", {L"width=\"100\""}, {"250,0,350,50"}},
        {"row float", L"", {L"width=\"50\"", L"float=\"true\" pos=\"201,18,393,70\""}, {"0,0,50,50", "201,18,393,70"}},
    };
    for (const LayoutCase& c : cases) Check<CHorizontalLayoutUI>(c, {0, 0, 600, 50});
}

class ShortControl : public CControlUI {
public:
    SIZE MeasureSize(SIZE) override { return SIZE{30, 5}; }
};

TEST(HorizontalLayout, HeightsFillTheRowWhateverMeasureSizeSays) {
    CHorizontalLayoutUI row;
    auto* child = new ShortControl;
    row.AddItem(child);
    row.SetPosition({0, 10, 200, 40}, false);
    EXPECT_EQ(Text(child->GetPosition()), "0,10,30,40");
}

// Sizes near the int limit: the stacking sums do not wrap, so a later child never lands before an
// earlier one and no rectangle turns inside out.
TEST(VerticalLayout, HugeSizesDoNotWrapAround) {
    CVerticalLayoutUI layout;
    layout.ApplyAttributeString(L"childpadding=\"2000000000\"");
    CControlUI* first = Child(L"height=\"2000000000\" maxheight=\"2147483647\" padding=\"0,2000000000,0,0\"");
    CControlUI* second = Child(L"height=\"2000000000\" maxheight=\"2147483647\"");
    CControlUI* filler = Child(L"maxheight=\"2147483647\"");
    layout.AddItem(first);
    layout.AddItem(second);
    layout.AddItem(filler);
    layout.SetPosition({0, 0, 100, 100}, false);
    for (CControlUI* child : {first, second, filler}) {
        EXPECT_LE(child->GetPosition().top, child->GetPosition().bottom) << Text(child->GetPosition());
    }
    EXPECT_GE(second->GetPosition().top, first->GetPosition().bottom) << Text(second->GetPosition());
    EXPECT_GE(filler->GetPosition().top, second->GetPosition().top) << Text(filler->GetPosition());
}

// Floating children far outside the int range of the container stay inside it too.
TEST(FloatingChildren, HugeOffsetsAndRatiosDoNotWrap) {
    CContainerUI container;
    CControlUI* child = Child(L"float=\"1e300,-1e300,nan,0.5\" pos=\"2000000000,0,2147483647,100\"");
    container.AddItem(child);
    container.SetPosition({10, 100, 210, 200}, false);
    const RECT r = child->GetPosition();
    EXPECT_GT(r.left, 0) << Text(r);
    EXPECT_LE(r.left, r.right) << Text(r);
}

TEST(FloatingChildren, AlignBitsAndRatios) {
    struct Case {
        const wchar_t* attributes;
        const char* expected;
    };
    const Case cases[] = {
        {L"float=\"true\" pos=\"201,18,393,70\"", "211,118,403,170"},
        {L"float=\"true\" pos=\"0,0,20,10\" floatalign=\"center,vcenter\"", "100,145,120,155"},
        {L"float=\"true\" pos=\"0,0,20,10\" floatalign=\"right bottom\"", "190,190,210,200"},
        {L"float=\"0.5,0.5,0.5,0.5\" pos=\"1,2,21,12\"", "111,152,131,162"},
        {L"float=\"true\" pos=\"-30,-20,-10,-10\"", "200,190,220,200"},  // from the bottom-right corner
    };
    for (const Case& c : cases) {
        CContainerUI container;
        CControlUI* child = Child(c.attributes);
        container.AddItem(child);
        container.SetPosition({10, 100, 210, 200}, false);
        EXPECT_EQ(Text(child->GetPosition()), c.expected) << Text(child->GetPosition());
    }
}

class Recorder : public INotifyUI {
public:
    void Notify(TNotifyMsgUI& msg) override {
        types.push_back(std::wstring(msg.type.GetData()));
        if (msg.type == L"tabselect") {
            selections.push_back({static_cast<int>(msg.wParam), static_cast<int>(msg.lParam)});
        }
    }
    std::vector<std::wstring> types;
    std::vector<std::pair<int, int>> selections;
};

TEST(TabLayout, OnlyTheSelectedPageShows) {
    CPaintManagerUI manager;
    Recorder recorder;
    manager.AddNotifier(&recorder);
    CTabLayoutUI tabs;
    tabs.AttachToManager(&manager, nullptr, false);
    CControlUI* pages[3] = {Child(L"name=\"p0\""), Child(L"name=\"p1\""), Child(L"name=\"p2\"")};
    for (CControlUI* page : pages) tabs.AddItem(page);
    EXPECT_EQ(tabs.GetSelectedIndex(), 0);
    EXPECT_TRUE(pages[0]->IsVisible());
    EXPECT_FALSE(pages[1]->IsVisible());
    EXPECT_EQ(manager.FindControlByName(L"p2"), pages[2]);

    EXPECT_FALSE(tabs.SelectTab(3));
    EXPECT_FALSE(tabs.SelectTab(-1));
    EXPECT_TRUE(tabs.SelectTab(0));
    EXPECT_TRUE(recorder.selections.empty());
    EXPECT_TRUE(tabs.SelectTab(2));
    EXPECT_EQ(recorder.selections, (std::vector<std::pair<int, int>>{{2, 0}}));
    EXPECT_TRUE(pages[2]->IsVisible());
    EXPECT_FALSE(pages[0]->IsVisible());

    tabs.SetPosition({0, 0, 100, 100}, false);
    EXPECT_EQ(Text(pages[2]->GetPosition()), "0,0,100,100");
    EXPECT_EQ(Text(pages[0]->GetPosition()), "0,0,0,0");

    EXPECT_TRUE(tabs.RemoveItem(pages[2]));  // the selected page: page 0 comes back, silently
    EXPECT_EQ(tabs.GetSelectedIndex(), 0);
    EXPECT_TRUE(pages[0]->IsVisible());
    EXPECT_EQ(recorder.selections.size(), 1u);
    EXPECT_TRUE(tabs.SelectTab(1));
    EXPECT_TRUE(tabs.RemoveItem(pages[0]));  // before the selection: the index follows
    EXPECT_EQ(tabs.GetSelectedIndex(), 0);
    manager.DeleteDelayed();
}

TEST(ScrollBars, AppearOnlyWhenTheContentDoesNotFit) {
    CVerticalLayoutUI list;
    list.SetAttribute(L"vscrollbar", L"true");
    CScrollBarUI* bar = list.GetVScrollBar();
    ASSERT_NE(bar, nullptr);
    bar->SetVisible(false);
    list.AddItem(Child(L"height=\"40\""));
    list.SetPosition({0, 0, 100, 100}, false);
    EXPECT_FALSE(bar->IsVisible());
    list.AddItem(Child(L"height=\"90\""));
    list.SetPosition({0, 0, 100, 100}, false);
    EXPECT_TRUE(bar->IsVisible());
    EXPECT_EQ(bar->GetBarPosition(), 0);
    EXPECT_EQ(bar->GetBarRange(), 30);
    EXPECT_EQ(Text(list.ItemAt(0)->GetPosition()), "0,0,84,40");
    list.SetScrollOffset({0, 10}, false);
    EXPECT_EQ(Text(list.ItemAt(0)->GetPosition()), "0,-10,84,30");
}

}  // namespace

namespace {

// The installer's start page, built by code with plain controls standing in for the options,
// buttons, combo and label the skin uses (same sizes and paddings), laid out in 600 × 342.
TEST(InstallerStartPage, EveryVisibleControlLandsWhereTheFormulasSay) {
    CVerticalLayoutUI page;
    page.ApplyAttributeString(L"height=\"342\" width=\"600\"");
    const auto add = [](CContainerUI& parent, CControlUI* child, const wchar_t* attributes) {
        child->ApplyAttributeString(attributes);
        parent.AddItem(child);
        return child;
    };
    auto* types = static_cast<CContainerUI*>(add(page, new CHorizontalLayoutUI, L"height=\"16\" padding=\"174,158\""));
    CControlUI* typeBoxes[3] = {
        add(*types, new CHorizontalLayoutUI, L"width=\"70\""),
        add(*types, new CHorizontalLayoutUI, L"width=\"68\" padding=\"25,0\""),
        add(*types, new CHorizontalLayoutUI, L"width=\"66\" padding=\"25,0\""),
    };
    add(*static_cast<CContainerUI*>(typeBoxes[0]), new CControlUI, L"visible=\"false\" width=\"70\" height=\"16\"");
    auto* consentRow =
        static_cast<CContainerUI*>(add(page, new CHorizontalLayoutUI, L"height=\"24\" padding=\"15,45\""));
    CControlUI* consent =
        add(*consentRow, new CControlUI, L"name=\"BtnConsent\" width=\"140\" height=\"24\" padding=\"0,1,0,1\"");
    CControlUI* agreement =
        add(*consentRow, new CControlUI, L"name=\"BtnAgreement\" width=\"110\" height=\"24\" padding=\"0,1,0,1\"");
    CControlUI* spacer = add(*consentRow, new CControlUI, L"");
    CControlUI* diskTitle = add(*consentRow, new CControlUI, L"visible=\"false\" width=\"94\" padding=\"0,0,0,0\"");
    CControlUI* combo =
        add(*consentRow, new CControlUI, L"visible=\"false\" width=\"44\" height=\"18\" padding=\"3,0,15,0\"");
    auto* downRow = static_cast<CContainerUI*>(add(page, new CHorizontalLayoutUI, L"height=\"52\" padding=\"201,18\""));
    CControlUI* download =
        add(*downRow, new CControlUI, L"name=\"BtnDown\" float=\"true\" width=\"192\" height=\"52\"");
    CControlUI* folderRow = add(page, new CHorizontalLayoutUI, L"height=\"40\" visible=\"false\" padding=\"0,5\"");

    page.SetPosition({0, 0, 600, 342}, false);
    const std::pair<CControlUI*, const char*> expected[] = {
        {types, "174,158,600,174"},        {typeBoxes[0], "174,158,244,174"}, {typeBoxes[1], "269,158,337,174"},
        {typeBoxes[2], "362,158,428,174"}, {consentRow, "15,219,600,243"},    {consent, "15,220,155,242"},
        {agreement, "155,220,265,242"},    {spacer, "265,219,600,243"},       {downRow, "201,261,600,313"},
        {download, "201,261,393,313"},
    };
    for (const auto& [control, rect] : expected) EXPECT_EQ(Text(control->GetPosition()), rect) << rect;
    for (CControlUI* hidden : {diskTitle, combo, folderRow}) {
        EXPECT_FALSE(hidden->IsVisible());
        EXPECT_EQ(Text(hidden->GetPosition()), "0,0,0,0");
    }
}

}  // namespace
