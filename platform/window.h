// Windows, controls and message maps of the toolkit-free dialog framework.
//
// A dialog's window and each of its controls is a WindowState: the model a host
// renders. CWnd objects are handles on that model. User input reaches the model
// through a host, which then calls CWnd::SendNotify so the dialog's message map
// can react.
#pragma once

#include "platform/dialog_template.h"
#include "platform/win_types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CWnd;
class CDialog;
class CDataExchange;

/// One entry of a list box or combo box.
struct ListItem {
    std::string text;
    DWORD_PTR data = 0;
};

/// The state of one window: a dialog or one control inside it.
struct WindowState {
    WindowState();
    ~WindowState();
    WindowState(const WindowState&) = delete;
    WindowState& operator=(const WindowState&) = delete;

    const ControlTemplate* control = nullptr; // null for the dialog itself
    const DialogTemplate* dialog = nullptr;   // set for the dialog itself
    WindowState* parent = nullptr;
    CWnd* attached = nullptr;     // the CWnd bound to this window, if any
    std::unique_ptr<CWnd> handle; // the CWnd FromHandle made when none was attached

    int id = 0;
    ControlKind kind = ControlKind::Static;
    DWORD style = 0;
    std::string text;
    int textLimit = 0;                        // edit fields: 0 means no limit
    int selectionStart = 0, selectionEnd = 0; // edit fields: the selected characters
    bool enabled = true;
    bool visible = true;
    int check = BST_UNCHECKED;   // check boxes and radio buttons
    std::vector<ListItem> items; // list boxes and combo boxes
    int currentSelection = -1;   // list boxes and combo boxes

    // The dialog's own state.
    std::vector<std::unique_ptr<WindowState>> children; // template order
    WindowState* focus = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    bool iconic = false;

    /// The control with this number, or null.
    WindowState* FindChild(int id) const;
};

/// What changed in a window, so a host can refresh its view of it.
enum class WindowChange {
    Text,
    TextLimit,
    Selection,
    Enabled,
    Check,
    Items,
    CurrentSelection,
    Focus,
    Icon
};

/// A handler of a message map: a member function of a class derived from CCmdTarget.
class CCmdTarget;
using AFX_PMSG = void (CCmdTarget::*)();
using AFX_PMSG_ICON = HCURSOR (CCmdTarget::*)();

/// One entry of a message map.
struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND for notifications and commands
    UINT nCode;    // notification code (BN_CLICKED, CBN_SELCHANGE, LBN_DBLCLK)
    int nID;       // control or command number; 0 for window messages
    AFX_PMSG pfn;
    AFX_PMSG_ICON pfnIcon; // handlers that return an icon (WM_QUERYDRAGICON)
};

/// A class's message map: its entries and its base class's map.
struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries; // ends with an entry whose nMessage is 0
};

/// Base of every class that receives commands through a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    /// Routes a command (or notification) through the message maps; true when handled.
    virtual bool OnCmdMsg(UINT nID, UINT nCode);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    /// The first entry of the map chain for this message, code and id, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, int nID) const;
};

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass; /* unused by an empty map */                  \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                                          \
    {0, 0, 0, nullptr, nullptr}};                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries};              \
    return &messageMap;                                                                            \
    }

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, BN_CLICKED, (id), static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
#define ON_CONTROL(code, id, memberFxn)                                                            \
    {WM_COMMAND, (code), (id), static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_WM_PAINT() {WM_PAINT, 0, 0, static_cast<AFX_PMSG>(&ThisClass::OnPaint), nullptr},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, nullptr, static_cast<AFX_PMSG_ICON>(&ThisClass::OnQueryDragIcon)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, static_cast<AFX_PMSG>(&ThisClass::OnClose), nullptr},
// clang-format on

/// A handle on one window of the model (a dialog or a control).
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    WindowState* m_hWnd = nullptr;

    /// The CWnd for a window: its attached object, or a handle owned by the window.
    static CWnd* FromHandle(WindowState* hWnd);

    int GetDlgCtrlID() const;
    /// The control with this number in this dialog, or null.
    CWnd* GetDlgItem(int nID) const;
    CWnd* GetParent() const;

    void SetWindowText(std::string_view text);
    std::string GetWindowText() const;
    void EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    /// Gives this window the keyboard focus (a control: focus inside its dialog).
    void SetFocus();
    /// Binds this object to an existing window; DDX_Control uses it.
    void Attach(WindowState* hWnd);
    void Detach();

    /// A message box owned by this window; a null caption means the application's name.
    int MessageBox(std::string_view text, const char* caption = nullptr, UINT nType = MB_OK);

    /// Exchanges the dialog data: false shows members in controls, true saves and validates.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    /// True while UpdateData runs: notifications from controls are dropped then.
    bool IsExchangingData() const { return m_bInUpdateData; }

    /// Sets the window's large or small icon.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    /// Queues a message; the modal loop delivers it (WM_CLOSE closes a dialog as Cancel).
    void PostMessage(UINT message);

    /// Delivers a window message (WM_PAINT, WM_QUERYDRAGICON, WM_CLOSE) to this window.
    LRESULT SendMessage(UINT message);
    /// A control reports user input (BN_CLICKED, CBN_SELCHANGE, LBN_DBLCLK) to its dialog.
    void SendNotify(int nID, UINT nCode);

    /// Tells the host that the model of a window changed.
    static void NotifyChanged(WindowState& window, WindowChange what);

    /// Routes a command or notification to this window's message maps, as a click or a key
    /// would: a file error, a lack of memory or any other failure escaping the handler is
    /// reported in a message box and the command counts as handled. False: nobody handled it.
    bool RouteCommand(int nID, UINT nCode);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    /// Called after the window is destroyed; the last call the window makes.
    virtual void PostNcDestroy() {}
    /// Window messages without a message-map entry.
    virtual LRESULT DefWindowProc(UINT message);

    /// Drops the queued messages for a window and its controls: it is being destroyed.
    static void DiscardPostedMessages(const WindowState& window);

    bool m_bInUpdateData = false;

    friend class CDialog;
};
