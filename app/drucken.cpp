// The main window's drawing commands: plot, print, print preview and the exports for cutters.
#include "app/profildlg.h"

#include "app/einstellungen.h"
#include "app/kalibrierdlg.h"

#include "drawing/seite.h"
#include "export/formate.h"
#include "geometry/punkte.h"
#include "model/blattplan.h"
#include "output/druckwerte.h"
#include "output/schreiben.h"
#include "platform/afxdc.h"
#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_fenster.h"
#include "res/meldungen_kommandozeile.h"

#include <cmath>
#include <optional>
#include <string>

namespace {

// The job the fields describe. The path is kept as the bytes the system uses, so that the input
// is recognised whatever its name's encoding.
Auftrag FeldAuftrag(const Profil& profil, const CString& datei, const CString& kommentar,
                    const CString& laenge, const CString& dicke) {
    Auftrag auftrag;
    auftrag.profil = &profil.punkte;
    auftrag.datei = DateiPfadKodiert(datei);
    auftrag.name = kommentar.GetString();
    auftrag.laenge = laenge.GetString();
    auftrag.dicke = dicke.GetString();
    return auftrag;
}

// The job's outline, once the user has agreed to scale one that is not as long as the chord;
// nothing once the user has been told why not.
std::optional<Umriss> UmrissOderGesagt(CProfilDlg& wnd, Auftrag& auftrag) {
    Umriss umriss = PruefeAuftrag(auftrag);
    if (umriss.befund == Befund::LaengeWeichtAb) {
        const std::string mm = MmText(umriss.laenge);
        if (wnd.Frage(CString(Meldung(meldung::kUmrissSkalierenFrage, {umriss.fehler, mm})),
                      Meldung(meldung::kUmrissSkalierenKnopf, {mm}).c_str(),
                      Meldung(meldung::kKnopfAbbrechen).c_str()) != IDOK)
            return std::nullopt;
        auftrag.normieren = true;
        umriss = PruefeAuftrag(auftrag);
    }
    if (umriss.befund == Befund::Gut)
        return umriss;
    wnd.MessageBox(CString(umriss.fehler));
    // The field to correct gets the focus, its text selected.
    wnd.AbgelehntesFeldWaehlen(umriss.befund == Befund::LaengeUngueltig ? IDC_PROFILLAENGE
                               : umriss.befund == Befund::DickeUngueltig ||
                                       umriss.befund == Befund::Flach
                                   ? IDC_PROFILDICKE
                                   : 0);
    return std::nullopt;
}

// The printer's own correction, before the plan: a calibrated printer has less room for the true
// page. Printout and preview alike.
void Kalibriert(CDC& dc, const CString& drucker) {
    const Kalibrierung kalibrierung = LiesKalibrierung(drucker);
    dc.Kalibrieren(kalibrierung.quer, kalibrierung.laengs);
}

// A PDF file is checked as the exports check theirs, before anything is painted: "" or why not.
std::string ZielAbgelehnt(const CString& datei, const std::vector<std::string>& eingaben) {
    return datei.IsEmpty() ? std::string() : PruefeZiel(DateiPfadKodiert(datei), eingaben);
}

} // namespace

void CProfilDlg::OnPlotten() {
    Linienzug linie;
    for (const Geraetepunkt& p :
         BildschirmPunkte(m_profil.punkte, m_bild->width(), m_bild->height(),
                          FeldZahl(m_strProfildicke.GetString())))
        linie.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    m_bild->Zeigen({linie});
}

void CProfilDlg::OnPlotLoeschen() {
    m_bild->Leeren();
}

void CProfilDlg::OnDrucken() {
    Auftrag auftrag =
        FeldAuftrag(m_profil, m_strDatei, m_strKommentar, m_strProfillaenge, m_strProfildicke);
    const auto umriss = UmrissOderGesagt(*this, auftrag);
    if (!umriss)
        return;
    Ausdrucken(
        this, ".pdf", [&](const CDC& dc) { return PlaneDruck(dc, auftrag, *umriss); },
        [&](const Druck& druck) {
            return druck.plan.seiten > 1
                       ? Meldung(meldung::kProfilKachelnFrage,
                                 {MmText(umriss->laenge), MmText(druck.plan.platz / 10.0),
                                  std::to_string(druck.plan.seiten)})
                       : std::string();
        },
        {auftrag.datei});
}

void CProfilDlg::Ausdrucken(CWnd* pWnd, const char* endung,
                            const std::function<Druck(const CDC&)>& planen,
                            const std::function<std::string(const Druck&)>& frage,
                            const std::vector<std::string>& eingaben) {
    CPrintDialog dlgDrucken(FALSE, 0, pWnd);
    dlgDrucken.m_strAusgabeDatei = AusgabeVorschlag(endung);
    dlgDrucken.m_eingaben = eingaben;
    if (dlgDrucken.DoModal() != IDOK)
        return;
    if (const std::string fehler = ZielAbgelehnt(dlgDrucken.m_strAusgabeDatei, eingaben);
        !fehler.empty()) {
        pWnd->MessageBox(CString(fehler));
        return;
    }
    AusgabeMerken(dlgDrucken.m_strAusgabeDatei);
    const CString strDrucker = dlgDrucken.GetDeviceName();
    CDC dc;
    dc.Attach(dlgDrucken.GetPrinterDC());
    Kalibriert(dc, strDrucker);

    const Druck druck = planen(dc);
    // A cut-off outline would be glued onto balsa without anyone noticing.
    if (!druck.fehler.empty()) {
        pWnd->MessageBox(CString(druck.fehler));
        return;
    }
    if (const std::string text = frage(druck);
        !text.empty() && pWnd->Frage(CString(text), Meldung(meldung::kKachelnKnopf).c_str(),
                                     Meldung(meldung::kKnopfAbbrechen).c_str()) != IDOK)
        return;
    if (const std::string fehler = DruckeDokument(dc, druck); !fehler.empty())
        pWnd->MessageBox(CString(fehler));
}

