// The main window, its load and show-data commands and its system menu entries.
#include "app/profildlg.h"

#include "app/einstellungen.h"
#include "app/profilwahl.h"
#include "app/schaumkern.h"
#include "language/sprache.h"
#include "output/druckwerte.h"
#include "profile/datei.h"
#include "profile/liste.h"
#include "profile/text.h"
#include "res/meldungen_fenster.h"
#include "res/vorlage.h"
#include "ui/dialogeinheiten.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

HICON ProgrammSymbol() {
    const CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->LoadIcon(IDI_PROFIL) : nullptr;
}

// The warning without the line that was already asked about.
std::string OhneZeile(std::string warnung, const std::string& zeile) {
    if (const std::size_t stelle = warnung.find(zeile); stelle != std::string::npos) {
        warnung.erase(stelle, zeile.size());
        if (stelle < warnung.size() && warnung[stelle] == '\n')
            warnung.erase(stelle, 1);
        else if (stelle > 0 && warnung[stelle - 1] == '\n')
            warnung.erase(stelle - 1, 1);
    }
    return warnung;
}

// The sample profiles the package installs beside the program: <prefix>/share/kestrun1/profile
// for <prefix>/bin/kestrun1. A program run from its build tree (scripts/run.sh) has none there;
// it offers the source tree's samples/ instead.
std::optional<std::string> BeispielOrdner() {
    const std::filesystem::path programm(DateiPfadKodiert(GetModuleFileName()));
    if (programm.empty())
        return std::nullopt;
    std::error_code fehler;
    const std::filesystem::path installiert =
        (programm.parent_path() / ".." / "share" / "kestrun1" / "profile").lexically_normal();
    if (std::filesystem::is_directory(installiert, fehler))
        return installiert.string();
#if defined(KESTRUN_BAUORDNER) && defined(KESTRUN_QUELLBEISPIELE)
    const std::filesystem::path bau = std::filesystem::weakly_canonical(KESTRUN_BAUORDNER, fehler);
    const std::filesystem::path ort = std::filesystem::weakly_canonical(programm, fehler);
    const auto [ende, _] = std::mismatch(bau.begin(), bau.end(), ort.begin(), ort.end());
    if (!bau.empty() && ende == bau.end() &&
        std::filesystem::is_directory(KESTRUN_QUELLBEISPIELE, fehler))
        return std::string(KESTRUN_QUELLBEISPIELE);
#endif
    return std::nullopt;
}

} // namespace

CProfilDlg::CProfilDlg()
    : CDialog(IDD), m_strProfillaenge("100"), m_strProfildicke("100"), m_nAnzahl(0),
      m_hIcon(ProgrammSymbol()) {}

void CProfilDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_SELIG, m_radSelig);
    DDX_Control(pDX, IDC_WERTE, m_radWerte);
    DDX_Control(pDX, IDC_DATEN_ZEIGEN, m_btnDatenZeigen);
    DDX_Control(pDX, IDC_DRUCKEN, m_btnDrucken);
    DDX_Control(pDX, IDC_PLOTTEN, m_btnPlotten);
    DDX_Control(pDX, IDC_LADEN, m_btnLaden);
    DDX_Control(pDX, IDC_PLOT_LOESCHEN, m_btnPlotLoeschen);
    DDX_Text(pDX, IDC_PROFILLAENGE, m_strProfillaenge);
    DDX_Text(pDX, IDC_PROFILDICKE, m_strProfildicke);
    DDX_Text(pDX, IDC_DATEI, m_strDatei);
    DDX_Text(pDX, IDC_ANZAHL, m_nAnzahl);
    DDX_Text(pDX, IDC_KOMMENTAR, m_strKommentar);
}

