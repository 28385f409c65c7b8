// The main window's drawing commands: plot, print, print preview and the exports for cutters.
#include "app/profildlg.h"

#include "drawing/druckwerte.h"
#include "drawing/seite.h"
#include "export/umriss.h"
#include "platform/afxdc.h"

#include <string>

namespace {

bool GeladenOderGesagt(CWnd& wnd) {
    if (g_profil.ende >= 2)
        return true;
    wnd.MessageBox("Es ist noch kein Profil geladen.");
    return false;
}

// The file's name without folder and ending, for the name the save dialog offers.
std::string Stamm(const CString& pfad) {
    std::string name = pfad.GetString();
    if (const std::size_t strich = name.rfind('/'); strich != std::string::npos)
        name.erase(0, strich + 1);
    if (const std::size_t punkt = name.rfind('.'); punkt != std::string::npos && punkt > 0)
        name.erase(punkt);
    return name.empty() ? "profil" : name;
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
    const Druckwerte werte =
        PruefeDruckwerte(m_strProfillaenge.GetString(), m_strProfildicke.GetString());
    if (!werte.fehler.empty()) {
        MessageBox(werte.fehler);
        return;
    }
    CPrintDialog dlgDrucken(FALSE, 0, this);
    if (dlgDrucken.DoModal() != IDOK)
        return;
    CDC dc;
    dc.Attach(dlgDrucken.GetPrinterDC());

    const std::vector<Punkt> punkte = DruckPunkte(g_profil, werte.laenge, werte.dicke);
    const Seitenplan plan = PlaneDruck(dc, punkte);
    // A cut-off outline would be glued onto balsa without anyone noticing.
    if (plan.zuBreit) {
        MessageBox(CString("Das Profil ist bei dieser Dicke breiter als die Seite: es reicht von " +
                           MmText(plan.links / 10.0) + " bis " + MmText(plan.rechts / 10.0) +
                           " mm, die Seite bietet 0 bis " + MmText(plan.breite / 10.0) +
                           " mm. Es wird nichts gedruckt."));
        return;
    }
    if (plan.seiten > 1 &&
        Frage(CString("Das Profil ist " + MmText(werte.laenge) + " mm lang; die Seite bietet " +
                      MmText(plan.platz / 10.0) + " mm. Auf " + std::to_string(plan.seiten) +
                      " Seiten verteilt drucken?"),
              "Auf mehreren Seiten drucken", "Abbrechen") != IDOK)
        return;

    const Druckkopf kopf{m_strDatei, KopfZeile(m_strKommentar, werte.laenge, werte.dicke)};
    const std::string fehler = DruckeDokument(dc, punkte, kopf, plan);
    if (!fehler.empty())
        MessageBox(CString(fehler));
}

void CProfilDlg::OnSeitenansicht() {
    const Druckwerte werte =
        PruefeDruckwerte(m_strProfillaenge.GetString(), m_strProfildicke.GetString());
    if (!werte.fehler.empty()) {
        MessageBox(werte.fehler);
        return;
    }
    if (!GeladenOderGesagt(*this))
        return;
    const std::vector<Punkt> punkte = DruckPunkte(g_profil, werte.laenge, werte.dicke);
    const Druckkopf kopf{m_strDatei, KopfZeile(m_strKommentar, werte.laenge, werte.dicke)};
    // The preview shows every page the printer would get, the tiles of a long chord included.
    DruckVorschau(this, [&](CDC& dc) {
        const Seitenplan plan = PlaneDruck(dc, punkte);
        if (!plan.zuBreit)
            DruckeDokument(dc, punkte, kopf, plan);
    });
}

void CProfilDlg::OnExportieren(UINT nIDM) {
    const Druckwerte werte =
        PruefeDruckwerte(m_strProfillaenge.GetString(), m_strProfildicke.GetString());
    if (!werte.fehler.empty()) {
        MessageBox(werte.fehler);
        return;
    }
    if (!GeladenOderGesagt(*this))
        return;
    const bool svg = nIDM == IDM_ALS_SVG;
    const std::string vorschlag = Stamm(m_strDatei) + (svg ? ".svg" : ".dxf");
    CFileDialog dlgDatei(
        FALSE, svg ? "svg" : "dxf", vorschlag.c_str(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
        svg ? "SVG-Dateien|*.svg|Alle Dateien|*||" : "DXF-Dateien|*.dxf|Alle Dateien|*||", this);
    if (dlgDatei.DoModal() != IDOK)
        return;
    const std::string pfad = dlgDatei.GetPathName().GetString();
    const std::string name = m_strKommentar.GetString();
    const std::string fehler = svg ? SchreibeSvg(pfad, name, g_profil, werte.laenge, werte.dicke)
                                   : SchreibeDxf(pfad, name, g_profil, werte.laenge, werte.dicke);
    if (!fehler.empty())
        MessageBox(CString(fehler));
}
