// CPaintManagerUI: the per-window hub of the engine. Its sources by job:
//   paint_manager_ui.cpp         lifetime, window binding, the control tree (names, delayed
//                                deletion, post-paint), notifications and invalidation
//   paint_manager_resources.cpp  the image, font, default-attribute, style and draw-info tables,
//                                each per window with a shared table behind it
//   paint_manager_settings.cpp   process-wide settings (module, path, archive) and skin files
//   paint_manager_focus.cpp      focus and tab order
//   paint_manager_timers.cpp     control timers and option groups
//   paint_manager_messages.cpp   window messages turned into control events
//   paint_manager_loop.cpp       the message loop, the process-wide manager list, pre-processing,
//                                accelerators and filters
//   paint_manager_tooltip.cpp    the tooltip window and mouse hover
//   paint_manager_window.cpp     the window's settings: sizes, caption, frame, default colours
//   paint_manager_paint.cpp      window painting: lazy layout, the offscreen and layered paths,
//                                "windowinit" and "windowsize", native children, WM_PRINTCLIENT
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <vector>

#include "ui/core/dpi_scaler.h"
#include "ui/core/gdi_handles.h"
#include "ui/core/owning_ptr_array_ui.h"
#include "ui/core/owning_string_map_ui.h"
#include "ui/core/paint_surface.h"
#include "ui/core/ptr_array_ui.h"
#include "ui/core/resource_zip_ui.h"
#include "ui/core/skin_draw_info.h"
#include "ui/core/skin_render.h"
#include "ui/core/skin_resources.h"
#include "ui/core/string_map_ui.h"
#include "ui/core/string_ui.h"
#include "ui/core/ui_events.h"

namespace Tovik {

class CControlUI;

// Posted to the paint window to run the delayed clean-up of removed controls.
constexpr UINT kCleanupMessage = WM_APP + 1;

class CPaintManagerUI {
public:
    static constexpr wchar_t kMemoryArchiveName[] = L"membuffer";

    CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;
    ~CPaintManagerUI();

    // ---- Process-wide resource settings ----
    static void SetModuleInstance(HINSTANCE instance);
    static HINSTANCE GetModuleInstance();
    // The module holding resource-type resources: the module instance unless set otherwise.
    static HINSTANCE GetResourceModule();
    static const CStringUI& GetResourcePath();
    // Folder mode when `name` is empty. A cached archive is opened once and held.
    static void SetResourceZipFile(const wchar_t* name, bool cached, const wchar_t* password);
    // Serves every skin file from an archive image that stays valid for the process's life.
    static void SetResourceZipFromMemory(const void* data, uint32_t size, const wchar_t* password);
    static const CStringUI& GetResourceZipName();
    static const CStringUI& GetResourceZipPassword();
    static bool IsResourceZipCached();
    static HZIP GetResourceZipArchive();

    // A skin file from the resource folder or archive, else from `name` as a plain path; empty
    // when there is none.
    static std::vector<unsigned char> LoadSkinBytes(const wchar_t* name);

    // ---- Images ----
    // With a type, `name` starts with the decimal id of a resource of that type.
    TSkinImage* AddSkinImage(const wchar_t* name, const wchar_t* type, DWORD colourKey, bool shared,
                             HINSTANCE module = nullptr);
    TSkinImage* FindSkinImage(const wchar_t* name);
    TSkinImage* AcquireSkinImage(const wchar_t* name, const wchar_t* type, DWORD colourKey, HINSTANCE module = nullptr);
    void ClearSkinImages(bool shared);

    // ---- Fonts ----
    HFONT AddSkinFont(int id, const wchar_t* face, int size, bool bold, bool underline, bool italic, bool shared);
    void SetDefaultSkinFont(const wchar_t* face, int size, bool bold, bool underline, bool italic, bool shared);
    HFONT FontHandleById(int id);
    TSkinFont* FontInfoById(int id);
    TSkinFont* FontInfoByHandle(HFONT handle);
    TSkinFont* DefaultFontInfo();
    HFONT FindFontHandle(const wchar_t* face, int size, bool bold, bool underline, bool italic);
    // A font formatted text asks for: an equal one of the tables, else a new one kept in the
    // window's table under an id of its own (from kFirstVariantFontId) until the table is
    // emptied, so that no text ever holds a deleted font. Null past kMaxVariantFonts.
    static constexpr int kFirstVariantFontId = 30000;
    static constexpr int kMaxVariantFonts = 256;
    TSkinFont* AcquireVariantFont(const wchar_t* face, int size, bool bold, bool underline, bool italic);
    void ClearSkinFonts(bool shared);
    void LoadPrivateFontFile(const wchar_t* name);
    int GetPrivateFontCount() const { return privateFonts_.GetCount(); }

