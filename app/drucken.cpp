// The main window's drawing commands: plot, print, print preview and the exports for cutters.
#include "app/profilfenster.h"

#include "app/einstellungen.h"
#include "app/kalibrierdlg.h"

#include "drawing/druckgeraet.h"
#include "export/formate.h"
#include "geometry/punkte.h"
#include "language/sprache.h"
#include "model/blattplan.h"
#include "output/druckwerte.h"
#include "output/schreiben.h"
#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_fenster.h"
#include "res/meldungen_kommandozeile.h"
#include "res/resource.h"
#include "res/zeichenketten.h"
#include "ui/dateidialog.h"
#include "ui/meldefenster.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <cmath>
#include <cstring>
#include <optional>
#include <string>

namespace {

// The job the fields describe. The path is kept as the bytes the system uses, so that the input
// is recognised whatever its name's encoding.
Auftrag FeldAuftrag(const Profilfenster& fenster) {
    Auftrag auftrag;
    auftrag.profil = &fenster.m_profil.punkte;
    auftrag.datei = fenster.DateiKodiert();
    auftrag.name = fenster.m_kommentar;
    auftrag.laenge = fenster.Profillaenge().toStdString();
    auftrag.dicke = fenster.Profildicke().toStdString();
    return auftrag;
}

// The job's outline, once the user has agreed to scale one that is not as long as the chord;
// nothing once the user has been told why not.
std::optional<Umriss> UmrissOderGesagt(Profilfenster& wnd, Auftrag& auftrag) {
    Umriss umriss = PruefeAuftrag(auftrag);
    if (umriss.befund == Befund::LaengeWeichtAb) {
        const Dezimalzahl mm = MmText(umriss.laenge);
        if (!FrageStellen(&wnd, Meldung(meldung::kUmrissSkalierenFrage, {umriss.fehler, mm}),
                          Meldung(meldung::kUmrissSkalierenKnopf, {mm}),
                          Meldung(meldung::kKnopfAbbrechen)))
            return std::nullopt;
        auftrag.normieren = true;
        umriss = PruefeAuftrag(auftrag);
    }
    if (umriss.befund == Befund::Gut)
        return umriss;
    MeldungZeigen(&wnd, umriss.fehler);
    // The field to correct gets the focus, its text selected.
    wnd.FeldWaehlen(umriss.befund == Befund::LaengeUngueltig ? wnd.LaengenFeld()
                    : umriss.befund == Befund::DickeUngueltig || umriss.befund == Befund::Flach
                        ? wnd.DickenFeld()
                        : nullptr);
    return std::nullopt;
}

// The printer's own correction goes into the plan: a calibrated printer has less room for the
// true page. Printout and preview alike.
Kalibrierung KalibrierungVon(const QPrinter& drucker) {
    return LiesKalibrierung(DruckerName(drucker));
}

// A question with the program's own two buttons: true for the first.
bool Zugestimmt(QWidget* eltern, const Meldungstext& text, std::string_view ja) {
    return FrageStellen(eltern, text, Meldung(ja), Meldung(meldung::kKnopfAbbrechen));
}

// A PDF file is checked as the exports check theirs, before anything is painted: "" or why not.
Meldungstext ZielAbgelehnt(const std::string& datei, const std::vector<std::string>& eingaben) {
    return datei.empty() ? Meldungstext()
                         : PruefeZiel(SystemPfad(QString::fromStdString(datei)), eingaben);
}

} // namespace

void Profilfenster::OnPlotten() {
    Linienzug linie;
    for (const Geraetepunkt& p :
         BildschirmPunkte(m_profil.punkte, m_bild->width(), m_bild->height(),
                          FeldZahl(Profildicke().toStdString())))
        linie.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    m_bild->Zeigen({linie});
}

void Profilfenster::OnPlotLoeschen() {
    m_bild->Leeren();
}

void Profilfenster::OnDrucken() {
    Auftrag auftrag = FeldAuftrag(*this);
    const auto umriss = UmrissOderGesagt(*this, auftrag);
    if (!umriss)
        return;
    Ausdrucken(
        this, ".pdf", [&](const Papiermasse& m) { return PlaneDruck(m, auftrag, *umriss); },
        [&](const Druck& druck) {
            return druck.plan.seiten > 1
                       ? Meldung(meldung::kProfilKachelnFrage,
                                 {MmText(umriss->laenge), MmText(druck.plan.platz / 10.0),
                                  std::to_string(druck.plan.seiten)})
                       : Meldungstext();
        },
        {auftrag.datei});
}

void Profilfenster::Ausdrucken(QWidget* eltern, const char* endung, const Planer& planen,
                               const std::function<Meldungstext(const Druck&)>& frage,
                               const std::vector<std::string>& eingaben) {
    // High resolution: the printer's own dots, never the screen's.
    QPrinter drucker(QPrinter::HighResolution);
    PdfVorschlag(drucker, AusgabeVorschlag(endung));
    QPrintDialog dlgDrucken(&drucker, eltern);
    dlgDrucken.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dlgDrucken.exec() != QDialog::Accepted)
        return;
    const std::string datei = PdfZiel(drucker);
    if (const Meldungstext fehler = ZielAbgelehnt(datei, eingaben); !fehler.leer()) {
        MeldungZeigen(eltern, fehler);
        return;
    }
    AusgabeMerken(datei);
    Druckgeraet geraet(drucker, KalibrierungVon(drucker), eingaben);
    const Druck druck = planen(geraet.Masse());
    // A cut-off outline would be glued onto balsa without anyone noticing.
    if (!druck.fehler.leer()) {
        MeldungZeigen(eltern, druck.fehler);
        return;
    }
    if (const Meldungstext text = frage(druck);
        !text.leer() && !Zugestimmt(eltern, text, meldung::kKachelnKnopf))
        return;
    if (const Meldungstext fehler = DruckeDokument(geraet, druck); !fehler.leer())
        MeldungZeigen(eltern, fehler);
}

