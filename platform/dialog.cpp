// Dialogs made from their templates, and the data exchange with their controls.
#include "language/sprache.h"
#include "platform/fenster_p.h"
#include "platform/ganzzahl.h"
#include "res/resource.h"
#include "ui/dialogeinheiten.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QUrl>

#include <charconv>
#include <cstring>
#include <vector>

struct DropDateien {
    std::vector<CString> pfade;
};

UINT DragQueryFile(HDROP hDrop, UINT iFile, CString* pDatei) {
    if (hDrop == nullptr)
        return 0;
    if (iFile == 0xFFFFFFFF)
        return static_cast<UINT>(hDrop->pfade.size());
    if (iFile >= hDrop->pfade.size())
        return 0;
    if (pDatei)
        *pDatei = hDrop->pfade[iFile];
    return static_cast<UINT>(hDrop->pfade[iFile].GetLength());
}

DialogFenster::~DialogFenster() {
    if (m_pDlg)
        m_pDlg->FensterWeg();
}

namespace {

std::vector<CString> LokaleDateien(const QMimeData* daten) {
    std::vector<CString> pfade;
    if (daten != nullptr)
        for (const QUrl& url : daten->urls())
            if (url.isLocalFile())
                pfade.push_back(AlsCString(url.toLocalFile()));
    return pfade;
}

} // namespace

void DialogFenster::dragEnterEvent(QDragEnterEvent* event) {
    if (!LokaleDateien(event->mimeData()).empty())
        event->acceptProposedAction();
}

void DialogFenster::dropEvent(QDropEvent* event) {
    const DropDateien dateien{LokaleDateien(event->mimeData())};
    if (m_pDlg == nullptr || dateien.pfade.empty())
        return;
    event->acceptProposedAction();
    m_pDlg->OnCmdMsg(WM_DROPFILES, 0, 0, 0, reinterpret_cast<LPARAM>(&dateien));
}

void DialogFenster::reject() {
    if (m_pDlg)
        m_pDlg->OnCancel();
    else
        QDialog::reject();
}

void Vermittler::Melden(int nID, UINT nCode) {
    if (m_pDlg == nullptr || m_pDlg->m_nSchreibt > 0)
        return;
    if (m_pDlg->OnCmdMsg(WM_COMMAND, nCode, nID))
        return;
    if (nCode == BN_CLICKED && nID == IDOK)
        m_pDlg->OnOK();
    else if (nCode == BN_CLICKED && nID == IDCANCEL)
        m_pDlg->OnCancel();
}

void Vermittler::Befehl(int nID) {
    if (m_pDlg == nullptr || m_pDlg->OnCmdMsg(WM_COMMAND, 0, nID))
        return;
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnCmdMsg(WM_COMMAND, 0, nID);
}

bool Vermittler::eventFilter(QObject* watched, QEvent* event) {
    // Opening a context menu takes no focus from a Win32 edit control, so it is no loss of
    // focus here either.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        Melden(watched->property(kSteuerId).toInt(), EN_KILLFOCUS);
    return false;
}

namespace {

// A group box as Win32 draws it: the etched frame runs through the middle of the title.
class GruppenRahmen : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics m(font());
        const int oben = m.height() / 2;
        const int einzug = m.averageCharWidth();
        const QRect titel(einzug, 0, m.horizontalAdvance(title()) + 4, m.height());
        painter.setClipRegion(QRegion(rect()).subtracted(titel));
        const QRect r = rect().adjusted(0, oben, -2, -2);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(r);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(r.translated(1, 1));
        painter.setClipping(false);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(titel, Qt::AlignCenter | Qt::TextShowMnemonic, title());
    }
};