    // ---- Default attribute lists (last definition wins) and styles (first wins) ----
    void AddDefaultAttributes(const wchar_t* className, const wchar_t* attributes, bool shared);
    const wchar_t* DefaultAttributesFor(const wchar_t* className);
    void ClearDefaultAttributes(bool shared);
    void AddStyleDefinition(const wchar_t* name, const wchar_t* attributes, bool shared);
    const wchar_t* StyleDefinition(const wchar_t* name);
    void ClearStyles(bool shared);
    // Pop-up windows put what they define into the shared tables.
    void SetUseSharedTables(bool use) { useSharedTables_ = use; }

    // ---- Parsed image attribute strings, one record per image string + modifier ----
    // Null for an empty key; records are parsed once and kept until the table is emptied.
    TSkinDrawInfo* GetDrawInfo(const wchar_t* image, const wchar_t* modifier);
    void ClearDrawInfos();

    // ---- Binding ----
    // Empties the name map, the window's resource tables, the option groups and the timers, and
    // binds the manager to `window` (taking its device context).
    void AttachWindow(HWND window, const wchar_t* name);
    const CStringUI& GetName() const { return name_; }

    // ---- Controls: focus, notifications, invalidation ----
    HWND GetPaintWindow() const { return window_; }
    POINT GetMousePosition() const { return lastMouse_; }
    CControlUI* GetFocusControl() const { return focus_; }
    // Moves the focus, sending EventKillFocus/"killfocus" to the old control and
    // EventSetFocus/"setfocus" to the new one; an invisible, disabled or foreign control ends
    // with no focus at all.
    void SetFocusControl(CControlUI* control);
    // Focus for `control` after the next layout (a control that is not laid out yet).
    void SetFocusAfterLayout(CControlUI* control);
    bool AddNotifier(INotifyUI* notifier);
    bool RemoveNotifier(INotifyUI* notifier);
    // Synchronous: the sender's NotifySubscribers, then every notifier in registration order.
    // Asynchronous: queued and delivered the same way from the cleanup message.
    void SendNotify(TNotifyMsgUI& msg, bool async = false);
    void SendNotify(CControlUI* sender, const wchar_t* type, WPARAM wParam = 0, LPARAM lParam = 0, bool async = false);
    int GetQueuedNotificationCount() const { return asyncNotifications_.GetSize(); }
    // Drops every reference to a control that is going away.
    void ForgetControl(CControlUI* control);
    // Attaches a subtree (initialising it) and registers its named controls; a later control
    // replaces an earlier one of the same name.
    bool InitControlTree(CControlUI* control, CControlUI* parent);
    CControlUI* FindControlByName(const wchar_t* name);
    // The control becomes the manager's to delete at the next clean-up (or with the manager).
    void DeleteLater(CControlUI* control);
    // Runs the delayed clean-up now: the controls handed to DeleteLater are deleted, and the next
    // DeleteLater posts the cleanup message again.
    void DeleteDelayed();
    bool AddPostPaint(CControlUI* control);
    bool RemovePostPaint(CControlUI* control);
    int GetPostPaintCount() const { return postPaint_.GetSize(); }
    CControlUI* GetRoot() const { return root_.get(); }
    // The manager takes the root and deletes it with itself; a root attached before is handed to
    // DeleteLater. Resets focus, hover, click and key controls and asks for a first layout.
    bool AttachRoot(CControlUI* root);
    // The top-most visible control whose rectangle holds `point` (client coordinates); null without
    // a root.
    CControlUI* FindControlAt(POINT point) const;
    // Moves the focus to the next (or previous) tab stop of the tree, wrapping around.
    bool MoveTabFocus(bool forward);

    // ---- Control timers: window timers whose WM_TIMER goes to the owning control ----
    bool SetControlTimer(CControlUI* control, UINT id, UINT elapse);
    bool KillControlTimer(CControlUI* control, UINT id);
    void KillControlTimers(CControlUI* control);
    void RemoveAllTimers();
    int GetTimerCount() const { return timers_.GetSize(); }

