// Strings and icons from the program's resources, the window icons and the help command.
#include "platform/fenster_p.h"
#include "res/meldungen.h"

#include <QApplication>
#include <QIcon>

#include <map>

// Outside any namespace, as the resource system's registration function is declared.
static void SymboleEinbinden() {
    Q_INIT_RESOURCE(symbole);
}

namespace {

// Freed with the application object, while the toolkit can still free images.
std::map<int, QIcon>* g_symbole = nullptr;

void SymboleFreigeben() {
    delete g_symbole;
    g_symbole = nullptr;
}

} // namespace

BOOL CString::LoadString(UINT nID) {
    const char* text = FindeZeichenkette(static_cast<int>(nID));
    if (text == nullptr)
        return FALSE;
    m_text = Uebersetzt("dialog", text);
    return TRUE;
}

void AfxFormatString2(CString& rString, UINT nIDS, const char* lpsz1, const char* lpsz2) {
    rString = CString();
    if (!rString.LoadString(nIDS))
        return;
    const std::string text = rString.GetString();
    // In one pass, so that a "%2" inside the first argument stays as it is.
    std::string ergebnis;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            const char* arg = text[i + 1] == '1' ? lpsz1 : lpsz2;
            ergebnis += arg ? arg : "";
            ++i;
        } else {
            ergebnis += text[i];
        }
    }
    rString = CString(std::move(ergebnis));
}

void AfxFormatString1(CString& rString, UINT nIDS, const char* lpsz1) {
    AfxFormatString2(rString, nIDS, lpsz1, nullptr);
}

const QIcon* SymbolLaden(int id) {
    const SymbolVorlage* v = FindeSymbol(id);
    if (v == nullptr)
        return nullptr;
    if (g_symbole == nullptr) {
        SymboleEinbinden();
        g_symbole = new std::map<int, QIcon>;
        qAddPostRoutine(SymboleFreigeben);
    }
    auto [eintrag, neu] = g_symbole->try_emplace(id);
    if (neu)
        for (const char* bild : v->bilder)
            eintrag->second.addFile(QString::fromUtf8(bild));
    return &eintrag->second;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return SymbolLaden(static_cast<int>(nIDResource));
}

void CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    // Two slots, as Win32 keeps them: 32 pixels for the large icon, 16 for the small one.
    if (m_hWnd == nullptr)
        return;
    const bool gross = bBigIcon != FALSE;
    const int kante = gross ? 32 : 16;
    QIcon neu;
    if (m_hWnd->testAttribute(Qt::WA_SetWindowIcon)) {
        const QIcon alt = m_hWnd->windowIcon();
        for (const QSize& s : alt.availableSizes())
            if ((s.width() >= 32) != gross)
                neu.addPixmap(alt.pixmap(s));
    }
    if (hIcon != nullptr)
        neu.addPixmap(hIcon->pixmap(kante, kante));
    m_hWnd->setWindowIcon(neu);
}

void CWinApp::OnHelp() {
    CString text;
    if (!text.LoadString(ID_HELP))
        return;
    CWnd eigner;
    eigner.m_hWnd = QApplication::activeWindow();
    eigner.MessageBox(text);
}
