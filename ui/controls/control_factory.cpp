#include "ui/controls/control_factory.h"

#include "support/platform.h"
#include "ui/controls/button_ui.h"
#include "ui/controls/combo_ui.h"
#include "ui/controls/container_ui.h"
#include "ui/controls/control_ui.h"
#include "ui/controls/edit_ui.h"
#include "ui/controls/horizontal_layout_ui.h"
#include "ui/controls/label_ui.h"
#include "ui/controls/list_element_ui.h"
#include "ui/controls/option_ui.h"
#include "ui/controls/progress_ui.h"
#include "ui/controls/scroll_bar_ui.h"
#include "ui/controls/slider_ui.h"
#include "ui/controls/tab_layout_ui.h"
#include "ui/controls/text_ui.h"
#include "ui/controls/vertical_layout_ui.h"

namespace Tovik {
namespace {

template <typename Control>
CControlUI* Create() {
    return new Control;
}

}  // namespace

CControlFactory& CControlFactory::Instance() {
    static CControlFactory factory;
    return factory;
}

// The classes built so far, in the table's order; each later control class joins here.
CControlFactory::CControlFactory() {
    RegisterClassName(L"CControlUI", Create<CControlUI>);
    RegisterClassName(L"CContainerUI", Create<CContainerUI>);
    RegisterClassName(L"CButtonUI", Create<CButtonUI>);
    RegisterClassName(L"CComboUI", Create<CComboUI>);
    RegisterClassName(L"CEditUI", Create<CEditUI>);
    RegisterClassName(L"CLabelUI", Create<CLabelUI>);
    RegisterClassName(L"CListLabelElementUI", Create<CListLabelElementUI>);
    RegisterClassName(L"COptionUI", Create<COptionUI>);
    RegisterClassName(L"CCheckBoxUI", Create<CCheckBoxUI>);
    RegisterClassName(L"CProgressUI", Create<CProgressUI>);
    RegisterClassName(L"CScrollBarUI", Create<CScrollBarUI>);
    RegisterClassName(L"CSliderUI", Create<CSliderUI>);
    RegisterClassName(L"CTextUI", Create<CTextUI>);
    RegisterClassName(L"CHorizontalLayoutUI", Create<CHorizontalLayoutUI>);
    RegisterClassName(L"CTabLayoutUI", Create<CTabLayoutUI>);
    RegisterClassName(L"CVerticalLayoutUI", Create<CVerticalLayoutUI>);
}

CControlUI* CControlFactory::CreateByClassName(const wchar_t* name) const {
    if (name == nullptr) return nullptr;
    for (const auto& entry : classes_) {
        if (Platform::EqualsIgnoringAsciiCase(entry.first.GetData(), name)) return entry.second();
    }
    return nullptr;
}

void CControlFactory::RegisterClassName(const wchar_t* name, CreateFunction create) {
    if (name == nullptr || create == nullptr) return;
    for (const auto& entry : classes_) {
        if (Platform::EqualsIgnoringAsciiCase(entry.first.GetData(), name)) return;
    }
    classes_.emplace_back(CStringUI(name), create);
}

}  // namespace Tovik