Qt::WindowFlags FensterArt(const DialogVorlage& v) {
    Qt::WindowFlags flags = (v.exStil & WS_EX_APPWINDOW) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if (v.stil & WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (v.stil & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

QWidget* KnopfErzeugen(const SteuerVorlage& s, QWidget* dlg, Vermittler* vermittler,
                       QButtonGroup*& gruppe) {
    const QString text = Uebersetzung("dialog", s.text);
    const int id = s.id;
    switch (s.stil & BS_TYPEMASK) {
    case BS_GROUPBOX: {
        auto* g = new GruppenRahmen(text, dlg);
        // Clicks go through a group box to the controls it frames.
        g->setAttribute(Qt::WA_TransparentForMouseEvents);
        return g;
    }
    case BS_AUTOCHECKBOX: {
        auto* c = new QCheckBox(text, dlg);
        QObject::connect(c, &QAbstractButton::clicked, vermittler,
                         [vermittler, id] { vermittler->Melden(id, BN_CLICKED); });
        return c;
    }
    case BS_AUTORADIOBUTTON: {
        auto* r = new QRadioButton(text, dlg);
        if (gruppe == nullptr || (s.stil & WS_GROUP)) {
            gruppe = new QButtonGroup(dlg);
            gruppe->setExclusive(true);
        }
        r->setAutoExclusive(false);
        gruppe->addButton(r);
        QObject::connect(r, &QAbstractButton::clicked, vermittler,
                         [vermittler, id] { vermittler->Melden(id, BN_CLICKED); });
        return r;
    }
    default: {
        auto* p = new QPushButton(text, dlg);
        p->setAutoDefault(true);
        p->setDefault((s.stil & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        QObject::connect(p, &QAbstractButton::clicked, vermittler,
                         [vermittler, id] { vermittler->Melden(id, BN_CLICKED); });
        return p;
    }
    }
}

// An icon control: the text "#128" names icon 128, shown at the large icon's size.
QWidget* SymbolFeld(const SteuerVorlage& s, QWidget* dlg) {
    auto* l = new QLabel(dlg);
    int id = 0;
    const char* ende = s.text + std::strlen(s.text);
    if (s.text[0] == '#' && std::from_chars(s.text + 1, ende, id).ptr == ende)
        if (const QIcon* symbol = SymbolLaden(id))
            l->setPixmap(symbol->pixmap(32, 32));
    return l;
}

QWidget* SteuerelementErzeugen(const SteuerVorlage& s, QWidget* dlg, Vermittler* vermittler,
                               QButtonGroup*& gruppe) {
    const int id = s.id;
    switch (s.klasse) {
    case Steuerklasse::Button:
        return KnopfErzeugen(s, dlg, vermittler, gruppe);
    case Steuerklasse::Edit: {
        auto* e = new QLineEdit(QString::fromUtf8(s.text), dlg);
        if (s.stil & ES_READONLY)
            AnzeigeFeld(e);
        QObject::connect(e, &QLineEdit::textChanged, vermittler,
                         [vermittler, id] { vermittler->Melden(id, EN_CHANGE); });
        e->installEventFilter(vermittler);
        return e;
    }
    case Steuerklasse::Static:
        if ((s.stil & SS_TYPEMASK) == SS_ICON)
            return SymbolFeld(s, dlg);
        else {
            auto* l = new QLabel(Uebersetzung("dialog", s.text), dlg);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // A label the program fills while it runs wraps at word ends, as Win32's SS_LEFT
            // does; a template's own texts keep their line breaks.
            l->setWordWrap(*s.text == '\0');
            return l;
        }
    case Steuerklasse::ListBox: {
        auto* l = new QListWidget(dlg);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setVerticalScrollBarPolicy((s.stil & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                            : Qt::ScrollBarAlwaysOff);
        // Every line one text line high, as in a Win32 list box: laying out a long list then
        // measures one line instead of shaping every text.
        l->setUniformItemSizes(true);
        return l;
    }
    }
    return nullptr;
}

} // namespace

CDialog::CDialog(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

CDialog::~CDialog() {
    // The derived parts are gone: nothing may reach their handlers any more.
    if (m_pVermittler)
        m_pVermittler->Abkoppeln();
    if (auto* fenster = static_cast<DialogFenster*>(m_hWnd)) {
        fenster->Abkoppeln();
        delete fenster;
    }
}

void CDialog::FensterWeg() {
    m_hWnd = nullptr;
    // The go-between was a child of the window.
    m_pVermittler = nullptr;
}

BOOL CDialog::Erzeugen(UINT nIDTemplate, QWidget* eigner) {
    const DialogVorlage* v = FindeDialogVorlage(static_cast<int>(nIDTemplate));
    if (v == nullptr)
        return FALSE;
    auto* fenster = new DialogFenster(this, eigner, FensterArt(*v));
    m_hWnd = fenster;
    m_pVermittler = new Vermittler(this, fenster);
    auto* vermittler = m_pVermittler;
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), fenster), &QShortcut::activated,
                     vermittler, [vermittler] { vermittler->Befehl(ID_HELP); });
    // The keyboard's way to the system menu, wherever the focus is.
    QObject::connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), fenster),
                     &QShortcut::activated, fenster,
                     [fenster] { fenster->SystemmenueZeigen(fenster->mapToGlobal(QPoint(0, 0))); });
    fenster->setWindowTitle(Uebersetzung("dialog", v->titel));
    fenster->setFont(VorlagenSchrift(v->schrift, v->punkte));
    const DialogBasis basis = DialogBasisVon(fenster->font());
    // No sizing border: the template's size is the client size, for good.
    fenster->setFixedSize(InPixel(basis, 0, 0, v->cx, v->cy).size());

    QButtonGroup* gruppe = nullptr;
    QWidget* ersterTabstopp = nullptr;
    for (const SteuerVorlage& s : v->steuerelemente) {
        QWidget* w = SteuerelementErzeugen(s, fenster, m_pVermittler, gruppe);
        w->setProperty(kSteuerId, s.id);
        w->setGeometry(InPixel(basis, s.x, s.y, s.cx, s.cy));
        // An icon control takes its icon's size, as Win32's does. This font runs a little wider
        // and taller than MS Sans Serif: a label grows rather than cut its text.
        if ((s.stil & SS_TYPEMASK) == SS_ICON && s.klasse == Steuerklasse::Static)
            w->resize(w->sizeHint());
        else if (qobject_cast<QLabel*>(w))
            w->resize(w->size().expandedTo(w->sizeHint()));
        if (s.klasse == Steuerklasse::Button || s.klasse == Steuerklasse::Edit ||
            s.klasse == Steuerklasse::ListBox)
            w->setFocusPolicy((s.stil & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        if (s.stil & WS_DISABLED)
            w->setEnabled(false);
        if ((s.stil & BS_TYPEMASK) == BS_GROUPBOX && s.klasse == Steuerklasse::Button)
            w->lower();
    }
    if (OnInitDialog()) {
        for (const SteuerVorlage& s : v->steuerelemente) {
            QWidget* w = SteuerelementVon(fenster, s.id);
            if ((s.stil & WS_TABSTOP) && w && w->isEnabled()) {
                ersterTabstopp = w;
                break;
            }
        }
        if (ersterTabstopp)
            ersterTabstopp->setFocus(Qt::TabFocusReason);
    }
    return TRUE;
}

int CDialog::DoModal() {
    if (m_hWnd == nullptr) {
        // Owned by the active window, as Win32's modal dialogs are, so that it stays in front
        // of it; a window with its own task-bar entry has no owner.
        const DialogVorlage* v = FindeDialogVorlage(static_cast<int>(m_nIDTemplate));
        if (v == nullptr ||
            !Erzeugen(m_nIDTemplate,
                      (v->exStil & WS_EX_APPWINDOW) ? nullptr : QApplication::activeWindow()))
            return -1;
    }
    return static_cast<QDialog*>(m_hWnd)->exec();
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDTemplate = nIDTemplate;
    const CWinApp* pApp = AfxGetApp();
    if (pParentWnd == nullptr && pApp != nullptr && pApp->m_pMainWnd != this)
        pParentWnd = pApp->m_pMainWnd;
    if (!Erzeugen(nIDTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr))
        return FALSE;
    if (FindeDialogVorlage(static_cast<int>(nIDTemplate))->stil & WS_VISIBLE)
        m_hWnd->show();
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    // A modal run ends; a modeless window is only hidden.
    if (m_hWnd)
        static_cast<QDialog*>(m_hWnd)->done(nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl == nullptr || pWndCtrl->m_hWnd == nullptr)
        return;
    pWndCtrl->m_hWnd->setFocus(Qt::OtherFocusReason);
    if (auto* e = qobject_cast<QLineEdit*>(pWndCtrl->m_hWnd))
        e->selectAll();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

QWidget* CDataExchange::PrepareCtrl(int nIDC) const {
    return SteuerelementVon(m_pDlgWnd->m_hWnd, nIDC);
}

void CDataExchange::Fail(QWidget* pCtrl) {
    m_bFehler = true;
    if (pCtrl == nullptr)
        return;
    pCtrl->setFocus(Qt::OtherFocusReason);
    if (auto* e = qobject_cast<QLineEdit*>(pCtrl))
        e->selectAll();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd == nullptr)
        rControl.m_hWnd = pDX->PrepareCtrl(nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    if (pDX->Failed())
        return;
    QWidget* w = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = AlsCString(TextVon(w));
    else
        SetzeText(w, AlsQString(value));
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::int32_t& value) {
    if (pDX->Failed())
        return;
    QWidget* w = pDX->PrepareCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        SetzeText(w, QString::number(value));
        return;
    }
    const auto zahl = GanzzahlAusText(TextVon(w).toStdString());
    if (!zahl) {
        CString strMeldung;
        strMeldung.LoadString(IDS_GANZE_ZAHL);
        pDX->m_pDlgWnd->MessageBox(strMeldung);
        pDX->Fail(w);
        return;
    }
    value = *zahl;
}