void CProfilDlg::Vorschau(CWnd* pWnd, const char* endung,
                          const std::function<Druck(const CDC&)>& planen,
                          const std::vector<std::string>& eingaben) {
    // Refused on the default page, the preview does not open; a page chosen in the preview that
    // cannot take the printout says so instead of showing it empty.
    CPrintDialog dlgStandard(FALSE, 0, pWnd);
    if (dlgStandard.GetDefaults()) {
        const CString strDrucker = dlgStandard.GetDeviceName();
        CDC dc;
        dc.Attach(dlgStandard.GetPrinterDC());
        Kalibriert(dc, strDrucker);
        if (const Druck druck = planen(dc); !druck.fehler.empty()) {
            pWnd->MessageBox(CString(druck.fehler));
            return;
        }
    }
    // The one place the preview's pages are painted, shown or printed from its print button.
    DruckVorschau(
        pWnd,
        [&](CDC& dc, const Druckziel& ziel) {
            if (const std::string fehler = ZielAbgelehnt(ziel.datei, eingaben); !fehler.empty()) {
                pWnd->MessageBox(CString(fehler));
                return;
            }
            Kalibriert(dc, ziel.drucker);
            const Druck druck = planen(dc);
            if (!druck.fehler.empty()) {
                ZeichneAbsage(dc, druck.fehler);
                return;
            }
            // Only printing can fail; the preview's own pages cannot.
            if (const std::string fehler = DruckeDokument(dc, druck); !fehler.empty())
                pWnd->MessageBox(CString(fehler));
            else if (!ziel.datei.IsEmpty())
                AusgabeMerken(ziel.datei);
        },
        AusgabeVorschlag(endung), eingaben);
}

void CProfilDlg::OnSeitenansicht() {
    Auftrag auftrag =
        FeldAuftrag(m_profil, m_strDatei, m_strKommentar, m_strProfillaenge, m_strProfildicke);
    const auto umriss = UmrissOderGesagt(*this, auftrag);
    if (!umriss)
        return;
    Vorschau(this, ".pdf", [&](const CDC& dc) { return PlaneDruck(dc, auftrag, *umriss); },
             {auftrag.datei});
}

void CProfilDlg::OnExportieren() {
    Auftrag auftrag =
        FeldAuftrag(m_profil, m_strDatei, m_strKommentar, m_strProfillaenge, m_strProfildicke);
    const auto umriss = UmrissOderGesagt(*this, auftrag);
    if (!umriss)
        return;
    Exportieren(this, ".svg", EinzelZeichnung(*umriss, auftrag.name), {auftrag.datei});
}

void CProfilDlg::Exportieren(CWnd* pWnd, const char* endung, const Zeichnung& zeichnung,
                             const std::vector<std::string>& eingaben) {
    const std::string filter = ExportFilter();
    // A name typed without an extension gets the first format's.
    const std::string_view vorgabe =
        std::string_view(endung).substr(std::string_view(endung).rfind('.') + 1);
    CFileDialog dlgDatei(FALSE, std::string(vorgabe).c_str(), AusgabeVorschlag(endung).GetString(),
                         OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter.c_str(), pWnd);
    if (dlgDatei.DoModal() != IDOK)
        return;
    const std::string datei = dlgDatei.GetPathName().GetString();
    const Format* format = FormatZuDatei(datei);
    if (!format || format->traeger != Traeger::Blatt) {
        pWnd->MessageBox(CString(Meldung(meldung::kEndungUnbekannt, {datei, BekannteEndungen()})));
        return;
    }
    AusgabeMerken(dlgDatei.GetPathName());
    const std::string inhalt = format->schreiber(zeichnung);
    std::string fehler = PruefeAusgabeGroesse({inhalt.size()});
    if (fehler.empty())
        fehler = SchreibeDatei(DateiPfadKodiert(dlgDatei.GetPathName()), inhalt, eingaben);
    if (!fehler.empty())
        pWnd->MessageBox(CString(fehler));
}

void CProfilDlg::OnKalibrieren() {
    CPrintDialog dlgDrucken(FALSE, 0, this);
    dlgDrucken.m_strAusgabeDatei = AusgabeVorschlag("_kalibrierung.pdf");
    if (dlgDrucken.DoModal() != IDOK)
        return;
    AusgabeMerken(dlgDrucken.m_strAusgabeDatei);
    const CString strDrucker = dlgDrucken.GetDeviceName();
    {
        CDC dc;
        dc.Attach(dlgDrucken.GetPrinterDC());
        if (const std::string fehler = DruckeKalibrierseite(dc, strDrucker.GetString());
            !fehler.empty()) {
            MessageBox(CString(fehler));
            return;
        }
    }
    KalibrierDialog dlgMessen(m_hWnd);
    if (dlgMessen.exec() != QDialog::Accepted)
        return;
    SchreibeKalibrierung(strDrucker, dlgMessen.kalibrierung);
    const Kalibrierung& k = dlgMessen.kalibrierung;
    MessageBox(
        CString(Meldung(meldung::kDruckerKalibriert,
                        {AlsUtf8(strDrucker.GetString()), MmText(std::round(k.laengs * 1000) / 10),
                         MmText(std::round(k.quer * 1000) / 10)})));
}
