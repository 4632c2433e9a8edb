// The skin builder under Wine: markup strings (and skins in an in-memory archive or in the test
// program's resources) become control trees, window settings and resource tables.
#include "ui/core/skin_builder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/windows/managed_window.h"
#include "tests/windows/test_png.h"
#include "tests/windows/test_support.h"
#include "ui/controls/container_ui.h"
#include "ui/controls/control_factory.h"
#include "ui/core/dpi_scaler.h"

using namespace Tovik;
using TestSupport::ArchiveMode;
using TestSupport::ManagedWindow;

namespace {

// Counts its live instances; its "group" attribute joins an option group and starts a timer, as
// an option would, so a discarded one must be forgotten by the manager.
class GroupedControl : public CControlUI {
public:
    GroupedControl() { ++live; }
    ~GroupedControl() override { --live; }
    const wchar_t* GetTypeName() const override { return L"GroupedUI"; }
    void SetAttribute(const wchar_t* name, const wchar_t* value) override {
        if (std::wstring(name) != L"group") return CControlUI::SetAttribute(name, value);
        GetPaintManager()->AddOptionGroup(value, this);
        GetPaintManager()->SetControlTimer(this, 1, 10000);
    }
    static int live;
};
int GroupedControl::live = 0;

// Makes "Grouped" elements; "Nothing" is asked for and refused.
class Callback : public IDialogBuilderCallback {
public:
    CControlUI* CreateCustomControl(const wchar_t* name) override {
        asked += std::wstring(name) + L" ";
        return std::wstring(name) == L"Grouped" ? new GroupedControl : nullptr;
    }
    std::wstring asked;
};

CContainerUI* AsContainer(CControlUI* control) { return static_cast<CContainerUI*>(control); }

// The class and name of each child, as "Type:name" joined by blanks.
std::wstring Children(CControlUI* control) {
    std::wstring out;
    CContainerUI* container = AsContainer(control);
    for (int i = 0; i < container->ItemCount(); ++i) {
        CControlUI* item = container->ItemAt(i);
        out += std::wstring(out.empty() ? L"" : L" ") + item->GetTypeName() + L":" + item->GetName().GetData();
    }
    return out;
}

class SkinBuilderTest : public ::testing::Test {
protected:
    CControlUI* Build(const wchar_t* markup, CControlUI* parent = nullptr) {
        CSkinBuilder builder;
        return builder.BuildFromSource(markup, nullptr, &callback, &window.manager(), parent);
    }
    // Builds and hands the tree to the manager, which deletes it.
    CControlUI* BuildRoot(const wchar_t* markup) {
        CControlUI* root = Build(markup);
        if (root != nullptr) window.manager().AttachRoot(root);
        return root;
    }

    ManagedWindow window;
    Callback callback;
};

TEST_F(SkinBuilderTest, ElementsBecomeControlsWithDefaultsThenTheirOwnAttributes) {
    CControlUI* root = BuildRoot(
        LR"(<Window size="400,300">
        <Default name="Control" value="height=&quot;7&quot; width=&quot;3&quot;"/>
        <VerticalLayout name="root">
          <HorizontalLayout name="row"><Control name="a"/><Control name="b" height="9"/></HorizontalLayout>
          <CONTROL name="c"/>
          <tablayout name="tabs"/>
          <Container name="box"/>
        </VerticalLayout>
        <Control name="second top-level control"/>
      </Window>)");
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->GetTypeName(), L"VerticalLayoutUI");
    EXPECT_EQ(Children(root), L"HorizontalLayoutUI:row ControlUI:c TabLayoutUI:tabs ContainerUI:box");
    CControlUI* row = AsContainer(root)->ItemAt(0);
    EXPECT_EQ(Children(row), L"ControlUI:a ControlUI:b");
    EXPECT_EQ(AsContainer(row)->ItemAt(0)->GetFixedHeight(), 7);  // the Default list
    EXPECT_EQ(AsContainer(row)->ItemAt(1)->GetFixedHeight(), 9);  // its own attribute wins
    EXPECT_EQ(AsContainer(row)->ItemAt(1)->GetFixedWidth(), 3);
    EXPECT_EQ(AsContainer(root)->ItemAt(1)->GetFixedHeight(), 0);  // lists are keyed as written
    EXPECT_EQ(row->GetParent(), root);
    EXPECT_EQ(window.manager().FindControlByName(L"b"), AsContainer(row)->ItemAt(1));
    EXPECT_EQ(window.manager().GetInitSize().cx, 400);
    RECT frame;
    GetWindowRect(window.get(), &frame);
    EXPECT_EQ(frame.right - frame.left, 400);  // resized at once: no root was attached yet
    EXPECT_EQ(frame.bottom - frame.top, 300);
}

