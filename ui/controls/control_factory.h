// CControlFactory: the process-wide table from a control class name ("CButtonUI", matched without
// regard to case) to the function that makes a control of that class. Skin elements name their
// class without the "C" and "UI" around it.
#pragma once

#include <utility>
#include <vector>

#include "ui/core/string_ui.h"

namespace Tovik {

class CControlUI;

class CControlFactory {
public:
    using CreateFunction = CControlUI* (*)();

    static CControlFactory& Instance();

    virtual ~CControlFactory() = default;
    CControlFactory(const CControlFactory&) = delete;
    CControlFactory& operator=(const CControlFactory&) = delete;

    // A new control of the class, or null for a class the table does not hold.
    CControlUI* CreateByClassName(const wchar_t* name) const;
    // A name already in the table keeps its first function.
    void RegisterClassName(const wchar_t* name, CreateFunction create);

private:
    CControlFactory();

    std::vector<std::pair<CStringUI, CreateFunction>> classes_;  // in registration order
};

}  // namespace Tovik
