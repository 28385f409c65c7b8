// The main window's drawing commands: plot, print, print preview and the exports for cutters.
#include "app/profildlg.h"

#include "drawing/druckwerte.h"
#include "drawing/seite.h"
#include "export/umriss.h"
#include "platform/afxdc.h"

#include <optional>
#include <string>

namespace {

// The fields' chord and thickness for a printout or an export; nothing once the user has been
// told why not.
std::optional<Druckwerte> WerteOderGesagt(CProfilDlg& wnd, const CString& laenge,
                                          const CString& dicke) {
    Druckwerte werte = PruefeDruckwerte(laenge.GetString(), dicke.GetString());
    if (werte.fehler.empty() && g_profil.ende < 2)
        werte.fehler = "Es ist noch kein Profil geladen.";
    if (werte.fehler.empty())
        return werte;
    wnd.MessageBox(werte.fehler);
    wnd.AbgelehntesFeldWaehlen();
    return std::nullopt;
}

} // namespace

void CProfilDlg::OnPlotten() {
    // Cleared first, so the frame shows the new outline alone.
    OnPlotLoeschen();
    CClientDC dc(&m_frmPlot);
    RECT rect;
    m_frmPlot.GetClientRect(&rect);
    PlotteProfil(dc, g_profil, rect.right - rect.left, rect.bottom - rect.top,
                 FeldZahl(m_strProfildicke.GetString()));
}

// Hiding and showing the frame repaints it empty.
void CProfilDlg::OnPlotLoeschen() {
    m_frmPlot.ShowWindow(SW_HIDE);
    m_frmPlot.ShowWindow(SW_SHOWNORMAL);
}

void CProfilDlg::OnDrucken() {
    const auto werte = WerteOderGesagt(*this, m_strProfillaenge, m_strProfildicke);
    if (!werte)
        return;
    CPrintDialog dlgDrucken(FALSE, 0, this);
    dlgDrucken.m_strAusgabeDatei = AusgabeVorschlag(".pdf");
    if (dlgDrucken.DoModal() != IDOK)
        return;
    AusgabeMerken(dlgDrucken.m_strAusgabeDatei);
    CDC dc;
    dc.Attach(dlgDrucken.GetPrinterDC());

    const std::vector<Punkt> punkte = DruckPunkte(g_profil, werte->laenge, werte->dicke);
    const Seitenplan plan = PlaneDruck(dc, punkte);
    // A cut-off outline would be glued onto balsa without anyone noticing.
    if (plan.zuBreit) {
        MessageBox(CString(ZuBreitText(plan)));
        return;
    }
    if (plan.seiten > 1 &&
        Frage(CString("Das Profil ist " + MmText(werte->laenge) + " mm lang; die Seite bietet " +
                      MmText(plan.platz / 10.0) + " mm. Auf " + std::to_string(plan.seiten) +
                      " Seiten verteilt drucken?"),
              "Auf mehreren Seiten drucken", "Abbrechen") != IDOK)
        return;

    const Druckkopf kopf{m_strDatei, KopfZeile(m_strKommentar, werte->laenge, werte->dicke)};
    const std::string fehler = DruckeDokument(dc, punkte, kopf, plan);
    if (!fehler.empty())
        MessageBox(CString(fehler));
}

void CProfilDlg::OnSeitenansicht() {
    const auto werte = WerteOderGesagt(*this, m_strProfillaenge, m_strProfildicke);
    if (!werte)
        return;
    const std::vector<Punkt> punkte = DruckPunkte(g_profil, werte->laenge, werte->dicke);
    const Druckkopf kopf{m_strDatei, KopfZeile(m_strKommentar, werte->laenge, werte->dicke)};
    // The preview shows every page the printer would get, the tiles of a long chord included.
    DruckVorschau(
        this,
        [&](CDC& dc) {
            const Seitenplan plan = PlaneDruck(dc, punkte);
            if (!plan.zuBreit)
                DruckeDokument(dc, punkte, kopf, plan);
        },
        AusgabeVorschlag(".pdf"));
}

void CProfilDlg::OnExportieren(UINT nIDM) {
    const auto werte = WerteOderGesagt(*this, m_strProfillaenge, m_strProfildicke);
    if (!werte)
        return;
    const bool svg = nIDM == IDM_ALS_SVG;
    const CString vorschlag = AusgabeVorschlag(svg ? ".svg" : ".dxf");
    CFileDialog dlgDatei(
        FALSE, svg ? "svg" : "dxf", vorschlag.GetString(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
        svg ? "SVG-Dateien|*.svg|Alle Dateien|*||" : "DXF-Dateien|*.dxf|Alle Dateien|*||", this);
    if (dlgDatei.DoModal() != IDOK)
        return;
    AusgabeMerken(dlgDatei.GetPathName());
    const std::string pfad = dlgDatei.GetPathName().GetString();
    const std::string name = m_strKommentar.GetString();
    const std::string fehler = svg ? SchreibeSvg(pfad, name, g_profil, werte->laenge, werte->dicke)
                                   : SchreibeDxf(pfad, name, g_profil, werte->laenge, werte->dicke);
    if (!fehler.empty())
        MessageBox(CString(fehler));
}
