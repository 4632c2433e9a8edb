// CSkinBuilder turns a skin document into live objects: its resource elements go into the
// window's tables, the Window element's attributes into the paint manager, and every other
// element becomes a control made by the control factory (or by the window's callback for names
// the factory does not know). One builder per build; Include elements nest builders of their own.
#pragma once

#include <windows.h>

#include "ui/core/skin_markup.h"

namespace Tovik {

class CControlUI;
class CPaintManagerUI;

class IDialogBuilderCallback {
public:
    // A control for an element name the factory does not know, or null.
    virtual CControlUI* CreateCustomControl(const wchar_t* name) = 0;

protected:
    ~IDialogBuilderCallback() = default;
};

class CSkinBuilder {
public:
    // Bounds on what one build (with every Include inside it) may make: an Include chain stops
    // at kMaxIncludeDepth, elements nest at most kMaxNesting levels across the included
    // documents, a build runs at most kMaxIncludeBuilds Include builds and creates at most
    // kMaxControls controls. Elements past a bound are skipped like any element that fails; what
    // was built before stands.
    static constexpr int kMaxIncludeDepth = 16;
    static constexpr int kMaxNesting = 256;
    static constexpr int kMaxIncludeBuilds = 1000;
    static constexpr int kMaxControls = 100000;

    CSkinBuilder() = default;
    CSkinBuilder(const CSkinBuilder&) = delete;
    CSkinBuilder& operator=(const CSkinBuilder&) = delete;

    // `source`: a skin file name, markup text starting with '<', or a resource id made by
    // MAKEINTRESOURCEW (then of resource type `type`). With `parent`, the top-level controls go
    // into it; without `manager`, no resource or Window setting is applied and nothing is
    // attached. The first top-level control, or null.
    CControlUI* BuildFromSource(const wchar_t* source, const wchar_t* type, IDialogBuilderCallback* callback,
                                CPaintManagerUI* manager, CControlUI* parent = nullptr);
    CControlUI* BuildFromMarkup(IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                                CControlUI* parent = nullptr);

    CSkinMarkup& GetMarkup() { return markup_; }

private:
    // Shared by a build and every Include build inside it.
    struct Budget {
        int includeBuilds = 0;
        int controls = 0;
        int levels = 0;  // element levels open right now
    };

    bool ParseResource(const wchar_t* id, const wchar_t* type);
    // Nodes go by reference: each is a sizeable record, and builds nest deeply.
    void ApplyResourceElements(CSkinNode& root, CPaintManagerUI* manager);
    void ApplyWindowAttributes(CSkinNode& root, CPaintManagerUI* manager);
    CControlUI* BuildChildren(CSkinNode& node, CControlUI* parent, CPaintManagerUI* manager);
    void BuildInclude(CSkinNode& include, CControlUI* parent, CPaintManagerUI* manager);
    CControlUI* CreateControl(const wchar_t* name);
    void Configure(CSkinNode& node, CControlUI* control, CPaintManagerUI* manager);

    CSkinMarkup markup_;
    IDialogBuilderCallback* callback_ = nullptr;
    const wchar_t* resourceType_ = nullptr;
    int depth_ = 0;
    Budget ownBudget_;
    Budget* budget_ = &ownBudget_;
};

// Detaches every control of the subtree from `manager` (focus, hover, timers, names, option
// groups) and deletes it: for subtrees that never reached a window.
void DiscardControlTree(CControlUI* control, CPaintManagerUI* manager);

}  // namespace Tovik