    // ---- Option groups: the options that exclude each other, by group name ----
    bool AddOptionGroup(const wchar_t* name, CControlUI* control);
    CPtrArrayUI* GetOptionGroup(const wchar_t* name);
    void RemoveOptionGroup(const wchar_t* name, CControlUI* control);
    // Takes the control out of every group (empty groups go).
    void RemoveFromOptionGroups(CControlUI* control);
    void RemoveAllOptionGroups();
    // Unites `rect`, clamped to start at 0 and never inside out, into the update rectangle and
    // invalidates it; the caller's rectangle is left as it is.
    void Invalidate(const RECT& rect);
    // The whole client area.
    void Invalidate();
    const RECT& GetUpdateRect() const { return updateRect_; }
    void ClearUpdateRect() { updateRect_ = RECT{}; }
    void MarkLayoutNeeded() { updateNeeded_ = true; }
    bool IsUpdateNeeded() const { return updateNeeded_; }
    // Set once any control declares a virtual window; notifications then carry its name.
    void SetUsesVirtualWindows() { usesVirtualWindows_ = true; }
    bool UsesVirtualWindows() const { return usesVirtualWindows_; }
    // The process-wide colour shift (hue 180, saturation 100, lightness 100: no change).
    static void GetColorShift(short& hue, short& saturation, short& lightness, bool& use);

    // ---- Mouse capture ----
    void CaptureMouse();
    void ReleaseMouse();
    bool IsMouseCaptured() const { return captured_; }

    // ---- Messages ----
    // Turns a message of the window into control events; true when handled (`result` set).
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Before dispatching: pre-message filters, Tab focus moves, Alt shortcuts, system keys.
    bool PreProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool TranslateAccelerators(MSG* msg);
    // For the thread's loop: the managers' accelerators and pre-processing; true when the message
    // must not be dispatched.
    static bool TranslateUIMessage(const MSG* msg);
    // Until WM_QUIT (or a failing GetMessageW).
    static void RunMessageLoop();
    bool AddPreMessageFilter(IMessageFilterUI* filter);
    bool RemovePreMessageFilter(IMessageFilterUI* filter);
    bool AddMessageFilter(IMessageFilterUI* filter);
    bool RemoveMessageFilter(IMessageFilterUI* filter);
    bool AddAcceleratorTranslator(ITranslateAccelerator* translator);
    bool RemoveAcceleratorTranslator(ITranslateAccelerator* translator);
    // The window's tooltip window, made on the first hover over a control with a tooltip; null
    // until then and after it is destroyed.
    HWND GetTooltipWindow() { return tooltip_.get(); }
    // Window attributes "tooltiphovertime" and "noactivate".
    int GetHoverTime() const { return hoverTime_; }
    void SetHoverTime(int milliseconds) { hoverTime_ = milliseconds; }
    bool IsNoActivate() const { return noActivate_; }
    void SetNoActivate(bool noActivate) { noActivate_ = noActivate; }

    // ---- Window settings (getters scale by the DPI scaler; setters store markup values) ----
    SIZE GetInitSize();
    // Also resizes the window, while no root is attached.
    void SetInitSize(int cx, int cy);
    RECT GetSizeBox();
    void SetSizeBox(RECT sizeBox) { sizeBox_ = sizeBox; }
    RECT GetCaptionRect();
    void SetCaptionRect(RECT caption) { caption_ = caption; }
    SIZE GetRoundCorner();
    void SetRoundCorner(int cx, int cy) { roundCorner_ = SIZE{cx, cy}; }
    SIZE GetMinInfo();
    void SetMinInfo(int cx, int cy) { minInfo_ = SIZE{cx, cy}; }
    SIZE GetMaxInfo();
    void SetMaxInfo(int cx, int cy) { maxInfo_ = SIZE{cx, cy}; }

    // Default colours (ARGB): window attributes "disabledfontcolor", "defaultfontcolor",
    // "linkfontcolor", "linkhoverfontcolor", "selectedcolor". With `shared`, the process-wide
    // value changes, and this window's too while it still equalled the old shared value.
    enum class DefaultColor { kDisabledText, kText, kLink, kLinkHover, kSelectedBackground };
    DWORD GetDefaultColor(DefaultColor which) const { return colours_[static_cast<int>(which)]; }
    void SetDefaultColor(DefaultColor which, DWORD colour, bool shared);

