// The window, dialog and data-exchange services the program calls, with the class library's
// names, as thin pieces over Qt Widgets. Nothing here includes a Qt widget header.
#pragma once

#include "res/vorlage.h"

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

class QWidget;
class QObject;
class QMenu;
class QIcon;
class Vermittler;
class DialogFenster;

using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LPARAM = std::intptr_t;
using UINT_PTR = std::uintptr_t;
// Shared, as Win32's loaded icons are: valid as long as the application object.
using HICON = const QIcon*;

constexpr UINT MB_OK = 0x0000;
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;

constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_DROPFILES = 0x0233;
// The first message number an application may give its own messages.
constexpr UINT WM_APP = 0x8000;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT EN_KILLFOCUS = 0x0200;

// SetWindowPos flags.
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOACTIVATE = 0x0010;

// GetSystemMetrics indices: the rectangle that spans all screens.
constexpr int SM_XVIRTUALSCREEN = 76;
constexpr int SM_YVIRTUALSCREEN = 77;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;

// Text as UTF-8 bytes.
class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}

    BOOL IsEmpty() const { return m_text.empty(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    const char* GetString() const { return m_text.c_str(); }
    friend bool operator==(const CString&, const CString&) = default;
    // From the string table; FALSE when it has no string of that id.
    BOOL LoadString(UINT nID);

private:
    std::string m_text;
};

// The path as the file system wants it for fopen.
std::string DateiPfadKodiert(const CString& pfad);

// Files dropped onto a window: WM_DROPFILES hands them to the handler as its LPARAM.
struct DropDateien;
using HDROP = const DropDateien*;
// The number of files for iFile = 0xFFFFFFFF, else the path of file iFile and its length.
UINT DragQueryFile(HDROP hDrop, UINT iFile, CString* pDatei);

class CCmdTarget;
using AFX_PMSG = void (CCmdTarget::*)();
using AFX_PMSG_SYS = void (CCmdTarget::*)(UINT, LPARAM);

// One row of a message map: message, notification code, control id and member handler.
struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    int nID;
    std::variant<AFX_PMSG, AFX_PMSG_SYS> pfn;
};
using MessageMap = std::span<const AFX_MSGMAP_ENTRY>;

// Turns a derived class's handler into a message-map handler.
template <class T> constexpr AFX_PMSG Handler(void (T::*pfn)()) {
    return static_cast<AFX_PMSG>(pfn);
}
template <class T> constexpr AFX_PMSG_SYS Handler(void (T::*pfn)(UINT, LPARAM)) {
    return static_cast<AFX_PMSG_SYS>(pfn);
}

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Runs the first matching row; FALSE when the map has none.
    BOOL OnCmdMsg(UINT nMessage, UINT nCode, int nID, UINT wParam = 0, LPARAM lParam = 0);

protected:
    virtual MessageMap GetMessageMap() const { return {}; }
};

// A menu: the window's system menu, or a popup made for it. With MF_POPUP, nIDNewItem is the
// popup's m_hMenu, which stays the popup's own.
class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu();

    BOOL CreatePopupMenu();
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    // MF_BYCOMMAND (with the entry's id) or MF_BYPOSITION.
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    int GetMenuItemCount() const;
    // MF_ENABLED or MF_GRAYED; the previous state, or -1 when there is no such entry.
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);

    QMenu* m_hMenu = nullptr;

private:
    bool m_bEigen = false;
};

class CDataExchange;
struct RECT {
    int left, top, right, bottom;
};
using LPRECT = RECT*;

// A CWnd without a toolkit window (not created yet, or gone) behaves as Win32 does for an
// invalid handle: every call does nothing and returns FALSE, 0, an empty rectangle or nullptr.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    void GetClientRect(LPRECT lpRect) const;
    // The window's outer rectangle in screen coordinates.
    void GetWindowRect(LPRECT lpRect) const;
    // Only moving is supported: SWP_NOSIZE is implied, pWndInsertAfter is ignored.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void SetWindowText(const CString& text);
    CWnd* GetDlgItem(int nID) const;
    // Caption: the application name.
    int MessageBox(const CString& text, const char* lpszCaption = nullptr, UINT nType = MB_OK);
    // A question with two buttons of the program's own words: IDOK for the first, else IDCANCEL.
    int Frage(const CString& text, const char* lpszJa, const char* lpszNein);
    // Selects nIDCheckButton and clears the other radio buttons from nIDFirst to nIDLast.
    void CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheckButton);
    // Queued: the handler runs once the current one and the pending events are done.
    void PostMessage(UINT message, UINT wParam = 0, LPARAM lParam = 0);
    // Files dropped onto the window arrive as WM_DROPFILES.
    void DragAcceptFiles(BOOL bAccept = TRUE);

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // The window system owns the title bar's menu here: this one opens as the window's context
    // menu. nullptr for a window without a system menu; bRevert is not supported.
    CMenu* GetSystemMenu(BOOL bRevert) const;
    // The large icon (task switcher) or the small one (title bar).
    void SetIcon(HICON hIcon, BOOL bBigIcon);

    QWidget* m_hWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // The default handling of a system command: closing; anything else is ignored.
    void OnSysCommand(UINT nID, LPARAM lParam);

