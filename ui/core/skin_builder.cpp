#include "ui/core/skin_builder.h"

#include <vector>

#include "support/platform.h"
#include "ui/controls/container_ui.h"
#include "ui/controls/control_factory.h"
#include "ui/controls/control_ui.h"
#include "ui/core/attribute_values.h"
#include "ui/core/paint_manager_ui.h"
#include "ui/core/resource_catalog_ui.h"
#include "ui/core/skin_files.h"
#include "ui/core/window_attributes.h"

namespace Tovik {
namespace {

bool Is(const wchar_t* name, const wchar_t* expected) { return Platform::EqualsIgnoringAsciiCase(name, expected); }

bool IsResourceElement(const wchar_t* name) {
    for (const wchar_t* resource : {L"Image", L"Font", L"Default", L"Style", L"Import"}) {
        if (Is(name, resource)) return true;
    }
    return false;
}

// Calls visit(name, value) for each attribute in document order; a name given twice ends with
// its last value.
template <typename Visit>
void ForEachAttribute(CSkinNode& node, Visit visit) {
    for (int i = 0, count = node.AttributeCount(); i < count; ++i)
        visit(node.AttributeNameAt(i), node.AttributeValueAt(i));
}

bool IsPresent(const wchar_t* value) { return value != nullptr && *value != 0; }

void AddImage(CSkinNode& node, CPaintManagerUI& manager) {
    const wchar_t *name = nullptr, *type = nullptr;
    DWORD mask = 0;
    bool shared = false;
    ForEachAttribute(node, [&](const wchar_t* key, const wchar_t* value) {
        if (Is(key, L"name")) name = value;
        if (Is(key, L"restype")) type = value;
        if (Is(key, L"mask")) mask = ParseColour(value, false);
        if (Is(key, L"shared")) shared = ParseBool(value);
    });
    if (IsPresent(name)) manager.AddSkinImage(name, IsPresent(type) ? type : nullptr, mask, shared);
}

void AddFont(CSkinNode& node, CPaintManagerUI& manager) {
    const wchar_t* face = L"";
    int id = -1, size = 12;
    bool bold = false, underline = false, italic = false, isDefault = false, shared = false;
    ForEachAttribute(node, [&](const wchar_t* key, const wchar_t* value) {
        if (Is(key, L"id")) id = ParseInt(value);
        if (Is(key, L"name")) face = value;
        if (Is(key, L"size")) size = ParseInt(value);
        if (Is(key, L"bold")) bold = ParseBool(value);
        if (Is(key, L"underline")) underline = ParseBool(value);
        if (Is(key, L"italic")) italic = ParseBool(value);
        if (Is(key, L"default")) isDefault = ParseBool(value);
        if (Is(key, L"shared")) shared = ParseBool(value);
    });
    if (id < 0) return;
    manager.AddSkinFont(id, face, size, bold, underline, italic, shared);
    if (isDefault) manager.SetDefaultSkinFont(face, size, bold, underline, italic, shared);
}

// Default and Style elements: a name, an attribute list and the shared flag.
template <typename Add>
void AddNamedList(CSkinNode& node, Add add) {
    const wchar_t *name = nullptr, *value = L"";
    bool shared = false;
    ForEachAttribute(node, [&](const wchar_t* key, const wchar_t* text) {
        if (Is(key, L"name")) name = text;
        if (Is(key, L"value")) value = text;
        if (Is(key, L"shared")) shared = ParseBool(text);
    });
    if (IsPresent(name)) add(name, value, shared);
}

void ImportFont(CSkinNode& node, CPaintManagerUI& manager) {
    const wchar_t* file = nullptr;
    ForEachAttribute(node, [&](const wchar_t* key, const wchar_t* value) {
        if (Is(key, L"fontfile")) file = value;
    });
    if (IsPresent(file)) manager.LoadPrivateFontFile(file);
}

}  // namespace

void DiscardControlTree(CControlUI* control, CPaintManagerUI* manager) {
    if (control == nullptr) return;
    if (manager != nullptr) {
        control->LocateControl(
            [](CControlUI* found, void* data) -> CControlUI* {
                static_cast<CPaintManagerUI*>(data)->ForgetControl(found);
                return nullptr;
            },
            manager, 0);
    }
    delete control;
}

CControlUI* CSkinBuilder::BuildFromSource(const wchar_t* source, const wchar_t* type, IDialogBuilderCallback* callback,
                                          CPaintManagerUI* manager, CControlUI* parent) {
    if (source == nullptr) return nullptr;
    if (IS_INTRESOURCE(source)) {
        if (!ParseResource(source, type)) return nullptr;
        resourceType_ = type;
    } else {
        if (source[0] != L'<') {
            if (const wchar_t* translated = CResourceCatalogUI::Instance().TranslateMarkupName(source)) {
                source = translated;
            }
        }
        const bool parsed = source[0] == L'<' ? markup_.ParseText(source) : markup_.ParseSkinFile(source, Utf8);
        if (!parsed) return nullptr;
    }
    return BuildFromMarkup(callback, manager, parent);
}

bool CSkinBuilder::ParseResource(const wchar_t* id, const wchar_t* type) {
    std::vector<unsigned char> bytes = ReadResourceBytes(id, type, nullptr);
    if (bytes.empty() || bytes.size() > CSkinMarkup::kMaxSkinFileSize) return false;
    return markup_.ParseBuffer(bytes.data(), static_cast<uint32_t>(bytes.size()), Utf8);
}

CControlUI* CSkinBuilder::BuildFromMarkup(IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                                          CControlUI* parent) {
    callback_ = callback;
    CSkinNode root = markup_.RootNode();
    if (!root.IsValid()) return nullptr;
    if (manager != nullptr) {
        ApplyResourceElements(root, manager);
        if (Is(root.TagName(), L"Window") && manager->GetPaintWindow() != nullptr) ApplyWindowAttributes(root, manager);
    }
    return BuildChildren(root, parent, manager);
}

void CSkinBuilder::ApplyResourceElements(CSkinNode& root, CPaintManagerUI* manager) {
    for (CSkinNode node = root.FirstChild(); node.IsValid(); node = node.NextSibling()) {
        const wchar_t* name = node.TagName();
        if (Is(name, L"Image")) {
            AddImage(node, *manager);
        } else if (Is(name, L"Font")) {
            AddFont(node, *manager);
        } else if (Is(name, L"Default")) {
            AddNamedList(node, [manager](const wchar_t* n, const wchar_t* v, bool shared) {
                manager->AddDefaultAttributes(n, v, shared);
            });
        } else if (Is(name, L"Style")) {
            AddNamedList(node, [manager](const wchar_t* n, const wchar_t* v, bool shared) {
                manager->AddStyleDefinition(n, v, shared);
            });
        } else if (Is(name, L"Import")) {
            ImportFont(node, *manager);
        }
    }
}

void CSkinBuilder::ApplyWindowAttributes(CSkinNode& root, CPaintManagerUI* manager) {
    ForEachAttribute(
        root, [manager](const wchar_t* name, const wchar_t* value) { ApplyWindowAttribute(*manager, name, value); });
}

// Depth first: a control's children are built and inserted before the control itself is
// inserted and configured.
CControlUI* CSkinBuilder::BuildChildren(CSkinNode& node, CControlUI* parent, CPaintManagerUI* manager) {
    if (budget_->levels >= kMaxNesting) return nullptr;
    ++budget_->levels;
    CControlUI* first = nullptr;
    IContainerUI* container = nullptr;
    bool queried = false;
    for (CSkinNode child = node.FirstChild(); child.IsValid(); child = child.NextSibling()) {
        const wchar_t* name = child.TagName();
        if (IsResourceElement(name)) continue;
        if (Is(name, L"Include")) {
            BuildInclude(child, parent, manager);
            continue;
        }
        CControlUI* control = CreateControl(name);
        if (control == nullptr) continue;
        if (child.HasChildren()) BuildChildren(child, control, manager);
        if (parent == nullptr && first != nullptr) {
            DiscardControlTree(control, manager);  // only the first top-level control is returned
            continue;
        }
        if (parent != nullptr) {
            if (!queried) {
                container = static_cast<IContainerUI*>(parent->QueryControlInterface(L"IContainer"));
                queried = true;
            }
            if (container == nullptr) {
                DiscardControlTree(control, manager);
                first = nullptr;
                break;
            }
            if (!container->AddItem(control)) {
                DiscardControlTree(control, manager);
                continue;
            }
        }
        Configure(child, control, manager);
        if (first == nullptr) first = control;
    }
    --budget_->levels;
    return first;
}

void CSkinBuilder::BuildInclude(CSkinNode& include, CControlUI* parent, CPaintManagerUI* manager) {
    int count = 1;
    const wchar_t* source = nullptr;
    ForEachAttribute(include, [&](const wchar_t* key, const wchar_t* value) {
        if (Is(key, L"count")) count = ParseInt(value);
        if (Is(key, L"source")) source = value;
    });
    if (source == nullptr || depth_ + 1 > kMaxIncludeDepth) return;
    for (int i = 0; i < count && budget_->includeBuilds < kMaxIncludeBuilds; ++i) {
        ++budget_->includeBuilds;
        CSkinBuilder nested;
        nested.depth_ = depth_ + 1;
        nested.budget_ = budget_;
        CControlUI* built = resourceType_ != nullptr
                                ? nested.BuildFromSource(MAKEINTRESOURCEW(ParseInt(source) & 0xFFFF), resourceType_,
                                                         callback_, manager, parent)
                                : nested.BuildFromSource(source, nullptr, callback_, manager, parent);
        if (parent == nullptr) DiscardControlTree(built, manager);  // nothing would own it
    }
}

CControlUI* CSkinBuilder::CreateControl(const wchar_t* name) {
    if (budget_->controls >= kMaxControls) return nullptr;
    CStringUI className;
    className.Format(L"C%lsUI", name);
    CControlUI* control = CControlFactory::Instance().CreateByClassName(className.GetData());
    if (control == nullptr && callback_ != nullptr) control = callback_->CreateCustomControl(name);
    if (control != nullptr) ++budget_->controls;
    return control;
}

// Default attributes of the element name first, then the element's own, in document order.
void CSkinBuilder::Configure(CSkinNode& node, CControlUI* control, CPaintManagerUI* manager) {
    if (manager != nullptr) {
        control->AttachToManager(manager, nullptr, false);
        if (const wchar_t* defaults = manager->DefaultAttributesFor(node.TagName())) {
            control->ApplyAttributeString(defaults);
        }
    }
    ForEachAttribute(node,
                     [control](const wchar_t* name, const wchar_t* value) { control->SetAttribute(name, value); });
    if (manager != nullptr) control->AttachToManager(nullptr, nullptr, false);
}

}  // namespace Tovik
