// COptionUI: a button with a selected state and looks of its own while selected. Options sharing
// a group name (per window) exclude each other; an option without a group toggles on each click.
// CCheckBoxUI: an option that can toggle itself on the press ("EnableAutoCheck").
#pragma once

#include "ui/controls/button_ui.h"

namespace Tovik {

class COptionUI : public CButtonUI {
public:
    COptionUI() = default;
    ~COptionUI() override;

    const wchar_t* GetTypeName() const override { return L"OptionUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    // "click" first, then the selection changes: a grouped option is selected, an ungrouped one
    // toggles.
    bool Activate() override;
    void AttachToManager(CPaintManagerUI* manager, CControlUI* parent, bool initialise) override;
    void SetEnabled(bool enabled = true) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;
    void PaintBackgroundColor(HDC dc) override;
    void PaintStateImage(HDC dc) override;
    void PaintForegroundImage(HDC dc) override;
    void PaintText(HDC dc) override;

    virtual CStringUI GetSelectedStateImage() const { return selectedStateImage_; }
    virtual void SetSelectedStateImage(const wchar_t* image);
    // "selectchanged" (with `notify`, when attached) when the option became selected, or when an
    // ungrouped option became deselected; the others of its group are deselected.
    virtual void SetSelected(bool selected, bool notify = true);

    bool IsSelected() const { return selected_; }
    const CStringUI& GetGroup() const { return group_; }
    void SetGroup(const wchar_t* name);
    void SetSelectedImage(const wchar_t* image) { SetRepaintingValue(selectedImage_, CStringUI(image)); }
    void SetSelectedHotImage(const wchar_t* image) { SetRepaintingValue(selectedHotImage_, CStringUI(image)); }
    void SetSelectedPushedImage(const wchar_t* image) { SetRepaintingValue(selectedPushedImage_, CStringUI(image)); }
    void SetSelectedForeImage(const wchar_t* image) { SetRepaintingValue(selectedForeImage_, CStringUI(image)); }
    void SetSelectedStateCount(int count) { SetRepaintingValue(selectedStateCount_, count); }
    void SetSelectedFont(int font) { SetRepaintingValue(selectedFont_, font); }
    void SetSelectedBkColor(DWORD colour) { selectedBkColour_ = colour; }
    void SetSelectedTextColor(DWORD colour) { selectedTextColour_ = colour; }

protected:
    virtual WPARAM SelectChangedParameter() const { return 0; }

    bool selected_ = false;
    CStringUI group_;
    int selectedFont_ = -1;
    DWORD selectedBkColour_ = 0;
    DWORD selectedTextColour_ = 0;
    CStringUI selectedImage_;
    CStringUI selectedHotImage_;
    CStringUI selectedPushedImage_;
    CStringUI selectedForeImage_;
    int selectedStateCount_ = 0;
    CStringUI selectedStateImage_;
};

class CCheckBoxUI : public COptionUI {
public:
    const wchar_t* GetTypeName() const override { return L"CheckBoxUI"; }
    void* QueryControlInterface(const wchar_t* name) override;
    // With auto-check a press toggles at once ("selectchanged", "checkclick") and no click follows.
    void HandleEvent(TInputEventUI& event) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    void SetCheck(bool check) { SetSelected(check, true); }
    bool GetCheck() const { return IsSelected(); }
    void SetAutoCheck(bool on) { autoCheck_ = on; }

protected:
    WPARAM SelectChangedParameter() const override { return selected_ ? 1 : 0; }

private:
    bool autoCheck_ = false;
};

}  // namespace Tovik
