// The window's system menu, opened as its context menu, and the default system commands.
#include "platform/fenster_p.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    if (nFlags & MF_SEPARATOR) {
        m_hMenu->addSeparator();
        return TRUE;
    }
    QAction* eintrag = m_hMenu->addAction(QString::fromUtf8(lpszNewItem ? lpszNewItem : ""));
    eintrag->setData(QVariant::fromValue(static_cast<uint>(nIDNewItem)));
    return TRUE;
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
        m_pSystemMenu->AppendMenu(MF_STRING, SC_CLOSE, "&Schließen\tAlt+F4");
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
    if ((nID & 0xFFF0) == SC_CLOSE)
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