void Profilfenster::Vorschau(QWidget* eltern, const char* endung, const Planer& planen,
                             const std::vector<std::string>& eingaben) {
    // Refused on the default page, the preview does not open; a page chosen in the preview that
    // cannot take the printout says so instead of showing it empty.
    if (QPrinter standard(QPrinter::HighResolution); standard.isValid()) {
        Druckgeraet geraet(standard, KalibrierungVon(standard));
        if (const Druck druck = planen(geraet.Masse()); !druck.fehler.leer()) {
            MeldungZeigen(eltern, druck.fehler);
            return;
        }
    }
    QPrinter drucker(QPrinter::HighResolution);
    PdfVorschlag(drucker, AusgabeVorschlag(endung));
    QPrintPreviewDialog vorschau(&drucker, eltern);
    vorschau.setWindowTitle(Uebersetzung("dialog", FindeZeichenkette(IDS_SEITENANSICHT_TITEL)));
    // The one place the preview's pages are painted, shown or printed from its print button.
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [&](QPrinter* seiten) { VorschauSeiten(eltern, *seiten, planen, eingaben); });
    vorschau.exec();
}

void Profilfenster::VorschauSeiten(QWidget* eltern, QPrinter& seiten, const Planer& planen,
                                   const std::vector<std::string>& eingaben) {
    Druckgeraet geraet(seiten, KalibrierungVon(seiten), eingaben);
    // The preview's own pages paint through an engine of their own; its print button may print
    // to a PDF file, which is checked as every output checks its target.
    const std::string datei = PdfZiel(seiten);
    if (const Meldungstext fehler = ZielAbgelehnt(datei, eingaben); !fehler.leer()) {
        MeldungZeigen(eltern, fehler);
        return;
    }
    const Druck druck = planen(geraet.Masse());
    if (!druck.fehler.leer()) {
        ZeichneAbsage(geraet, druck.fehler);
        return;
    }
    // Only printing can fail; the preview's own pages cannot.
    if (const Meldungstext fehler = DruckeDokument(geraet, druck); !fehler.leer())
        MeldungZeigen(eltern, fehler);
    else if (!datei.empty())
        AusgabeMerken(datei);
}

void Profilfenster::OnSeitenansicht() {
    Auftrag auftrag = FeldAuftrag(*this);
    const auto umriss = UmrissOderGesagt(*this, auftrag);
    if (!umriss)
        return;
    Vorschau(this, ".pdf", [&](const Papiermasse& m) { return PlaneDruck(m, auftrag, *umriss); },
             {auftrag.datei});
}

void Profilfenster::OnExportieren() {
    Auftrag auftrag = FeldAuftrag(*this);
    const auto umriss = UmrissOderGesagt(*this, auftrag);
    if (!umriss)
        return;
    Exportieren(this, ".svg", EinzelZeichnung(*umriss, auftrag.name), {auftrag.datei});
}

void Profilfenster::Exportieren(QWidget* eltern, const char* endung, const Zeichnung& zeichnung,
                                const std::vector<std::string>& eingaben) {
    Dateiwahl wahl;
    wahl.speichern = true;
    wahl.titel = Uebersetzung("dialog", FindeZeichenkette(IDS_SPEICHERN_UNTER));
    wahl.filter = QString::fromStdString(ExportFilter());
    wahl.name = QString::fromStdString(AusgabeVorschlag(endung));
    // A name typed without an extension gets the first format's.
    wahl.endung = QString::fromUtf8(std::strrchr(endung, '.') + 1);
    const auto pfad = DateiDialog(eltern, wahl);
    if (!pfad)
        return;
    const std::string datei = pfad->toStdString();
    const Format* format = FormatZuDatei(datei);
    if (!format || format->traeger != Traeger::Blatt) {
        MeldungZeigen(eltern, Meldung(meldung::kEndungUnbekannt, {datei, BekannteEndungen()}));
        return;
    }
    AusgabeMerken(datei);
    const std::string inhalt = format->schreiber(zeichnung);
    Meldungstext fehler = PruefeAusgabeGroesse({inhalt.size()});
    if (fehler.leer())
        fehler = SchreibeDatei(SystemPfad(*pfad), inhalt, eingaben);
    if (!fehler.leer())
        MeldungZeigen(eltern, fehler);
}

void Profilfenster::OnKalibrieren() {
    QPrinter drucker(QPrinter::HighResolution);
    PdfVorschlag(drucker, AusgabeVorschlag("_kalibrierung.pdf"));
    QPrintDialog dlgDrucken(&drucker, this);
    dlgDrucken.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dlgDrucken.exec() != QDialog::Accepted)
        return;
    AusgabeMerken(PdfZiel(drucker));
    const std::string name = DruckerName(drucker);
    {
        // The calibration page itself is never corrected.
        Druckgeraet geraet(drucker, Kalibrierung{});
        if (const Meldungstext fehler = DruckeKalibrierseite(geraet, name); !fehler.leer()) {
            Melden(fehler);
            return;
        }
    }
    KalibrierDialog dlgMessen(this);
    if (dlgMessen.exec() != QDialog::Accepted)
        return;
    SchreibeKalibrierung(name, dlgMessen.kalibrierung);
    const Kalibrierung& k = dlgMessen.kalibrierung;
    Melden(Meldung(meldung::kDruckerKalibriert,
                   {AlsUtf8(name), MmText(std::round(k.laengs * 1000) / 10),
                    MmText(std::round(k.quer * 1000) / 10)}));
}