    // ---- Window painting ----
    // Layered windows (per-pixel alpha, pushed with UpdateLayeredWindow) are drawn with alpha
    // throughout. Nothing changes without a window, for a child window, or where the system lacks
    // UpdateLayeredWindow.
    bool IsLayered() const { return layered_; }
    void SetLayered(bool layered);
    BYTE GetLayeredOpacity() const { return layeredOpacity_; }
    void SetLayeredOpacity(BYTE opacity);
    // An image attribute string drawn under the layered window: its alpha becomes the window's.
    void SetLayeredImage(const wchar_t* image);
    // The system's whole-window transparency (window attributes "opacity", "alpha").
    void SetOpacity(BYTE opacity);
    BYTE GetOpacity() const { return opacity_; }
    // Window attribute "showdirty": a red frame around each repainted area.
    bool IsShowUpdateRect() const { return showUpdateRect_; }
    void SetShowUpdateRect(bool show) { showUpdateRect_ = show; }
    // Native child windows composed into a layered window; removing drops both entries.
    bool AddNativeWindow(CControlUI* control, HWND window);
    bool RemoveNativeWindow(HWND window);

    // ---- Drawing settings the render engine reads ----
    // Text through GDI+ instead of GDI (window attribute "gdiplustext").
    bool IsUseGdiplusText() const { return useGdiplusText_; }
    void SetUseGdiplusText(bool use) { useGdiplusText_ = use; }
    // GDI+ text rendering hint 1–5 (window attribute "textrenderinghint"); anything else means 0.
    int GetGdiplusTextRenderingHint() const { return textRenderingHint_; }
    void SetGdiplusTextRenderingHint(int hint) { textRenderingHint_ = hint; }

    CDpiScaler& GetDpiScaler();
    // The window's device context; null until a window is attached.
    HDC GetPaintDC() const { return windowDC_.get(); }

private:
    using ImageTable = COwningStringMapUI<TSkinImage, CSkinRender::FreeSkinImage>;
    using FontTable = COwningStringMapUI<TSkinFont, FreeSkinFont>;
    using TextTable = COwningStringMapUI<CStringUI>;

    struct Timer {
        CControlUI* control;
        UINT id;  // the control's own id
        HWND window;
        UINT windowId;  // the id given to SetTimer
        bool killed;
    };

    // Window timer ids: the counter starts at kFirstTimerCounter and each new timer takes the
    // next value modulo kTimerIdCycle.
    static constexpr UINT kFirstTimerCounter = 4096;
    static constexpr UINT kTimerIdCycle = 240;

