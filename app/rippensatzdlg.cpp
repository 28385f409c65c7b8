// The rib-set dialog.
#include "app/rippensatzdlg.h"

#include "app/einstellungen.h"
#include "app/profildlg.h"
#include "drawing/seite.h"
#include "export/umriss.h"
#include "geometry/seitenplan.h"
#include "output/druckwerte.h"
#include "output/schreiben.h"
#include "platform/afxdc.h"
#include "profile/datei.h"
#include "ribs/anordnung.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {

constexpr Rippenfeldnamen kFelder{"Anzahl Rippen", "Wurzel",      "Spitze",    "Profillänge",
                                  "Beplankung",    "Nasenleiste", "Endleiste", "Platte"};

int HolmId(int nBasis, int zeile) {
    return nBasis + zeile * IDC_RS_HOLM_SCHRITT;
}

std::string HolmText(const CString& ort, const CString& breite, const CString& tiefe, bool unten) {
    return std::string(ort.GetString()) + ":" + breite.GetString() + ":" + tiefe.GetString() +
           (unten ? ":unten" : ":oben");
}

bool HolmLeer(const CString& ort, const CString& breite, const CString& tiefe) {
    return ort.IsEmpty() && breite.IsEmpty() && tiefe.IsEmpty();
}

// A stored number is taken only within the bounds the set can use.
bool ZahlGut(const CString& text, const Zahlfeld& f) {
    const auto wert = GanzerTextAlsZahl(text.GetString());
    return wert && *wert >= f.min && *wert <= f.max && (!f.ganz || *wert == std::floor(*wert));
}

bool PlatteGut(const CString& text) {
    Rippenwahl w;
    w.laenge = "100";
    w.platte = text.GetString();
    Rippenjob job;
    return RippenjobLesen(w, job, kFelder).empty();
}

} // namespace

std::array<Zahlfeld, 6> CRippensatzDlg::Zahlfelder() {
    return {{{kSatzWurzel, &m_strWurzel, 0.1, kMaxProfiltiefeMm, false},
             {kSatzSpitze, &m_strSpitze, 0.1, kMaxProfiltiefeMm, false},
             {kSatzAnzahl, &m_strAnzahl, 2, kMaxRippen, true},
             {kSatzBeplankung, &m_strBeplankung, 0, kMaxProfiltiefeMm, false},
             {kSatzNasenleiste, &m_strNasenleiste, 0, kMaxProfiltiefeMm, false},
             {kSatzEndleiste, &m_strEndleiste, 0, kMaxProfiltiefeMm, false}}};
}

CRippensatzDlg::CRippensatzDlg(CProfilDlg& haupt)
    : CDialog(IDD), m_strWurzel("200"), m_strSpitze("150"), m_strAnzahl("9"), m_strBeplankung("0"),
      m_strNasenleiste("0"), m_strEndleiste("0"), m_strPlatte("600x300"), m_haupt(haupt) {
    EinstellungenLesen();
}

void CRippensatzDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_RS_WURZEL, m_strWurzel);
    DDX_Text(pDX, IDC_RS_SPITZE, m_strSpitze);
    DDX_Text(pDX, IDC_RS_ANZAHL, m_strAnzahl);
    DDX_Text(pDX, IDC_RS_BEPLANKUNG, m_strBeplankung);
    DDX_Text(pDX, IDC_RS_NASENLEISTE, m_strNasenleiste);
    DDX_Text(pDX, IDC_RS_ENDLEISTE, m_strEndleiste);
    DDX_Text(pDX, IDC_RS_PLATTE, m_strPlatte);
    DDX_Text(pDX, IDC_RS_SPITZENDATEI, m_strSpitzenDatei);
    for (int i = 0; i < kHolmZeilen; ++i) {
        DDX_Text(pDX, HolmId(IDC_RS_HOLM_ORT, i), m_strHolmOrt[i]);
        DDX_Text(pDX, HolmId(IDC_RS_HOLM_BREITE, i), m_strHolmBreite[i]);
        DDX_Text(pDX, HolmId(IDC_RS_HOLM_TIEFE, i), m_strHolmTiefe[i]);
        DDX_Control(pDX, HolmId(IDC_RS_HOLM_UNTEN, i), m_chkHolmUnten[i]);
    }
    DDX_Control(pDX, IDC_RS_GLAETTEN, m_chkGlaetten);
    DDX_Control(pDX, IDC_RS_BILD, m_frmBild);
    DDX_Control(pDX, IDC_RS_MELDUNG, m_txtMeldung);
}