private:
    friend class Vermittler;
    friend class CDataExchange;
    // Set while UpdateData runs: the notifications of the controls it writes are not routed.
    int m_nSchreibt = 0;
    mutable std::map<int, std::unique_ptr<CWnd>> m_temporaer;
    mutable std::unique_ptr<CMenu> m_pSystemMenu;
};

class CButton : public CWnd {
public:
    // Non-zero when selected.
    int GetCheck() const;
    void SetCheck(int nCheck);
};

class CStatic : public CWnd {};

class CEdit : public CWnd {};

class CListBox : public CWnd {
public:
    void ResetContent();
    // Appends; returns the new line's index.
    int AddString(const CString& text);
    int GetCount() const;
    // Scrolls so that line nIndex is the first one shown.
    int SetTopIndex(int nIndex);
};

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate);
    ~CDialog() override;

    // Modal run; IDOK, IDCANCEL or what EndDialog was given.
    virtual int DoModal();
    // Modeless, shown only if the template is visible. Without a parent it is owned by the
    // application's main window, as the class library does, so it takes input while the main
    // window runs modally and stays in front of it.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    // Moves the focus to the control; an edit control's text is selected, as Win32 does.
    void GotoDlgCtrl(CWnd* pWndCtrl);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

private:
    friend class DialogFenster;
    friend class Vermittler;
    BOOL Erzeugen(UINT nIDTemplate, QWidget* eigner);
    // The toolkit window is gone (its owner took it along).
    void FensterWeg();

    UINT m_nIDTemplate;
    Vermittler* m_pVermittler = nullptr;
};

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // Stops the transfer; the remaining exchanges do nothing.
    void Fail(QWidget* pCtrl);
    QWidget* PrepareCtrl(int nIDC) const;
    bool Failed() const { return m_bFehler; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    bool m_bFehler = false;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::int32_t& value);

class CRecentFileList;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    // The settings file is named after the application and this organisation.
    void SetRegistryKey(const char* lpszRegistryKey);
    // Reads the recent-file list of nMaxMRU entries from the settings.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // Puts the file at the top of the recent-file list and writes the list at once.
    virtual void AddToRecentFileList(const char* lpszPathName);

    virtual BOOL InitInstance() { return TRUE; }
    // nullptr when there is no icon of that id.
    HICON LoadIcon(UINT nIDResource) const;
    // Shows the help command's text from the string table: there is no help file.
    void OnHelp();

    const char* m_pszAppName;
    // Shown by the toolkit's own dialogs; the desktop matches windows to the launcher entry
    // and its icon by the id.
    const char* m_pszVersion = nullptr;
    const char* m_pszDesktopId = nullptr;
    const char* m_pszRegistryKey = nullptr;
    CWnd* m_pMainWnd = nullptr;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
};

// The most recently opened files, newest first, kept in the settings as
// lpszSection/lpszEntryFormat with %d counting from 1 ("Recent File List", "File%d").
class CRecentFileList {
public:
    CRecentFileList(UINT nStart, const char* lpszSection, const char* lpszEntryFormat, int nSize);

    // The number of entries in use.
    int GetCount() const { return static_cast<int>(m_dateien.size()); }
    const CString& operator[](int nIndex) const { return m_dateien.at(nIndex); }
    void Add(const char* lpszPathName);
    void Remove(int nIndex);
    void ReadList();
    void WriteList();

    UINT m_nStart;

private:
    std::string m_strAbschnitt;
    std::string m_strEintrag;
    int m_nGroesse;
    std::vector<CString> m_dateien;
};

// The path of the running program.
CString GetModuleFileName();
int GetSystemMetrics(int nIndex);
// rString = the string nIDS with %1 (and %2) replaced by lpsz1 (and lpsz2).
void AfxFormatString1(CString& rString, UINT nIDS, const char* lpsz1);
void AfxFormatString2(CString& rString, UINT nIDS, const char* lpsz1, const char* lpsz2);

CWinApp* AfxGetApp();
// Creates the toolkit's application object and runs InitInstance of the one CWinApp.
int AfxWinMain(int argc, char** argv);