    // Mouse handling (paint_manager_messages.cpp).
    bool OnMouseMove(WPARAM wParam, LPARAM lParam);
    bool OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnMouseWheel(WPARAM wParam, LPARAM lParam);
    bool OnMouseLeave();
    bool OnMouseHover(WPARAM wParam, LPARAM lParam);
    void HideTooltip();
    DWORD HoverDelay();
    bool OnKey(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnTimer(WPARAM wParam, LPARAM lParam);
    bool OnSetCursor(WPARAM wParam, LPARAM lParam);
    bool OnContextMenu(WPARAM wParam, LPARAM lParam);
    void OnClose();
    bool FilterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A control under the point that belongs to this manager, or null.
    CControlUI* OwnControlAt(POINT point) const;
    // The event's mouse point is the last one unless `mouse` is given.
    void SendEvent(CControlUI* to, int type, WPARAM wParam = 0, LPARAM lParam = 0, WORD keyState = 0, WCHAR keyChar = 0,
                   const POINT* mouse = nullptr);
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Window painting (paint_manager_paint.cpp).
    enum class LayoutOutcome { kNone, kDone, kStop };
    bool OnPaint();
    void OnPrintClient(HDC dc, LPARAM flags);
    bool OnLayeredFrameMessage(UINT message, WPARAM wParam, LRESULT& result);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    LayoutOutcome LayOutIfNeeded(const RECT& client);
    void LayOutPendingControls();
    void PaintWithoutRoot();
    void PrepareLayeredPaint(const RECT& client, RECT& paint);
    void PaintOffscreen(const RECT& client, const RECT& paint);
    void ComposeNativeWindows(const RECT& paint);
    void ComposeLayeredAlpha(const RECT& client, const RECT& paint);
    bool NextFreeTimerId(UINT& windowId);
    void PostCleanup();
    void DeliverQueuedNotifications();
    void Deliver(TNotifyMsgUI& msg);
    bool ShortcutFocus(WPARAM character);
    void ReleaseFocusFor(CControlUI* next);

    // The shared default font is made once, from the stock GUI font.
    static void InitSharedDefaultFont();
    ImageTable& ImagesFor(bool shared);
    FontTable& FontsFor(bool shared);
    TextTable& AttributesFor(bool shared);
    TextTable& StylesFor(bool shared);
    TSkinFont* FindFontRecord(int id);
    HFONT CreateSkinFont(const wchar_t* face, int size, int weight, bool underline, bool italic, LOGFONTW& created);
    void Measure(TSkinFont& font);
    void EmptyWindowTables();

    static HINSTANCE moduleInstance_;
    static HINSTANCE resourceModule_;
    static CStringUI resourcePath_;
    static CStringUI zipName_;
    static CStringUI zipPassword_;
    static bool zipCached_;
    static HZIP heldArchive_;
    static ImageTable sharedImages_;
    static FontTable sharedFonts_;
    static TextTable sharedDefaultAttributes_;
    static TextTable sharedStyles_;
    static TSkinFont sharedDefaultFont_;
    static CPtrArrayUI managers_;  // every manager with a window, in the order they were attached

    // First, so that GDI+ outlives everything drawn or measured with it.
    GdiplusSession gdiplus_;
    CStringUI name_;
    HWND window_ = nullptr;
    WindowDC windowDC_;
    UINT timerCounter_ = kFirstTimerCounter;
    COwningPtrArrayUI<Timer> timers_;
    COwningStringMapUI<CPtrArrayUI> optionGroups_;
    CControlUI* focus_ = nullptr;
    CControlUI* hover_ = nullptr;
    CControlUI* click_ = nullptr;
    CControlUI* key_ = nullptr;
    POINT lastMouse_ = {-1, -1};
    RECT updateRect_ = {};
    bool updateNeeded_ = false;
    bool usesVirtualWindows_ = false;
    CPtrArrayUI notifiers_;
    CPtrArrayUI preMessageFilters_;
    CPtrArrayUI messageFilters_;
    CPtrArrayUI acceleratorTranslators_;
    COwningPtrArrayUI<TNotifyMsgUI> asyncNotifications_;
    bool captured_ = false;
    bool mouseTracking_ = false;  // a _TrackMouseEvent request is outstanding
    bool noActivate_ = false;
    int hoverTime_ = 400;
    SIZE initSize_ = {};
    RECT sizeBox_ = {};
    RECT caption_ = {};
    SIZE roundCorner_ = {};
    SIZE minInfo_ = {};
    SIZE maxInfo_ = {};
    static DWORD sharedColours_[5];
    DWORD colours_[5];
    std::unique_ptr<CControlUI> root_;
    OwnedWindow tooltip_;
    TTTOOLINFOW tooltipInfo_ = {};
    CStringUI tooltipText_;  // what tooltipInfo_ points at
    CStringMapUI nameMap_;   // borrowed: the tree owns the controls
    COwningPtrArrayUI<CControlUI> delayedCleanup_;
    bool cleanupPosted_ = false;  // one cleanup message at a time
    CPtrArrayUI postPaint_;
    bool focusNeeded_ = false;
    bool firstLayout_ = true;
    ImageTable images_;
    FontTable fonts_;
    TextTable defaultAttributes_;
    TextTable styles_;
    COwningStringMapUI<TSkinDrawInfo> drawInfos_;
    TSkinFont defaultFont_;  // an empty face: the shared default applies
    PrivateFontRegistrations privateFonts_;
    bool useSharedTables_ = false;
    int variantFonts_ = 0;  // made by AcquireVariantFont since the window's fonts were emptied
    bool layered_ = false;
    bool layeredChanged_ = false;
    BYTE layeredOpacity_ = 255;
    BYTE opacity_ = 255;
    bool showUpdateRect_ = false;
    TSkinDrawInfo layeredImage_;
    std::unique_ptr<CPaintSurface> offscreen_;
    std::unique_ptr<CPaintSurface> background_;
    CPtrArrayUI nativeWindows_;   // HWND, in step with nativeControls_
    CPtrArrayUI nativeControls_;  // CControlUI*
    bool useGdiplusText_ = false;
    int textRenderingHint_ = 0;
    std::unique_ptr<CDpiScaler> dpiScaler_;
};

}  // namespace Tovik