MessageMap CRippensatzDlg::GetMessageMap() const {
    // A value counts once its field is left, as the main window replots.
    static const AFX_MSGMAP_ENTRY eintraege[] = {
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_WURZEL, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_SPITZE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_ANZAHL, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_BEPLANKUNG, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_NASENLEISTE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_ENDLEISTE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_PLATTE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_GLAETTEN, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_ORT, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_BREITE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_TIEFE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_HOLM_UNTEN, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_ORT + 4, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_BREITE + 4, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_TIEFE + 4, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_HOLM_UNTEN + 4, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_ORT + 8, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_BREITE + 8, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_TIEFE + 8, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_HOLM_UNTEN + 8, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_SPITZENPROFIL, Handler(&CRippensatzDlg::OnSpitzenprofil)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_SPITZE_WEG, Handler(&CRippensatzDlg::OnSpitzeEntfernen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_SEITENANSICHT, Handler(&CRippensatzDlg::OnSeitenansicht)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_DRUCKEN, Handler(&CRippensatzDlg::OnDrucken)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_SVG, Handler(&CRippensatzDlg::OnSvg)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_DXF, Handler(&CRippensatzDlg::OnDxf)},
    };
    return eintraege;
}

BOOL CRippensatzDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_chkGlaetten.SetCheck(m_bGlaetten);
    for (int i = 0; i < kHolmZeilen; ++i)
        m_chkHolmUnten[i].SetCheck(m_bHolmUnten[i]);
    GetDlgItem(IDC_RS_SPITZE_WEG)->EnableWindow(m_spitze.has_value());
    OnZeichnen();
    return TRUE;
}

void CRippensatzDlg::OnCancel() {
    UpdateData(TRUE);
    EinstellungenSchreiben();
    CDialog::OnCancel();
}

std::string CRippensatzDlg::JobLesen(Rippenjob& job) {
    UpdateData(TRUE);
    Rippenwahl w;
    w.rippen = m_strAnzahl.GetString();
    w.wurzel = m_strWurzel.GetString();
    w.spitze = m_strSpitze.GetString();
    w.dicke = m_haupt.m_strProfildicke.GetString();
    w.beplankung = m_strBeplankung.GetString();
    w.nasenleiste = m_strNasenleiste.GetString();
    w.endleiste = m_strEndleiste.GetString();
    w.platte = m_strPlatte.GetString();
    w.glaetten = m_chkGlaetten.GetCheck() != 0;
    // A row left empty is no spar.
    for (int i = 0; i < kHolmZeilen; ++i)
        if (!HolmLeer(m_strHolmOrt[i], m_strHolmBreite[i], m_strHolmTiefe[i]))
            w.holme.emplace_back("Holm " + std::to_string(i + 1),
                                 HolmText(m_strHolmOrt[i], m_strHolmBreite[i], m_strHolmTiefe[i],
                                          m_chkHolmUnten[i].GetCheck() != 0));
    RippenAuftrag& a = job.auftrag;
    a.wurzelProfil = {&g_profil, m_haupt.m_strKommentar.GetString(),
                      DateiPfadKodiert(m_haupt.m_strDatei)};
    if (m_spitze)
        a.spitzenProfil =
            RippenQuelle{&*m_spitze, m_strSpitzenName, DateiPfadKodiert(m_strSpitzenDatei)};
    return RippenjobLesen(w, job, kFelder);
}

void CRippensatzDlg::OnZeichnen() {
    // Hiding and showing the frame repaints it empty.
    m_frmBild.ShowWindow(SW_HIDE);
    m_frmBild.ShowWindow(SW_SHOWNORMAL);
    Rippenjob job;
    std::string fehler = JobLesen(job);
    Rippenteile teile;
    if (fehler.empty()) {
        // A set's first and last rib are its root and tip rib: two ribs are all the drawing
        // needs, whatever the count (a wrong count is still refused as such).
        RippenAuftrag& a = job.auftrag;
        if (a.anzahl && *a.anzahl >= 2 && *a.anzahl <= kMaxRippen)
            a.anzahl = 2;
        teile = PruefeRippen(a);
        fehler = teile.fehler;
    }
    CString strHinweis;
    strHinweis.LoadString(IDS_RIPPENSATZ_HINWEIS);
    m_txtMeldung.SetWindowText(fehler.empty() ? strHinweis : CString(fehler));
    if (!fehler.empty())
        return;
    CClientDC dc(&m_frmBild);
    RECT rect;
    m_frmBild.GetClientRect(&rect);
    PlotteRippen(dc, teile.rippen, rect.right - rect.left, rect.bottom - rect.top);
}