TEST_F(SkinBuilderTest, ResourceElementsFillTheWindowsTables) {
    const ArchiveMode archive{{"red.png", TestPng::Encode(1, 1, {255, 0, 0, 255})}};
    BuildRoot(
        LR"(<Window>
        <Image name="red.png" mask="#FF00FF00"/>
        <Image restype="x"/>
        <Font id="3" name="Arial" size="15" bold="true"/>
        <Font name="Times New Roman" size="30" default="true"/>
        <Font id="4" name="Tahoma" size="11" default="true"/>
        <Style name="big" value="height=&quot;50&quot;"/>
        <Default name="Label" value="x" shared="true"/>
        <Control/>
      </Window>)");
    CPaintManagerUI& manager = window.manager();
    ASSERT_NE(manager.FindSkinImage(L"red.png"), nullptr);
    EXPECT_EQ(manager.FindSkinImage(L"red.png")->colourKey, 0xFF00FF00u);
    ASSERT_NE(manager.FontInfoById(3), nullptr);
    EXPECT_EQ(manager.FontInfoById(3)->face, L"Arial");
    EXPECT_TRUE(manager.FontInfoById(3)->bold);
    EXPECT_EQ(manager.DefaultFontInfo()->face, L"Tahoma");  // a Font without an id defines nothing
    EXPECT_STREQ(manager.StyleDefinition(L"big"), L"height=\"50\"");
    EXPECT_STREQ(manager.DefaultAttributesFor(L"Label"), L"x");
    manager.ClearDefaultAttributes(true);
}

// Each row: the Window element's attributes and what the manager must hold after the build.
TEST_F(SkinBuilderTest, WindowAttributesReachThePaintManager) {
    struct Row {
        const wchar_t* attributes;
        std::function<bool(CPaintManagerUI&)> holds;
    };
    const auto rect = [](RECT r, RECT e) {
        return r.left == e.left && r.top == e.top && r.right == e.right && r.bottom == e.bottom;
    };
    const Row rows[] = {
        {L"size=\"400\"", [](CPaintManagerUI& m) { return m.GetInitSize().cx == 400 && m.GetInitSize().cy == 0; }},
        {L"caption=\"0,0,0\"",
         [&](CPaintManagerUI& m) {
             return rect(m.GetCaptionRect(), {0, 0, 0, 0});
         }},
        {L"caption=\"1,2,3,37\"",
         [&](CPaintManagerUI& m) {
             return rect(m.GetCaptionRect(), {1, 2, 3, 37});
         }},
        {L"sizebox=\"4,4,4,4\"",
         [&](CPaintManagerUI& m) {
             return rect(m.GetSizeBox(), {4, 4, 4, 4});
         }},
        {L"roundcorner=\"5,6\"", [](CPaintManagerUI& m) { return m.GetRoundCorner().cx == 5; }},
        {L"mininfo=\"600,370\" maxinfo=\"600,425\"",
         [](CPaintManagerUI& m) { return m.GetMinInfo().cy == 370 && m.GetMaxInfo().cy == 425; }},
        {L"showdirty=\"TRUE\"", [](CPaintManagerUI& m) { return m.IsShowUpdateRect(); }},
        {L"Opacity=\"128\"", [](CPaintManagerUI& m) { return m.GetOpacity() == 128; }},
        {L"alpha=\"300\"", [](CPaintManagerUI& m) { return m.GetOpacity() == 255; }},
        {L"layeredopacity=\"90\"", [](CPaintManagerUI& m) { return m.GetLayeredOpacity() == 90; }},
        {L"layered=\"true\"", [](CPaintManagerUI& m) { return m.IsLayered(); }},
        {L"Layered=\"true\"", [](CPaintManagerUI& m) { return !m.IsLayered(); }},  // exact case only
        {L"bktrans=\"true\"", [](CPaintManagerUI& m) { return m.IsLayered(); }},
        {L"layeredimage=\"file='a.png'\"", [](CPaintManagerUI& m) { return m.IsLayered(); }},
        {L"noactivate=\"true\"", [](CPaintManagerUI& m) { return m.IsNoActivate(); }},
        {L"NoActivate=\"true\"", [](CPaintManagerUI& m) { return !m.IsNoActivate(); }},
        {L"DefaultFontColor=\"#FF123456\"",
         [](CPaintManagerUI& m) { return m.GetDefaultColor(CPaintManagerUI::DefaultColor::kText) == 0xFF123456; }},
        {L"selectedcolor=\"FF0000FF\"",
         [](CPaintManagerUI& m) {
             return m.GetDefaultColor(CPaintManagerUI::DefaultColor::kSelectedBackground) == 0xFF0000FF;
         }},
        {L"gdiplustext=\"true\" textrenderinghint=\"4\"",
         [](CPaintManagerUI& m) { return m.IsUseGdiplusText() && m.GetGdiplusTextRenderingHint() == 4; }},
        {L"tooltiphovertime=\"900\" unknown=\"1\"", [](CPaintManagerUI& m) { return m.GetHoverTime() == 900; }},
    };
    for (const Row& row : rows) {
        ManagedWindow fresh;
        const std::wstring markup = std::wstring(L"<Window ") + row.attributes + L"><Control/></Window>";
        CSkinBuilder builder;
        CControlUI* root = builder.BuildFromSource(markup.c_str(), nullptr, nullptr, &fresh.manager());
        ASSERT_NE(root, nullptr) << row.attributes;
        fresh.manager().AttachRoot(root);
        EXPECT_TRUE(row.holds(fresh.manager())) << row.attributes;
    }
}

