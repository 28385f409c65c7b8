// The window's system menu, opened as its context menu, and the default system commands.
#include "platform/fenster_p.h"
#include "res/resource.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

CMenu::~CMenu() {
    if (m_bEigen)
        delete m_hMenu;
}

BOOL CMenu::CreatePopupMenu() {
    if (m_hMenu != nullptr)
        return FALSE;
    m_hMenu = new QMenu;
    m_bEigen = true;
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    if (m_hMenu == nullptr)
        return FALSE;
    if (nFlags & MF_SEPARATOR) {
        m_hMenu->addSeparator();
        return TRUE;
    }
    const QString text = QString::fromUtf8(lpszNewItem ? lpszNewItem : "");
    QAction* eintrag = nullptr;
    if (nFlags & MF_POPUP) {
        auto* popup = reinterpret_cast<QMenu*>(nIDNewItem);
        if (popup == nullptr)
            return FALSE;
        popup->setTitle(text);
        eintrag = m_hMenu->addMenu(popup);
    } else {
        eintrag = m_hMenu->addAction(text);
        eintrag->setData(QVariant::fromValue(static_cast<uint>(nIDNewItem)));
    }
    eintrag->setEnabled(!(nFlags & (MF_GRAYED | MF_DISABLED)));
    return TRUE;
}

namespace {

QAction* EintragVon(const QMenu* menue, UINT nPosition, UINT nFlags) {
    const QList<QAction*> eintraege = menue->actions();
    if (nFlags & MF_BYPOSITION)
        return nPosition < static_cast<UINT>(eintraege.size()) ? eintraege[nPosition] : nullptr;
    for (QAction* eintrag : eintraege)
        if (!eintrag->isSeparator() && !eintrag->menu() && eintrag->data().toUInt() == nPosition)
            return eintrag;
    return nullptr;
}

} // namespace

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    QAction* eintrag = m_hMenu ? EintragVon(m_hMenu, nPosition, nFlags) : nullptr;
    if (eintrag == nullptr)
        return FALSE;
    m_hMenu->removeAction(eintrag);
    // A popup's entry belongs to the popup, which stays; the others go with it.
    if (eintrag->menu() == nullptr)
        delete eintrag;
    return TRUE;
}

int CMenu::GetMenuItemCount() const {
    return m_hMenu ? static_cast<int>(m_hMenu->actions().size()) : -1;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    QAction* eintrag = m_hMenu ? EintragVon(m_hMenu, nIDEnableItem, nEnable) : nullptr;
    if (eintrag == nullptr)
        return static_cast<UINT>(-1);
    const UINT vorher = eintrag->isEnabled() ? MF_ENABLED : MF_GRAYED;
    eintrag->setEnabled(!(nEnable & (MF_GRAYED | MF_DISABLED)));
    return vorher;
}

CMenu* CWnd::GetSystemMenu(BOOL) const {
    if (m_hWnd == nullptr || !m_hWnd->isWindow() ||
        !(m_hWnd->windowFlags() & Qt::WindowSystemMenuHint))
        return nullptr;
    if (!m_pSystemMenu) {
        m_pSystemMenu = std::make_unique<CMenu>();
        auto* menue = new QMenu(m_hWnd);
        m_pSystemMenu->m_hMenu = menue;
        // What Win32's menu of a fixed-size dialog offers besides moving, which is the
        // window manager's affair here.
        CString strSchliessen;
        strSchliessen.LoadString(IDS_SCHLIESSEN);
        m_pSystemMenu->AppendMenu(MF_STRING, SC_CLOSE, strSchliessen.GetString());
        auto* wnd = const_cast<CWnd*>(this);
        QObject::connect(menue, &QMenu::triggered, menue, [wnd](QAction* eintrag) {
            const UINT nID = eintrag->data().toUInt();
            if (!wnd->OnCmdMsg(WM_SYSCOMMAND, 0, 0, nID, 0))
                wnd->OnSysCommand(nID, 0);
        });
    }
    return m_pSystemMenu.get();
}

void CWnd::OnSysCommand(UINT nID, LPARAM) {
    // The low four bits belong to the window system, as in Win32.
    if ((nID & 0xFFF0) == SC_CLOSE && m_hWnd)
        m_hWnd->close();
}

void DialogFenster::SystemmenueZeigen(const QPoint& global) {
    if (m_pDlg == nullptr)
        return;
    if (CMenu* menue = m_pDlg->GetSystemMenu(FALSE))
        menue->m_hMenu->popup(global);
}

void DialogFenster::contextMenuEvent(QContextMenuEvent* event) {
    SystemmenueZeigen(event->globalPos());
    event->accept();
}
