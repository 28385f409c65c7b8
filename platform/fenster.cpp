// Windows and controls: the operations the program calls on them.
#include "platform/fenster_p.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <type_traits>

const char* const kSteuerId = "kestrunSteuerId";

BOOL CCmdTarget::OnCmdMsg(UINT nMessage, UINT nCode, int nID, UINT wParam, LPARAM lParam) {
    for (const AFX_MSGMAP_ENTRY& e : GetMessageMap()) {
        if (e.nMessage != nMessage || e.nCode != nCode || e.nID != nID)
            continue;
        std::visit(
            [&](auto pfn) {
                if constexpr (std::is_same_v<decltype(pfn), AFX_PMSG>)
                    (this->*pfn)();
                else
                    (this->*pfn)(wParam, lParam);
            },
            e.pfn);
        return TRUE;
    }
    return FALSE;
}

QString TextVon(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title();
    return w->windowTitle();
}

void SetzeText(QWidget* w, const QString& text) {
    // Win32's edit control shows the start of a new text, not its end; an unchanged text keeps
    // the caret where the user left it.
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != text) {
            e->setText(text);
            e->setCursorPosition(0);
        }
    } else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(text);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setTitle(text);
    else
        w->setWindowTitle(text);
}

QWidget* SteuerelementVon(const QWidget* fenster, int nID) {
    if (fenster == nullptr)
        return nullptr;
    // The window's own list of children: no copy, and each id read once.
    for (QObject* kind : fenster->children()) {
        auto* w = qobject_cast<QWidget*>(kind);
        if (w == nullptr)
            continue;
        const QVariant id = w->property(kSteuerId);
        if (id.isValid() && id.toInt() == nID)
            return w;
    }
    return nullptr;
}

CWnd::~CWnd() = default;

BOOL CWnd::EnableWindow(BOOL bEnable) {
    if (m_hWnd == nullptr)
        return FALSE;
    const BOOL warGesperrt = !m_hWnd->isEnabled();
    m_hWnd->setEnabled(bEnable != FALSE);
    return warGesperrt;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    if (m_hWnd == nullptr)
        return FALSE;
    const BOOL warSichtbar = m_hWnd->isVisible();
    if (nCmdShow == SW_HIDE) {
        m_hWnd->hide();
    } else if (m_hWnd->isWindow()) {
        m_hWnd->showNormal();
        m_hWnd->raise();
        m_hWnd->activateWindow();
    } else {
        m_hWnd->show();
    }
    return warSichtbar;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd && m_hWnd->isVisible();
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    *lpRect = m_hWnd ? RECT{0, 0, m_hWnd->width(), m_hWnd->height()} : RECT{};
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    if (m_hWnd == nullptr) {
        *lpRect = {};
        return;
    }
    const QRect r = m_hWnd->isWindow() ? m_hWnd->frameGeometry()
                                       : QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size());
    *lpRect = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int, int, UINT) {
    if (m_hWnd == nullptr)
        return FALSE;
    // A window's move() places its frame, as Win32 does; the window keeps the place when it
    // is shown again instead of being centred on its owner.
    m_hWnd->move(x, y);
    return TRUE;
}

void CWnd::SetWindowText(const CString& text) {
    if (m_hWnd)
        SetzeText(m_hWnd, AlsQString(text));
}

CWnd* CWnd::GetDlgItem(int nID) const {
    QWidget* w = SteuerelementVon(m_hWnd, nID);
    if (w == nullptr)
        return nullptr;
    auto& eintrag = m_temporaer[nID];
    if (!eintrag)
        eintrag = std::make_unique<CWnd>();
    eintrag->m_hWnd = w;
    return eintrag.get();
}

namespace {

QString Titel(const char* lpszCaption) {
    const CWinApp* pApp = AfxGetApp();
    return lpszCaption                  ? QString::fromUtf8(lpszCaption)
           : pApp && pApp->m_pszAppName ? QString::fromUtf8(pApp->m_pszAppName)
                                        : QCoreApplication::applicationName();
}

} // namespace

int CWnd::MessageBox(const CString& text, const char* lpszCaption, UINT) {
    QMessageBox box(QMessageBox::NoIcon, Titel(lpszCaption), AlsQString(text), QMessageBox::Ok,
                    m_hWnd ? m_hWnd->window() : nullptr);
    box.exec();
    return IDOK;
}

int CWnd::Frage(const CString& text, const char* lpszJa, const char* lpszNein) {
    QMessageBox box(QMessageBox::Question, Titel(nullptr), AlsQString(text), QMessageBox::NoButton,
                    m_hWnd ? m_hWnd->window() : nullptr);
    QPushButton* ja = box.addButton(QString::fromUtf8(lpszJa), QMessageBox::AcceptRole);
    box.addButton(QString::fromUtf8(lpszNein), QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.exec();
    return box.clickedButton() == ja ? IDOK : IDCANCEL;
}

void CWnd::CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheckButton) {
    for (int id = nIDFirst; id <= nIDLast; ++id)
        if (auto* knopf = qobject_cast<QRadioButton*>(SteuerelementVon(m_hWnd, id)))
            knopf->setChecked(id == nIDCheckButton);
}

void CWnd::PostMessage(UINT message, UINT wParam, LPARAM lParam) {
    if (m_hWnd == nullptr)
        return;
    QMetaObject::invokeMethod(
        m_hWnd, [this, message, wParam, lParam] { OnCmdMsg(message, 0, 0, wParam, lParam); },
        Qt::QueuedConnection);
}

void CWnd::DragAcceptFiles(BOOL bAccept) {
    if (m_hWnd)
        m_hWnd->setAcceptDrops(bAccept != FALSE);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    if (m_hWnd == nullptr)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    ++m_nSchreibt;
    DoDataExchange(&dx);
    --m_nSchreibt;
    return dx.Failed() ? FALSE : TRUE;
}

int CButton::GetCheck() const {
    const auto* b = qobject_cast<const QAbstractButton*>(m_hWnd);
    return b && b->isChecked() ? 1 : 0;
}

void CButton::SetCheck(int nCheck) {
    if (auto* b = qobject_cast<QAbstractButton*>(m_hWnd))
        b->setChecked(nCheck != 0);
}

// LB_ERR, as Win32's list box answers a request it cannot serve.
constexpr int kLbErr = -1;

void CListBox::ResetContent() {
    if (auto* liste = qobject_cast<QListWidget*>(m_hWnd))
        liste->clear();
}

int CListBox::AddString(const CString& text) {
    auto* liste = qobject_cast<QListWidget*>(m_hWnd);
    if (liste == nullptr)
        return kLbErr;
    liste->addItem(AlsQString(text));
    return liste->count() - 1;
}

int CListBox::GetCount() const {
    const auto* liste = qobject_cast<const QListWidget*>(m_hWnd);
    return liste ? liste->count() : kLbErr;
}

int CListBox::SetTopIndex(int nIndex) {
    auto* liste = qobject_cast<QListWidget*>(m_hWnd);
    QListWidgetItem* zeile = liste ? liste->item(nIndex) : nullptr;
    if (zeile == nullptr)
        return kLbErr;
    liste->scrollToItem(zeile, QAbstractItemView::PositionAtTop);
    return 0;
}