// The markup numbers are stored; the getters scale them once.
TEST_F(SkinBuilderTest, TheInitialSizeIsScaledOnce) {
    window.manager().GetDpiScaler().SetDpi(192);
    BuildRoot(L"<Window size=\"200,100\"><Control/></Window>");
    EXPECT_EQ(window.manager().GetInitSize().cx, 400);
    RECT frame;
    GetWindowRect(window.get(), &frame);
    EXPECT_EQ(frame.right - frame.left, 400);
}

TEST_F(SkinBuilderTest, UnknownNamesGoToTheCallbackAndAreSkippedWithTheirSubtree) {
    CControlUI* root = BuildRoot(
        LR"(<Window><VerticalLayout>
        <Nothing name="refused"><Control name="inside refused"/></Nothing>
        <Control name="kept"/>
        <Grouped name="custom"/>
      </VerticalLayout></Window>)");
    EXPECT_EQ(Children(root), L"ControlUI:kept GroupedUI:custom");
    EXPECT_EQ(callback.asked, L"Nothing Grouped ");
    CSkinBuilder withoutCallback;
    CControlUI* plain = withoutCallback.BuildFromSource(
        L"<Window><VerticalLayout><Grouped/><Control/></VerticalLayout></Window>", nullptr, nullptr, &window.manager());
    EXPECT_EQ(Children(plain), L"ControlUI:");
    delete plain;
}

// A control that is not a container stops its level: the child is deleted and no later sibling
// is built. A deleted subtree, configured already below its top, is forgotten by the manager
// (its groups and timers go too); top-level controls after the first are deleted the same way.
TEST_F(SkinBuilderTest, DiscardedControlsLeaveNothingBehind) {
    CControlUI* root = BuildRoot(
        LR"(<Window><VerticalLayout>
        <Control name="leaf">
          <VerticalLayout><Grouped name="lost" group="g"/></VerticalLayout>
          <Control name="never"/>
        </Control>
        <Control name="after"/>
      </VerticalLayout>
      <VerticalLayout><Grouped group="extra"/></VerticalLayout></Window>)");
    EXPECT_EQ(Children(root), L"ControlUI:leaf ControlUI:after");
    EXPECT_EQ(GroupedControl::live, 0);
    EXPECT_EQ(window.manager().GetOptionGroup(L"g"), nullptr);
    EXPECT_EQ(window.manager().GetOptionGroup(L"extra"), nullptr);
    EXPECT_EQ(window.manager().GetTimerCount(), 0);
    EXPECT_EQ(window.manager().FindControlByName(L"lost"), nullptr);

    CControlUI* grouped = Build(L"<Window><Grouped group=\"kept\"/><Grouped group=\"extra\"/></Window>");
    ASSERT_NE(grouped, nullptr);
    EXPECT_EQ(GroupedControl::live, 1);  // the second top-level control is gone
    EXPECT_NE(window.manager().GetOptionGroup(L"kept"), nullptr);
    window.manager().ForgetControl(grouped);
    delete grouped;
}

