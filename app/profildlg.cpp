// The main window, its load and show-data commands and its system menu entry.
#include "app/profildlg.h"

#include "app/infodlg.h"
#include "profile/liste.h"
#include "profile/profil.h"
#include "profile/text.h"

#include <string>

std::FILE* g_datei = nullptr;

CProfilDlg::CProfilDlg()
    : CDialog(IDD), m_strProfillaenge("100"), m_strProfildicke("100"), m_nAnzahl(0),
      m_hIcon(AfxGetApp()->LoadIcon(IDI_PROFIL)) {}

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
    };
    return eintraege;
}

BOOL CProfilDlg::OnInitDialog() {
    // 1. Push the members into the controls.
    CDialog::OnInitDialog();
    // 2. The About entry.
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != nullptr) {
        CString strInfo;
        strInfo.LoadString(IDS_INFO);
        if (!strInfo.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_INFO, strInfo.GetString());
        }
    }
    // 3. The icons.
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    // 4.
    GetDlgItem(IDC_LADEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_PLOTFELD)->EnableWindow(FALSE);
    GetDlgItem(IDC_PLOTTEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_DRUCKEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_DATEN_ZEIGEN)->EnableWindow(FALSE);
    GetDlgItem(IDC_PLOT_LOESCHEN)->EnableWindow(FALSE);
    // 5.
    UpdateData(FALSE);
    // 6.
    m_dlgDaten.Create(IDD_DATEN);
    // 7.
    return TRUE;
}

void CProfilDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_INFO) {
        CInfoDlg dlgInfo;
        dlgInfo.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CProfilDlg::OnLaden() {
    // 1.
    CFileDialog dlgDatei(TRUE);
    if (dlgDatei.DoModal() != IDOK)
        return;
    // 2. The previous path comes back if the file cannot be loaded, so that no header or
    // data window ever shows a path that was not loaded.
    const CString strVorher = m_strDatei;
    m_strDatei = dlgDatei.GetPathName();
    // 3. The icons.
    g_datei = std::fopen(DateiPfadKodiert(m_strDatei).c_str(), "r");
    if (g_datei == nullptr) {
        MessageBox("Datei Öffnen fehlgeschlagen !");
        m_strDatei = strVorher;
        return;
    }
    // 4.
    const LeseErgebnis ergebnis =
        LeseProfil(g_datei, m_radSelig.GetCheck() ? ProfilFormat::Selig : ProfilFormat::Werte);
    if (!ergebnis.fehler.empty()) {
        std::fclose(g_datei);
        g_datei = nullptr;
        MessageBox(ergebnis.fehler);
        m_strDatei = strVorher;
        return;
    }
    // 5.
    m_nAnzahl = ergebnis.anzahl;
    m_strKommentar = AlsUtf8(ergebnis.kommentar);
    UpdateData(FALSE);
    m_dlgDaten.m_lstDaten.ResetContent();
    for (const std::string& zeile : ListeAufbauen(ergebnis.kommentar, ergebnis.anzahl))
        m_dlgDaten.m_lstDaten.AddString(AlsUtf8(zeile));
    // 6.
    std::fclose(g_datei);
    g_datei = nullptr;
    // 7.
    UpdateData(FALSE);
    // 8.
    OnPlotten();
    // 9.
    if (m_strDatei.Compare("") != 0) {
        GetDlgItem(IDC_PLOTTEN)->EnableWindow(TRUE);
        GetDlgItem(IDC_DRUCKEN)->EnableWindow(TRUE);
        GetDlgItem(IDC_DATEN_ZEIGEN)->EnableWindow(TRUE);
        GetDlgItem(IDC_PLOT_LOESCHEN)->EnableWindow(TRUE);
        GetDlgItem(IDC_PLOTFELD)->EnableWindow(TRUE);
    }
    // A file read only in part is said so once it is shown.
    if (!ergebnis.warnung.empty())
        MessageBox(ergebnis.warnung);
}

void CProfilDlg::OnDatenZeigen() {
    // 1.
    m_dlgDaten.m_strDateiname = m_strDatei;
    // 2. The About entry.
    m_dlgDaten.UpdateData(FALSE);
    // 3. The icons.
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