MessageMap CProfilDlg::GetMessageMap() const {
    static const AFX_MSGMAP_ENTRY eintraege[] = {
        {WM_SYSCOMMAND, 0, 0, Handler(&CProfilDlg::OnSysCommand)},
        {WM_COMMAND, BN_CLICKED, IDC_LADEN, Handler(&CProfilDlg::OnLaden)},
        {WM_COMMAND, BN_CLICKED, IDC_PLOTTEN, Handler(&CProfilDlg::OnPlotten)},
        {WM_COMMAND, BN_CLICKED, IDC_DRUCKEN, Handler(&CProfilDlg::OnDrucken)},
        {WM_COMMAND, BN_CLICKED, IDC_DATEN_ZEIGEN, Handler(&CProfilDlg::OnDatenZeigen)},
        {WM_COMMAND, EN_CHANGE, IDC_PROFILLAENGE, Handler(&CProfilDlg::OnChangeProfillaenge)},
        {WM_COMMAND, EN_CHANGE, IDC_PROFILDICKE, Handler(&CProfilDlg::OnChangeProfildicke)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_PROFILLAENGE, Handler(&CProfilDlg::OnKillfocusProfillaenge)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_PROFILDICKE, Handler(&CProfilDlg::OnKillfocusProfildicke)},
        {WM_COMMAND, BN_CLICKED, IDC_PLOT_LOESCHEN, Handler(&CProfilDlg::OnPlotLoeschen)},
        {WM_COMMAND, BN_CLICKED, IDC_SELIG, Handler(&CProfilDlg::OnSelig)},
        {WM_COMMAND, BN_CLICKED, IDC_WERTE, Handler(&CProfilDlg::OnWerte)},
        {WM_STARTDATEI, 0, 0, Handler(&CProfilDlg::OnStartDatei)},
        {WM_DROPFILES, 0, 0, Handler(&CProfilDlg::OnDropFiles)},
    };
    return eintraege;
}

BOOL CProfilDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        pSysMenu->AppendMenu(MF_SEPARATOR);
        CString strZuletzt;
        if (strZuletzt.LoadString(IDS_ZULETZT) && m_menuZuletzt.CreatePopupMenu())
            pSysMenu->AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(m_menuZuletzt.m_hMenu),
                                 strZuletzt.GetString());
        for (const auto& [nIDS, nIDM] :
             {std::pair{IDS_SEITENANSICHT, IDM_SEITENANSICHT},
              std::pair{IDS_EXPORTIEREN, IDM_EXPORTIEREN},
              std::pair{IDS_RIPPENSATZ, IDM_RIPPENSATZ}, std::pair{IDS_SCHAUMKERN, IDM_SCHAUMKERN},
              std::pair{IDS_KALIBRIEREN, IDM_KALIBRIEREN}}) {
            CString strEintrag;
            if (strEintrag.LoadString(nIDS))
                pSysMenu->AppendMenu(MF_STRING, nIDM, strEintrag.GetString());
        }
        CString strInfo;
        strInfo.LoadString(IDS_INFO);
        if (!strInfo.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_INFO, strInfo.GetString());
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    GetDlgItem(IDC_LADEN)->EnableWindow(FALSE);
    // The frame under the fields, as wide as the window's controls.
    m_bild = new Profilbild(m_hWnd);
    m_bild->setGeometry(InPixel(DialogBasisVon(m_hWnd->font()), 10, 100, 420, 135));
    m_bild->setEnabled(false);
    GetDlgItem(IDC_PLOTTEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_DRUCKEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_DATEN_ZEIGEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_PLOT_LOESCHEN)->EnableWindow(FALSE);
    EinstellungenLesen();
    UpdateData(FALSE);
    MenueleisteAnlegen();
    MenueAktualisieren();

    m_daten = new Datenfenster(m_hWnd);
    // A place from a screen that is gone (another monitor, a smaller one) is not used.
    const int links = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int oben = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const auto x = Lies(kDatenfensterX);
    const auto y = Lies(kDatenfensterY);
    if (x && y && *x >= links && *x < links + GetSystemMetrics(SM_CXVIRTUALSCREEN) && *y >= oben &&
        *y < oben + GetSystemMetrics(SM_CYVIRTUALSCREEN))
        m_daten->platz = {*x, *y};
    DragAcceptFiles(TRUE);
    // Its messages need the window on screen, so the start file waits until it shows.
    if (!m_strStartDatei.IsEmpty())
        PostMessage(WM_STARTDATEI);
    return TRUE;
}

