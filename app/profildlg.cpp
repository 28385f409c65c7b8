// The main window, its load and show-data commands and its system menu entries.
#include "app/profildlg.h"

#include "app/infodlg.h"
#include "app/profilapp.h"
#include "profile/datei.h"
#include "profile/liste.h"
#include "profile/text.h"

#include <string>

std::FILE* g_datei = nullptr;

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

} // namespace

CProfilDlg::CProfilDlg()
    : CDialog(IDD), m_strProfillaenge("100"), m_strProfildicke("100"), m_nAnzahl(0),
      m_hIcon(ProgrammSymbol()) {}

void CProfilDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_SELIG, m_radSelig);
    DDX_Control(pDX, IDC_PLOTFELD, m_frmPlot);
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
        for (const auto& [nIDS, nIDM] :
             {std::pair{IDS_SEITENANSICHT, IDM_SEITENANSICHT}, std::pair{IDS_ALS_SVG, IDM_ALS_SVG},
              std::pair{IDS_ALS_DXF, IDM_ALS_DXF}}) {
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
    GetDlgItem(IDC_PLOTFELD)->EnableWindow(FALSE);
    GetDlgItem(IDC_PLOTTEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_DRUCKEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_DATEN_ZEIGEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_PLOT_LOESCHEN)->EnableWindow(FALSE);
    UpdateData(FALSE);

    m_dlgDaten.Create(IDD_DATEN);
    DragAcceptFiles(TRUE);
    // Its messages need the window on screen, so the start file waits until it shows.
    if (const auto* pApp = dynamic_cast<const CProfilApp*>(AfxGetApp());
        pApp && !pApp->m_strStartDatei.IsEmpty())
        PostMessage(WM_STARTDATEI);
    return TRUE;
}

void CProfilDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    switch (nID & 0xFFF0) {
    case IDM_INFO: {
        CInfoDlg dlgInfo;
        dlgInfo.DoModal();
        break;
    }
    case IDM_SEITENANSICHT:
        OnSeitenansicht();
        break;
    case IDM_ALS_SVG:
    case IDM_ALS_DXF:
        OnExportieren(nID & 0xFFF0);
        break;
    default:
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CProfilDlg::OnLaden() {
    CFileDialog dlgDatei(TRUE);
    if (dlgDatei.DoModal() != IDOK)
        return;
    DateiLaden(dlgDatei.GetPathName(),
               m_radSelig.GetCheck() ? ProfilFormat::Selig : ProfilFormat::Werte);
}

void CProfilDlg::OnStartDatei() {
    if (const auto* pApp = dynamic_cast<const CProfilApp*>(AfxGetApp()))
        DateiLaden(pApp->m_strStartDatei, pApp->m_startFormat);
}

void CProfilDlg::OnDropFiles(UINT, LPARAM hDrop) {
    CString strPfad;
    if (DragQueryFile(reinterpret_cast<HDROP>(hDrop), 0, &strPfad) > 0)
        DateiLaden(strPfad, std::nullopt);
}

void CProfilDlg::DateiLaden(const CString& strPfad, std::optional<ProfilFormat> format) {
    std::string fehler;
    g_datei = OeffneProfilDatei(DateiPfadKodiert(strPfad), fehler);
    if (g_datei == nullptr) {
        MessageBox(fehler);
        return;
    }
    const LeseErgebnis ergebnis =
        format ? LeseProfil(g_datei, *format) : LeseProfilErkannt(g_datei);
    std::fclose(g_datei);
    g_datei = nullptr;
    // A refused file leaves the loaded profile, the fields and the buttons as they were.
    if (!ergebnis.fehler.empty()) {
        MessageBox(ergebnis.fehler);
        return;
    }
    std::string warnung = ergebnis.warnung;
    // Read in the chosen format, the numbers may plainly belong to the other one.
    if (format && ergebnis.anderesFormat) {
        const char* name = *ergebnis.anderesFormat == ProfilFormat::Selig ? "Selig" : "Werte";
        if (Frage(CString(ergebnis.formatHinweis + "\n\nIm Format " + name + " laden?"), "Ja",
                  "Nein") == IDOK) {
            DateiLaden(strPfad, ergebnis.anderesFormat);
            return;
        }
        warnung = OhneZeile(warnung, ergebnis.formatHinweis);
    }

    m_strDatei = strPfad;
    // A file from the command line or dropped on the window: the buttons show its format.
    CheckRadioButton(IDC_SELIG, IDC_WERTE,
                     ergebnis.format == ProfilFormat::Selig ? IDC_SELIG : IDC_WERTE);
    GetDlgItem(IDC_LADEN)->EnableWindow(TRUE);
    m_nAnzahl = ergebnis.anzahl;
    m_strKommentar = AlsUtf8(ergebnis.kommentar);
    UpdateData(FALSE);
    m_dlgDaten.m_lstDaten.ResetContent();
    for (const std::string& zeile : ListeAufbauen(ergebnis.kommentar, ergebnis.anzahl))
        m_dlgDaten.m_lstDaten.AddString(AlsUtf8(zeile));
    // An open data window follows the load.
    m_dlgDaten.m_strDateiname = m_strDatei;
    m_dlgDaten.UpdateData(FALSE);

    OnPlotten();
    GetDlgItem(IDC_PLOTTEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_DRUCKEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_DATEN_ZEIGEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_PLOT_LOESCHEN)->EnableWindow(TRUE);
    GetDlgItem(IDC_PLOTFELD)->EnableWindow(TRUE);
    // A file read only in part, or thinned, is said so once it is shown.
    if (!warnung.empty())
        MessageBox(warnung);
}

void CProfilDlg::OnDatenZeigen() {
    m_dlgDaten.m_strDateiname = m_strDatei;
    m_dlgDaten.UpdateData(FALSE);
    m_dlgDaten.ShowWindow(SW_SHOWNORMAL);
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
}

void CProfilDlg::OnKillfocusProfildicke() {
    OnPlotten();
}

void CProfilDlg::OnSelig() {
    GetDlgItem(IDC_LADEN)->EnableWindow(TRUE);
}

void CProfilDlg::OnWerte() {
    GetDlgItem(IDC_LADEN)->EnableWindow(TRUE);
}