TEST_F(SkinBuilderTest, IncludeBuildsItsDocumentCountTimesIntoTheParent) {
    const ArchiveMode archive{
        {"row.xml", "<Window><Font id=\"7\" name=\"Arial\"/><Control name=\"included\"/></Window>"},
        {"self.xml", "<Window><Control/><Include source=\"self.xml\"/></Window>"},
        {"many.xml", "<Window><Control/><Control/><Control/><Control/><Control/></Window>"}};
    struct Row {
        const wchar_t* include;
        int items;
    };
    const Row rows[] = {
        {L"<Include source=\"row.xml\" count=\"3\"/>", 3},
        {L"<Include source=\"row.xml\"/>", 1},
        {L"<Include source=\"row.xml\" count=\"0\"/>", 0},
        {L"<Include count=\"2\"/>", 0},
        {L"<Include/>", 0},
        {L"<Include source=\"missing.xml\"/>", 0},
        {L"<Include source=\"self.xml\"/>", CSkinBuilder::kMaxIncludeDepth},  // one per nested build
        {L"<Include source=\"row.xml\" count=\"2000000000\"/>", CSkinBuilder::kMaxIncludeBuilds},
        {L"<Include source=\"many.xml\" count=\"30000\"/>", CSkinBuilder::kMaxIncludeBuilds * 5},
    };
    for (const Row& row : rows) {
        ManagedWindow fresh;
        const std::wstring markup =
            std::wstring(L"<Window><VerticalLayout>") + row.include + L"</VerticalLayout></Window>";
        CSkinBuilder builder;
        CControlUI* root = builder.BuildFromSource(markup.c_str(), nullptr, nullptr, &fresh.manager());
        ASSERT_NE(root, nullptr) << row.include;
        fresh.manager().AttachRoot(root);
        EXPECT_EQ(AsContainer(root)->ItemCount(), row.items) << row.include;
    }
    ManagedWindow fonts;
    CSkinBuilder builder;
    fonts.manager().AttachRoot(
        builder.BuildFromSource(L"<Window><VerticalLayout><Include source=\"row.xml\"/></VerticalLayout></Window>",
                                nullptr, nullptr, &fonts.manager()));
    EXPECT_NE(fonts.manager().FontInfoById(7), nullptr);  // the included document's resources apply
}

// Past the control budget the rest is skipped; what was built stands.
TEST_F(SkinBuilderTest, ABuildCreatesAtMostItsControlBudget) {
    std::string many = "<Window>";
    for (int i = 0; i < 200; ++i) many += "<Control/>";
    many += "</Window>";
    const ArchiveMode archive{{"many.xml", many}};
    CControlUI* root =
        BuildRoot(L"<Window><VerticalLayout><Include source=\"many.xml\" count=\"600\"/></VerticalLayout></Window>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(AsContainer(root)->ItemCount(), CSkinBuilder::kMaxControls - 1);
}

TEST_F(SkinBuilderTest, SourcesThatCannotBeReadGiveNoRoot) {
    const ArchiveMode archive{{"broken.xml", "<Window><Control></Window>"}};
    for (const wchar_t* source : {L"<Window><Control></Window>", L"broken.xml", L"missing.xml", L"", L"<Window/>"}) {
        EXPECT_EQ(Build(source), nullptr) << source;
    }
    CSkinBuilder builder;
    EXPECT_EQ(builder.BuildFromSource(nullptr, nullptr, nullptr, &window.manager()), nullptr);
    EXPECT_EQ(builder.BuildFromSource(MAKEINTRESOURCEW(999), L"SKIN", nullptr, &window.manager()), nullptr);
}

// A numeric source is a resource id of the given type; its Include sources are resource ids too.
TEST_F(SkinBuilderTest, ResourceSkinsIncludeResources) {
    CSkinBuilder builder;
    CControlUI* root = builder.BuildFromSource(MAKEINTRESOURCEW(201), L"SKIN", nullptr, &window.manager());
    ASSERT_NE(root, nullptr);
    window.manager().AttachRoot(root);
    EXPECT_EQ(Children(root), L"ControlUI:from201 ControlUI:from202 ControlUI:from202");
}

// Without a manager nothing is applied or attached, and the tree is still built.
TEST_F(SkinBuilderTest, WithoutAManagerOnlyTheTreeIsBuilt) {
    CSkinBuilder builder;
    CControlUI* root = builder.BuildFromSource(
        L"<Window size=\"10,10\"><Style name=\"s\" value=\"v\"/><VerticalLayout><Control "
        L"name=\"x\"/></VerticalLayout></Window>",
        nullptr, nullptr, nullptr);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Children(root), L"ControlUI:x");
    EXPECT_EQ(root->GetPaintManager(), nullptr);
    delete root;
}

TEST(ControlFactory, NamesMatchWithoutCaseAndTheFirstRegistrationStays) {
    CControlFactory& factory = CControlFactory::Instance();
    for (const wchar_t* name : {L"CVerticalLayoutUI", L"cverticallayoutui", L"CVERTICALLAYOUTUI"}) {
        CControlUI* control = factory.CreateByClassName(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_STREQ(control->GetTypeName(), L"VerticalLayoutUI");
        delete control;
    }
    EXPECT_EQ(factory.CreateByClassName(L"CNoSuchUI"), nullptr);
    EXPECT_EQ(factory.CreateByClassName(nullptr), nullptr);
    factory.RegisterClassName(L"ccontrolui", [] { return static_cast<CControlUI*>(new CContainerUI); });
    CControlUI* control = factory.CreateByClassName(L"CControlUI");
    EXPECT_STREQ(control->GetTypeName(), L"ControlUI");
    delete control;
}

}  // namespace