void CProfilDlg::EinstellungenLesen() {
    if (const auto format = Lies(kFormat)) {
        CheckRadioButton(IDC_SELIG, IDC_WERTE, *format == kFormatSelig ? IDC_SELIG : IDC_WERTE);
        GetDlgItem(IDC_LADEN)->EnableWindow(TRUE);
    }
    if (const auto laenge = Lies(kProfillaenge))
        m_strProfillaenge = *laenge;
    if (const auto dicke = Lies(kProfildicke))
        m_strProfildicke = *dicke;
}

// Only values a printout would take are kept: the next start begins with usable fields.
void CProfilDlg::FelderMerken() {
    Schreibe(kProfillaenge, m_strProfillaenge);
    Schreibe(kProfildicke, m_strProfildicke);
}

// What the next start takes up again, kept when the window closes.
void CProfilDlg::BeimSchliessen() {
    FelderMerken();
    m_daten->PlatzMerken();
    if (m_daten->platz) {
        Schreibe(kDatenfensterX, m_daten->platz->first);
        Schreibe(kDatenfensterY, m_daten->platz->second);
    }
}

void CProfilDlg::OnOK() {
    BeimSchliessen();
    CDialog::OnOK();
}

void CProfilDlg::OnCancel() {
    BeimSchliessen();
    CDialog::OnCancel();
}

void CProfilDlg::MenueAktualisieren() {
    ZuletztLeisteFuellen();
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu == nullptr)
        return;
    const UINT nZustand = MF_BYCOMMAND | (m_profil.punkte.ende >= 2 ? MF_ENABLED : MF_GRAYED);
    for (const UINT nIDM : {IDM_SEITENANSICHT, IDM_EXPORTIEREN, IDM_RIPPENSATZ, IDM_SCHAUMKERN})
        pSysMenu->EnableMenuItem(nIDM, nZustand);

    if (m_menuZuletzt.m_hMenu == nullptr)
        return;
    while (m_menuZuletzt.GetMenuItemCount() > 0)
        m_menuZuletzt.DeleteMenu(0, MF_BYPOSITION);
    const CRecentFileList* pListe = AfxGetApp() ? AfxGetApp()->m_pRecentFileList.get() : nullptr;
    const int nAnzahl = pListe ? std::min(pListe->GetCount(), IDM_ZULETZT_ANZAHL) : 0;
    for (int i = 0; i < nAnzahl; ++i)
        m_menuZuletzt.AppendMenu(MF_STRING,
                                 IDM_ZULETZT_1 + static_cast<UINT>(i) * IDM_ZULETZT_SCHRITT,
                                 ZuletztEintrag(i + 1, (*pListe)[i]).toUtf8().constData());
    if (nAnzahl == 0) {
        CString strLeer;
        strLeer.LoadString(IDS_ZULETZT_LEER);
        m_menuZuletzt.AppendMenu(MF_STRING | MF_GRAYED, IDM_ZULETZT_1, strLeer.GetString());
    }
}

void CProfilDlg::ZuletztLaden(int nIndex) {
    CRecentFileList* pListe = AfxGetApp() ? AfxGetApp()->m_pRecentFileList.get() : nullptr;
    if (pListe == nullptr || nIndex < 0 || nIndex >= pListe->GetCount())
        return;
    const CString strPfad = (*pListe)[nIndex];
    std::error_code fehler;
    if (!std::filesystem::exists(DateiPfadKodiert(strPfad), fehler)) {
        pListe->Remove(nIndex);
        pListe->WriteList();
        MenueAktualisieren();
        CString strMeldung;
        AfxFormatString1(strMeldung, IDS_DATEI_WEG, strPfad.GetString());
        MessageBox(strMeldung);
        return;
    }
    // As a dropped file: the numbers choose the format.
    DateiLaden(strPfad, std::nullopt);
}

void CProfilDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    const UINT nBefehl = nID & 0xFFF0;
    if (nBefehl >= IDM_ZULETZT_1 &&
        nBefehl < IDM_ZULETZT_1 + IDM_ZULETZT_ANZAHL * IDM_ZULETZT_SCHRITT) {
        ZuletztLaden(static_cast<int>((nBefehl - IDM_ZULETZT_1) / IDM_ZULETZT_SCHRITT));
        return;
    }
    switch (nBefehl) {
    case IDM_INFO:
        OnInfo();
        break;
    case IDM_KALIBRIEREN:
        OnKalibrieren();
        break;
    case IDM_SEITENANSICHT:
        OnSeitenansicht();
        break;
    case IDM_RIPPENSATZ:
        OnRippensatz();
        break;
    case IDM_SCHAUMKERN:
        OnSchaumkern();
        break;
    case IDM_EXPORTIEREN:
        OnExportieren();
        break;
    default:
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CProfilDlg::OnSchaumkern() {
    if (m_profil.punkte.ende < 2)
        return;
    SchaumkernZeigen(m_hWnd, m_profil, m_strDatei.GetString(), m_strKommentar.GetString());
}

void CProfilDlg::OnLaden() {
    DateiWaehlen(m_radSelig.GetCheck() ? ProfilFormat::Selig : ProfilFormat::Werte);
}

// The keyboard's way to load: also before a format is chosen, and then the numbers choose it.
void CProfilDlg::OnDateiOeffnen() {
    std::optional<ProfilFormat> format;
    if (m_radSelig.GetCheck())
        format = ProfilFormat::Selig;
    else if (m_radWerte.GetCheck())
        format = ProfilFormat::Werte;
    DateiWaehlen(format);
}

void CProfilDlg::DateiWaehlen(std::optional<ProfilFormat> format) {
    const auto beispiele = BeispielOrdner();
    const QString pfad =
        ProfilWaehlen(m_hWnd, beispiele ? QString::fromStdString(*beispiele) : QString());
    if (!pfad.isEmpty())
        DateiLaden(CString(pfad.toStdString()), format);
}

CString CProfilDlg::AusgabeVorschlag(const char* endung) const {
    std::string ordner;
    if (const auto gemerkt = Lies(kOrdnerAusgabe))
        ordner = gemerkt->GetString();
    else if (const char* heim = std::getenv("HOME"); heim && *heim)
        ordner = heim;
    if (!ordner.empty() && ordner.back() != '/')
        ordner += '/';
    std::string name = m_strDatei.GetString();
    if (const std::size_t strich = name.rfind('/'); strich != std::string::npos)
        name.erase(0, strich + 1);
    if (const std::size_t punkt = name.rfind('.'); punkt != std::string::npos && punkt > 0)
        name.erase(punkt);
    if (name.empty())
        name = "profil";
    return CString(ordner + name + endung);
}

void CProfilDlg::AusgabeMerken(const CString& strPfad) {
    OrdnerMerken(kOrdnerAusgabe, strPfad);
}

void CProfilDlg::AbgelehntesFeldWaehlen(int nID) {
    if (nID != 0)
        GotoDlgCtrl(GetDlgItem(nID));
}

void CProfilDlg::OnStartDatei() {
    DateiLaden(m_strStartDatei, m_startFormat);
}

void CProfilDlg::OnDropFiles(UINT, LPARAM hDrop) {
    const auto hDateien = reinterpret_cast<HDROP>(hDrop);
    const UINT nAnzahl = DragQueryFile(hDateien, 0xFFFFFFFF, nullptr);
    CString strPfad;
    if (nAnzahl == 0 || DragQueryFile(hDateien, 0, &strPfad) == 0)
        return;
    DateiLaden(strPfad, std::nullopt);
    // One profile at a time: the others are named as left out, not silently dropped.
    if (nAnzahl > 1) {
        CString strMeldung;
        AfxFormatString2(strMeldung, nAnzahl == 2 ? IDS_EINE_WEITERE_DATEI : IDS_WEITERE_DATEIEN,
                         strPfad.GetString(), std::to_string(nAnzahl - 1).c_str());
        MessageBox(strMeldung);
    }
}

void CProfilDlg::DateiLaden(const CString& strPfad, std::optional<ProfilFormat> format) {
    const Profil ergebnis = LadeProfil(DateiPfadKodiert(strPfad), format);
    // A refused file leaves the loaded profile, the fields and the buttons as they were.
    if (!ergebnis.fehler.empty()) {
        MessageBox(ergebnis.fehler);
        return;
    }
    std::string warnung = ergebnis.warnung;
    // Read in the chosen format, the numbers may plainly belong to the other one.
    if (format && ergebnis.anderesFormat) {
        const char* name = *ergebnis.anderesFormat == ProfilFormat::Selig ? "Selig" : "Werte";
        if (Frage(CString(Meldung(meldung::kAnderesFormatFrage, {ergebnis.formatHinweis, name})),
                  Meldung(meldung::kKnopfJa).c_str(),
                  Meldung(meldung::kKnopfNein).c_str()) == IDOK) {
            DateiLaden(strPfad, ergebnis.anderesFormat);
            return;
        }
        warnung = OhneZeile(warnung, ergebnis.formatHinweis);
    }
    ProfilZeigen(strPfad, ergebnis);
    // A file read only in part, or thinned, is said so once it is shown.
    if (!warnung.empty())
        MessageBox(warnung);
}

void CProfilDlg::ProfilZeigen(const CString& strPfad, const Profil& ergebnis) {
    m_profil = ergebnis;
    m_strDatei = strPfad;
    // A file from the command line or dropped on the window: the buttons show its format, and
    // it is remembered as a clicked one is.
    const bool selig = ergebnis.format == ProfilFormat::Selig;
    CheckRadioButton(IDC_SELIG, IDC_WERTE, selig ? IDC_SELIG : IDC_WERTE);
    Schreibe(kFormat, selig ? kFormatSelig : kFormatWerte);
    GetDlgItem(IDC_LADEN)->EnableWindow(TRUE);
    m_nAnzahl = ergebnis.anzahl;
    m_strKommentar = AlsUtf8(ergebnis.kommentar);
    UpdateData(FALSE);
    // An open data window follows the load.
    std::vector<std::string> zeilen = ListeAufbauen(ergebnis);
    for (std::string& zeile : zeilen)
        zeile = AlsUtf8(zeile);
    m_daten->Fuellen(QString::fromUtf8(m_strDatei.GetString()), zeilen);

    OnPlotten();
    GetDlgItem(IDC_PLOTTEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_DRUCKEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_DATEN_ZEIGEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_PLOT_LOESCHEN)->EnableWindow(TRUE);
    m_bild->setEnabled(true);
    if (CWinApp* pApp = AfxGetApp())
        pApp->AddToRecentFileList(strPfad.GetString());
    MenueAktualisieren();
}

void CProfilDlg::OnDatenZeigen() {
    m_daten->Zeigen(QString::fromUtf8(m_strDatei.GetString()));
}

// Every change pulls the fields, so the drawing always reads the text as typed.
void CProfilDlg::OnChangeProfillaenge() {
    UpdateData(TRUE);
}

void CProfilDlg::OnChangeProfildicke() {
    UpdateData(TRUE);
}

void CProfilDlg::OnKillfocusProfillaenge() {
    OnPlotten();
    FelderMerken();
}

void CProfilDlg::OnKillfocusProfildicke() {
    OnPlotten();
    FelderMerken();
}

void CProfilDlg::OnSelig() {
    GetDlgItem(IDC_LADEN)->EnableWindow(TRUE);
    Schreibe(kFormat, kFormatSelig);
}

void CProfilDlg::OnWerte() {
    GetDlgItem(IDC_LADEN)->EnableWindow(TRUE);
    Schreibe(kFormat, kFormatWerte);
}