std::optional<Rippenteile> CRippensatzDlg::TeileOderGesagt(Rippenjob& job) {
    std::string fehler = JobLesen(job);
    if (fehler.empty()) {
        Rippenteile teile = PruefeRippen(job.auftrag);
        if (teile.fehler.empty())
            return teile;
        fehler = teile.fehler;
    }
    MessageBox(CString(fehler));
    return std::nullopt;
}

std::vector<std::string> CRippensatzDlg::Eingaben() const {
    std::vector<std::string> eingaben{DateiPfadKodiert(m_haupt.m_strDatei)};
    if (m_spitze)
        eingaben.push_back(DateiPfadKodiert(m_strSpitzenDatei));
    return eingaben;
}

void CRippensatzDlg::OnDrucken() {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    m_haupt.Ausdrucken(
        this, "_rippen.pdf", [&](const CDC& dc) { return PlaneDruck(dc, *teile); },
        [&](const Druck& druck) {
            // A set spread over pages is normal; a rib cut into tiles is printed only when the
            // user agrees, as for one outline.
            bool gekachelt = false;
            for (const Satzseite& seite : druck.satz.seiten)
                gekachelt = gekachelt || seite.gekachelt;
            double laengste = 0;
            for (const Rippe& r : teile->rippen)
                laengste = std::max(laengste, r.laenge);
            return gekachelt ? "Die längste Rippe ist " + MmText(laengste) +
                                   " mm lang; die Seite bietet " + MmText(druck.plan.platz / 10.0) +
                                   " mm. Auf " + std::to_string(druck.plan.seiten) +
                                   " Seiten verteilt drucken?"
                             : std::string();
        },
        Eingaben());
}

void CRippensatzDlg::OnSeitenansicht() {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    m_haupt.Vorschau(
        this, "_rippen.pdf", [&](const CDC& dc) { return PlaneDruck(dc, *teile); }, Eingaben());
}

void CRippensatzDlg::OnSvg() {
    Exportieren(true);
}

void CRippensatzDlg::OnDxf() {
    Exportieren(false);
}

void CRippensatzDlg::Exportieren(bool svg) {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    const Anordnung anordnung = OrdneAn(teile->rippen, job.platteBreite, job.platteHoehe);
    if (!anordnung.fehler.empty()) {
        MessageBox(CString(anordnung.fehler));
        return;
    }
    const CString vorschlag = m_haupt.AusgabeVorschlag(svg ? "_rippen.svg" : "_rippen.dxf");
    CFileDialog dlgDatei(
        FALSE, svg ? "svg" : "dxf", vorschlag.GetString(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
        svg ? "SVG-Dateien|*.svg|Alle Dateien|*||" : "DXF-Dateien|*.dxf|Alle Dateien|*||", this);
    if (dlgDatei.DoModal() != IDOK)
        return;
    m_haupt.AusgabeMerken(dlgDatei.GetPathName());
    const std::string inhalt = svg ? SatzSvgText(anordnung, job.platteBreite, job.platteHoehe)
                                   : SatzDxfText(anordnung, job.platteBreite, job.platteHoehe);
    const std::string fehler =
        SchreibeDatei(DateiPfadKodiert(dlgDatei.GetPathName()), inhalt, Eingaben());
    if (!fehler.empty())
        MessageBox(CString(fehler));
}

std::string CRippensatzDlg::SpitzeLaden(const CString& strPfad, std::string& warnung) {
    // The one load entry point reads into g_profil, which holds the root profile.
    const ProfilSpeicher wurzel = g_profil;
    const LeseErgebnis ergebnis = LadeProfil(DateiPfadKodiert(strPfad), std::nullopt);
    const ProfilSpeicher spitze = g_profil;
    g_profil = wurzel;
    if (!ergebnis.fehler.empty())
        return ergebnis.fehler;
    m_spitze = spitze;
    m_strSpitzenName = ergebnis.kommentar;
    m_strSpitzenDatei = strPfad;
    warnung = ergebnis.warnung;
    return {};
}

void CRippensatzDlg::OnSpitzenprofil() {
    CString strFilter;
    strFilter.LoadString(IDS_PROFILFILTER);
    CFileDialog dlgDatei(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, strFilter.GetString(), this);
    if (const auto ordner = LiesOrdner(kOrdnerLaden))
        dlgDatei.m_ofn.lpstrInitialDir = CString(*ordner);
    if (dlgDatei.DoModal() != IDOK)
        return;
    OrdnerMerken(kOrdnerLaden, dlgDatei.GetPathName());
    UpdateData(TRUE);
    std::string warnung;
    const std::string fehler = SpitzeLaden(dlgDatei.GetPathName(), warnung);
    if (!fehler.empty()) {
        MessageBox(CString(fehler));
        return;
    }
    UpdateData(FALSE);
    GetDlgItem(IDC_RS_SPITZE_WEG)->EnableWindow(TRUE);
    OnZeichnen();
    if (!warnung.empty())
        MessageBox(CString(warnung));
}

void CRippensatzDlg::OnSpitzeEntfernen() {
    UpdateData(TRUE);
    m_spitze.reset();
    m_strSpitzenName.clear();
    m_strSpitzenDatei = CString();
    UpdateData(FALSE);
    // The disabled button would keep the focus where no key reaches it.
    GotoDlgCtrl(GetDlgItem(IDC_RS_SPITZENPROFIL));
    GetDlgItem(IDC_RS_SPITZE_WEG)->EnableWindow(FALSE);
    OnZeichnen();
}

// A damaged or missing value leaves the field's default.
void CRippensatzDlg::EinstellungenLesen() {
    for (const Zahlfeld& f : Zahlfelder())
        if (const auto text = LiesText(f.einstellung); text && ZahlGut(*text, f))
            *f.feld = *text;
    if (const auto platte = LiesText(kSatzPlatte); platte && PlatteGut(*platte))
        m_strPlatte = *platte;
    if (const auto glaetten = LiesZahl(kSatzGlaetten, 0, 1))
        m_bGlaetten = *glaetten == 1;
    for (int i = 0; i < kHolmZeilen; ++i) {
        const auto ort = LiesText(kSatzHolme[i][0]);
        const auto breite = LiesText(kSatzHolme[i][1]);
        const auto tiefe = LiesText(kSatzHolme[i][2]);
        const bool unten = LiesZahl(kSatzHolme[i][3], 0, 1).value_or(0) == 1;
        if (!ort || !breite || !tiefe || !LiesHolm(HolmText(*ort, *breite, *tiefe, unten)).holm)
            continue;
        m_strHolmOrt[i] = *ort;
        m_strHolmBreite[i] = *breite;
        m_strHolmTiefe[i] = *tiefe;
        m_bHolmUnten[i] = unten;
    }
    if (const auto pfad = LiesText(kSatzSpitzenprofil)) {
        std::error_code fehler;
        std::string warnung;
        if (std::filesystem::is_regular_file(DateiPfadKodiert(*pfad), fehler))
            SpitzeLaden(*pfad, warnung);
    }
}

// Only values the set can use are kept; an emptied spar row is kept empty.
void CRippensatzDlg::EinstellungenSchreiben() {
    for (const Zahlfeld& f : Zahlfelder())
        if (ZahlGut(*f.feld, f))
            Schreibe(f.einstellung, *f.feld);
    if (PlatteGut(m_strPlatte))
        Schreibe(kSatzPlatte, m_strPlatte);
    Schreibe(kSatzGlaetten, m_chkGlaetten.GetCheck() ? 1 : 0);
    for (int i = 0; i < kHolmZeilen; ++i) {
        const bool unten = m_chkHolmUnten[i].GetCheck() != 0;
        const bool leer = HolmLeer(m_strHolmOrt[i], m_strHolmBreite[i], m_strHolmTiefe[i]);
        if (!leer &&
            !LiesHolm(HolmText(m_strHolmOrt[i], m_strHolmBreite[i], m_strHolmTiefe[i], unten)).holm)
            continue;
        Schreibe(kSatzHolme[i][0], m_strHolmOrt[i]);
        Schreibe(kSatzHolme[i][1], m_strHolmBreite[i]);
        Schreibe(kSatzHolme[i][2], m_strHolmTiefe[i]);
        Schreibe(kSatzHolme[i][3], unten ? 1 : 0);
    }
    Schreibe(kSatzSpitzenprofil, m_strSpitzenDatei);
}
