// The command line of kestrun1.
#include "command_line/kommandozeile.h"

#include "command_line/pdf.h"
#include "export/formate.h"
#include "foam_core/kernwahl.h"
#include "geometry/punkte.h"
#include "model/blattplan.h"
#include "output/druckwerte.h"
#include "output/rippenauftrag.h"
#include "output/rippenwahl.h"
#include "output/rippenzusatz.h"
#include "output/schreiben.h"
#include "profile/datei.h"
#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_kommandozeile.h"
#include "res/meldungen_schaumkern.h"

#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

Aufruf Ende(int code) {
    Aufruf a;
    a.beenden = true;
    a.rueckgabe = code;
    return a;
}

void Melde(const Meldungstext& meldung) {
    std::cerr << "kestrun1: " << meldung.Text() << '\n';
}

Aufruf Fehler(int code, const Meldungstext& meldung) {
    Melde(meldung);
    return Ende(code);
}

// The command line's bytes, each as one Latin-1 character: every name survives the parser
// exactly, whatever its encoding.
QString AlsZeichen(const char* bytes) {
    return QString::fromLatin1(bytes);
}

std::string Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// An option's value or a name for a message: no terminal control gets through.
std::string Zeigen(const QString& text) {
    return AlsUtf8(Bytes(text));
}

// One file to write and its format from the format table.
struct Ziel {
    const Format* format;
    std::string datei;
};

struct Ausgaben {
    std::vector<Ziel> ziele;
    std::string seite;
    bool Papier() const {
        return std::any_of(ziele.begin(), ziele.end(),
                           [](const Ziel& z) { return z.format->traeger == Traeger::Papier; });
    }
    bool Blaetter() const {
        return std::any_of(ziele.begin(), ziele.end(),
                           [](const Ziel& z) { return z.format->traeger == Traeger::Blatt; });
    }
};

// The rib options as given; their values are read when the job runs, so that a refused value
// exits with 1 as any refused value does.
struct Rippenoptionen : Rippenwahl {
    std::string spitzenprofil;
};

// The profile in a file; nothing after saying why not.
std::optional<Profil> Geladen(const std::string& datei, std::optional<ProfilFormat> format) {
    bool geoeffnet = false;
    Profil ergebnis = LadeProfil(datei, format, &geoeffnet);
    if (!ergebnis.fehler.leer()) {
        Melde(geoeffnet ? Meldung(meldung::kZuDatei, {AlsUtf8(datei), ergebnis.fehler})
                        : ergebnis.fehler);
        return std::nullopt;
    }
    if (!ergebnis.warnungen.empty())
        Melde(Meldung(meldung::kZuDatei, {AlsUtf8(datei), Zeilen(ergebnis.warnungen)}));
    return ergebnis;
}

// The application object the PDF painter needs, made only when a PDF is asked for: no display
// is needed, the pages are painted offscreen. The toolkit's remarks about that setting would
// only clutter a shell loop's output.
template <typename Arbeit> Meldungstext MitAnwendung(Arbeit arbeit) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
        if (art == QtCriticalMsg || art == QtFatalMsg)
            Melde(Meldungstext::Woertlich(AlsUtf8(text.toStdString())));
    });
    int argc = 1;
    char name[] = "kestrun1";
    char* argv[] = {name, nullptr};
    QApplication anwendung(argc, argv);
    return arbeit();
}

// Every target is checked before any work is done.
bool ZieleFrei(const Ausgaben& aus, const std::vector<std::string>& eingaben) {
    for (const Ziel& ziel : aus.ziele) {
        if (const Meldungstext grund = PruefeZiel(ziel.datei, eingaben); !grund.leer()) {
            Melde(grund);
            return false;
        }
    }
    return true;
}

// Every target's content: the pages for paper, the drawing in its format for a cutter.
std::vector<Ausgabedatei> Dateien(const Ausgaben& aus, const std::string& pdf,
                                  const Zeichnung& zeichnung) {
    std::vector<Ausgabedatei> dateien;
    for (const Ziel& z : aus.ziele)
        dateien.push_back(
            {z.datei, z.format->traeger == Traeger::Papier ? pdf : z.format->schreiber(zeichnung)});
    return dateien;
}

// The options as each message names them.
constexpr Rippenfeldnamen kOptionen{"--rippen",    "--wurzel",     "--spitze",
                                    "--laenge",    "--beplankung", "--nasenleiste",
                                    "--endleiste", "--platte",     "--anzahl"};

// Builds the set, makes every output and writes them all or none: "" or why not.
Meldungstext RippenausgabenSchreiben(const Ausgaben& aus, const Rippenjob& job,
                                    const Rippenteile& enden,
                                    const std::vector<std::string>& eingaben) {
    const RippenAuftrag& a = job.auftrag;
    if (aus.Papier())
        if (Meldungstext grund = PdfPlanFehler(aus.seite, enden, a.anzahl.value_or(1) * a.kopien);
            !grund.leer())
            return grund;
    const Rippenteile teile = PruefeRippen(a);
    if (!teile.fehler.leer())
        return teile.fehler;
    Blattzeichnung blaetter;
    if (aus.Blaetter()) {
        blaetter = SatzBlaetter(teile.rippen, job);
        if (!blaetter.fehler.leer())
            return blaetter.fehler;
    }
    std::string pdf;
    if (aus.Papier())
        if (Meldungstext grund = PdfDokument(aus.seite, teile, pdf); !grund.leer())
            return grund;
    const std::vector<Ausgabedatei> dateien = Dateien(aus, pdf, blaetter.zeichnung);
    std::vector<std::size_t> groessen;
    for (const Ausgabedatei& d : dateien)
        groessen.push_back(d.inhalt.size());
    if (Meldungstext grund = PruefeAusgabeGroesse(groessen); !grund.leer())
        return grund;
    return SchreibeDateien(dateien, eingaben);
}

// The ribs: values read, profiles loaded and checked, the ribs built, laid out and written, all
// or nothing; 0 or 1.
int RippenExportieren(const std::string& datei, std::optional<ProfilFormat> format,
                      const Rippenoptionen& wahl, const Ausgaben& aus) {
    Rippenjob job;
    if (const Meldungstext fehler = RippenjobLesen(wahl, job, kOptionen); !fehler.leer()) {
        Melde(fehler);
        return 1;
    }
    RippenAuftrag& a = job.auftrag;
    std::vector<std::string> eingaben = {datei};
    const std::optional<Profil> wurzel = Geladen(datei, format);
    if (!wurzel)
        return 1;
    a.wurzelProfil = {&wurzel->punkte, wurzel->kommentar, datei};
    std::optional<Profil> spitze;
    if (!wahl.spitzenprofil.empty()) {
        spitze = Geladen(wahl.spitzenprofil, format);
        if (!spitze)
            return 1;
        a.spitzenProfil = RippenQuelle{&spitze->punkte, spitze->kommentar, wahl.spitzenprofil};
        eingaben.push_back(wahl.spitzenprofil);
    }
    if (!ZieleFrei(aus, eingaben))
        return 1;

    if (aus.Blaetter())
        a.platte = std::pair{job.platteBreite, job.platteHoehe};
    // Root and tip on the page first: a rib too wide is said before the rest is built, and
    // what the job itself refuses before the toolkit starts.
    Rippenteile enden;
    if (aus.Papier()) {
        RippenAuftrag probe = a;
        probe.nurEnden = true;
        enden = PruefeRippen(probe);
        if (!enden.fehler.leer()) {
            Melde(enden.fehler);
            return 1;
        }
    }
    auto arbeit = [&] { return RippenausgabenSchreiben(aus, job, enden, eingaben); };
    if (const Meldungstext grund = aus.Papier() ? MitAnwendung(arbeit) : arbeit(); !grund.leer()) {
        Melde(grund);
        return 1;
    }
    return 0;
}

// The foam core: values read, profiles loaded, the path built and checked, every G-code file
// written all or none; 0 or 1.
int KernExportieren(const std::string& datei, std::optional<ProfilFormat> format,
                    const Kernwahl& wahl, const std::string& spitzenprofil,
                    const std::string& dicke, const Ausgaben& aus) {
    KernAuftrag a;
    if (const Meldungstext fehler = KernwerteLesen(wahl, a.werte); !fehler.leer()) {
        Melde(fehler);
        return 1;
    }
    a.dicke = dicke;
    std::vector<std::string> eingaben = {datei};
    const std::optional<Profil> wurzel = Geladen(datei, format);
    if (!wurzel)
        return 1;
    a.wurzelProfil = {&wurzel->punkte, wurzel->kommentar, datei};
    std::optional<Profil> spitze;
    if (!spitzenprofil.empty()) {
        spitze = Geladen(spitzenprofil, format);
        if (!spitze)
            return 1;
        a.spitzenProfil = RippenQuelle{&spitze->punkte, spitze->kommentar, spitzenprofil};
        eingaben.push_back(spitzenprofil);
    }
    if (!ZieleFrei(aus, eingaben))
        return 1;
    const Kern kern = PruefeKern(a);
    if (!kern.fehler.leer()) {
        Melde(kern.fehler);
        return 1;
    }
    std::string pdf;
    if (aus.Papier())
        if (const Meldungstext grund =
                MitAnwendung([&] { return PdfDokument(aus.seite, KernSchablonen(kern), pdf); });
            !grund.leer()) {
            Melde(grund);
            return 1;
        }
    std::vector<Ausgabedatei> dateien;
    std::vector<std::size_t> groessen;
    for (const Ziel& z : aus.ziele) {
        dateien.push_back(
            {z.datei, z.format->traeger == Traeger::Papier ? pdf : z.format->drahtschreiber(kern)});
        groessen.push_back(dateien.back().inhalt.size());
    }
    Meldungstext grund = PruefeAusgabeGroesse(groessen);
    if (grund.leer())
        grund = SchreibeDateien(dateien, eingaben);
    if (!grund.leer()) {
        Melde(grund);
        return 1;
    }
    return 0;
}

// Loads the file, checks the job, makes every output and writes them all or none; 0 or 1.
int Exportieren(const std::string& datei, std::optional<ProfilFormat> format,
                const std::string& laenge, const std::string& dicke, bool normieren,
                const Ausgaben& aus) {
    const std::optional<Profil> profil = Geladen(datei, format);
    if (!profil)
        return 1;
    const std::string& name = profil->kommentar;
    const Auftrag auftrag{&profil->punkte, name, datei, laenge, dicke, normieren};
    const Umriss umriss = PruefeAuftrag(auftrag);
    if (umriss.befund != Befund::Gut) {
        Melde(umriss.befund == Befund::LaengeWeichtAb
                  ? Meldung(meldung::kNormierenHilft, {umriss.fehler})
                  : umriss.fehler);
        return 1;
    }
    if (!ZieleFrei(aus, {datei}))
        return 1;

    std::string pdf;
    if (aus.Papier())
        if (const Meldungstext grund =
                MitAnwendung([&] { return PdfDokument(aus.seite, auftrag, umriss, pdf); });
            !grund.leer()) {
            Melde(grund);
            return 1;
        }
    const std::vector<Ausgabedatei> dateien =
        Dateien(aus, pdf, aus.Blaetter() ? EinzelZeichnung(umriss, name) : Zeichnung{});
    if (const Meldungstext grund = SchreibeDateien(dateien, {datei}); !grund.leer()) {
        Melde(grund);
        return 1;
    }
    return 0;
}

// What the command line asks for, read before anything is done.
struct Befehl {
    enum class Art { Hilfe, Version, Fenster, Umriss, Rippensatz, Kern, Falsch };
    Art art = Art::Fenster;
    // The profile file as given (bytes); for the window empty when none is named.
    std::string datei;
    std::optional<ProfilFormat> format;
    // Umriss and Rippensatz.
    Ausgaben aus;
    // Umriss.
    std::string laenge, dicke;
    bool normieren = false;
    // Rippensatz.
    Rippenoptionen rippen;
    // Kern, with the tip profile and the thickness of rippen.
    Kernwahl kern;
    // Falsch: why the options are refused, exit 2.
    Meldungstext fehler;
};

Befehl Nur(Befehl::Art art) {
    Befehl b;
    b.art = art;
    return b;
}

Befehl Falsch(Meldungstext text) {
    Befehl b = Nur(Befehl::Art::Falsch);
    b.fehler = std::move(text);
    return b;
}

// The toolkit's own options (-style fusion, -platform xcb, ...) belong to the window; the
// application object takes them from argv later.
QStringList OhneQtOptionen(int argc, char** argv) {
    static const QStringList kQtMitWert = {
        "-platform", "-platformpluginpath", "-platformtheme", "-plugin",
        "-style",    "-stylesheet",         "-session",       "-display",
        "-geometry", "-qwindowgeometry",    "-qwindowicon",   "-qwindowtitle",
        "-title"};
    static const QStringList kQtOhneWert = {"-reverse", "-widgetcount", "-nograb", "-dograb",
                                            "-sync"};
    QStringList argumente;
    for (int i = 0; i < argc; ++i) {
        const QString argument = AlsZeichen(argv[i]);
        if (i > 0 && kQtMitWert.contains(argument) && i + 1 < argc)
            ++i;
        else if (i == 0 || !kQtOhneWert.contains(argument))
            argumente << argument;
    }
    return argumente;
}

// Every option and the parser that knows them. The value names only mark an option as taking a
// value: the parser's own help is never shown, the user reads meldung::kHilfe.
struct Optionen {
    QCommandLineOption hilfe{{"h", "help"}, {}};
    QCommandLineOption version{{"v", "version"}, {}};
    QCommandLineOption sprache{"sprache", {}, "de|en"};
    QCommandLineOption format{"format", {}, "selig|werte"};
    QCommandLineOption ausgabe{"ausgabe", {}, "DATEI"};
    // Each format's shorthand, in the table's order.
    std::vector<QCommandLineOption> kurz;
    QCommandLineOption laenge{"laenge", {}, "MM", "100"};
    QCommandLineOption dicke{"dicke", {}, "PROZENT", "100"};
    QCommandLineOption seite{"seite", {}, "A4|A3|Letter", "A4"};
    QCommandLineOption normieren{"normieren"};
    QCommandLineOption rippen{"rippen", {}, "ANZAHL"};
    QCommandLineOption wurzel{"wurzel", {}, "MM"};
    QCommandLineOption spitze{"spitze", {}, "MM"};
    QCommandLineOption spitzenprofil{"spitzenprofil", {}, "DATEI"};
    QCommandLineOption beplankung{"beplankung", {}, "MM"};
    QCommandLineOption holm{"holm", {}, "ORT:BREITE:TIEFE"};
    QCommandLineOption nasenleiste{"nasenleiste", {}, "MM"};
    QCommandLineOption endleiste{"endleiste", {}, "MM"};
    QCommandLineOption glaetten{"glaetten"};
    QCommandLineOption platte{"platte", {}, "BREITExHOEHE"};
    // Kerf and washout for a rib set and for a foam core alike; the rib set's jig tabs and holes.
    QCommandLineOption schnittbreite{"schnittbreite", {}, "MM[:MM]"};
    QCommandLineOption schraenkung{"schraenkung", {}, "GRAD[:DREHPUNKT%]"};
    QCommandLineOption helling{"helling", {}, "MM"};
    QCommandLineOption erleichterung{"erleichterung", {}, "ANZAHL:STEG"};
    QCommandLineOption anzahl{"anzahl", {}, "N"};
    QCommandLineOption ohnePlatte{"ohne-platte"};
    // The foam core's own, each with a value.
    QCommandLineOption spannweite{"spannweite", {}, "MM"};
    QCommandLineOption pfeilung{"pfeilung", {}, "MM"};
    QCommandLineOption vorlauf{"vorlauf", {}, "MM"};
    QCommandLineOption hoehe{"hoehe", {}, "MM"};
    QCommandLineOption turmabstand{"turmabstand", {}, "MM"};
    QCommandLineOption blocklage{"blocklage", {}, "MM"};
    QCommandLineOption vorschub{"vorschub", {}, "MM/MIN"};
    QCommandLineOption vorschubart{"vorschubart", {}, "g93|g94"};
    QCommandLineOption achsen{"achsen", {}, "XYUV|XYZA"};
    QCommandLineOption heizung{"heizung", {}, "S"};
    QCommandLineOption vorheizen{"vorheizen", {}, "SEKUNDEN"};
    QCommandLineOption verfahrweg{"verfahrweg", {}, "XxY"};
    QCommandLineParser parser;

    Optionen() {
        for (const Format& f : Formate())
            kurz.emplace_back(QString::fromLatin1(f.option.data(), f.option.size()), QString(),
                              QStringLiteral("AUSGABE"));
        // "-bla" is one unknown option, not -b -l -a.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({hilfe, version, sprache, format, ausgabe});
        for (const QCommandLineOption& o : kurz)
            parser.addOption(o);
        parser.addOptions({laenge, dicke, seite, normieren, rippen, wurzel, spitze, spitzenprofil,
                           beplankung, holm, nasenleiste, endleiste, glaetten, platte, anzahl,
                           ohnePlatte});
        parser.addOptions({schnittbreite, schraenkung, helling, erleichterung});
        for (const QCommandLineOption* k : Kernoptionen())
            parser.addOption(*k);
        parser.addPositionalArgument("DATEI", {});
    }
    Optionen(const Optionen&) = delete;
    Optionen& operator=(const Optionen&) = delete;

    bool IstKurz(const QCommandLineOption* o) const {
        return std::any_of(kurz.begin(), kurz.end(), [&](const auto& k) { return &k == o; });
    }
    // Only a foam core takes these; kerf and washout say nothing about the job on their own.
    std::vector<const QCommandLineOption*> Kernoptionen() const {
        return {&spannweite, &pfeilung,    &vorlauf, &hoehe,   &turmabstand, &blocklage,
                &vorschub,   &vorschubart, &achsen,  &heizung, &vorheizen,   &verfahrweg};
    }
    bool Kernart() const {
        const auto k = Kernoptionen();
        return std::any_of(k.begin(), k.end(), [&](const auto* o) { return parser.isSet(*o); });
    }
    // Any of these makes a rib set (or one rib) of the output.
    std::vector<const QCommandLineOption*> Rippenoptionen() const {
        return {&rippen,        &wurzel,      &spitze,   &spitzenprofil, &beplankung, &holm,
                &nasenleiste,   &endleiste,   &glaetten, &platte,        &anzahl,     &ohnePlatte,
                &schnittbreite, &schraenkung, &helling,  &erleichterung};
    }
    bool Rippenart() const {
        const auto r = Rippenoptionen();
        return std::any_of(r.begin(), r.end(), [&](const auto* o) { return parser.isSet(*o); });
    }
};

// Why the parser refused the arguments.
Meldungstext ParseFehler(const Optionen& o, const QStringList& argumente) {
    const QStringList unbekannt = o.parser.unknownOptionNames();
    if (!unbekannt.isEmpty())
        return Meldung(meldung::kUnbekannteOption, {Zeigen(unbekannt.first())});
    // The parser tells a value given to a switch from a missing value only in its English
    // text; the switches are few enough to find by hand.
    for (const QString& argument : argumente.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        const qsizetype gleich = argument.indexOf(QLatin1Char('='));
        if (gleich <= 0 || !argument.startsWith(QLatin1Char('-')))
            continue;
        const QString geschrieben = argument.left(gleich);
        // One dash or two, as the parser takes them.
        const QString name = geschrieben.mid(geschrieben.startsWith(QLatin1String("--")) ? 2 : 1);
        for (const QCommandLineOption* s :
             {&o.hilfe, &o.version, &o.normieren, &o.glaetten, &o.ohnePlatte})
            if (s->names().contains(name))
                return Meldung(meldung::kKeinWert, {Zeigen(geschrieben)});
    }
    return Meldung(meldung::kWertFehlt);
}

// A value given twice leaves the user guessing which one counts, an empty one is a slip of the
// shell (an unset variable); only --holm takes several. The output names and the tip profile
// say with their own words that the name is missing.
Meldungstext WiederholtOderLeer(const Optionen& o) {
    std::vector<const QCommandLineOption*> mitWert = {&o.format, &o.ausgabe};
    for (const QCommandLineOption& k : o.kurz)
        mitWert.push_back(&k);
    mitWert.insert(mitWert.end(), {&o.laenge, &o.dicke, &o.seite});
    for (const QCommandLineOption* r : o.Rippenoptionen())
        if (!r->valueName().isEmpty())
            mitWert.push_back(r);
    for (const QCommandLineOption* k : o.Kernoptionen())
        mitWert.push_back(k);
    for (const QCommandLineOption* w : mitWert) {
        const QStringList werte = o.parser.values(*w);
        const std::string name = "--" + Bytes(w->names().constFirst());
        if (werte.size() > 1 && w != &o.holm)
            return Meldung(meldung::kOptionMehrfach, {name});
        const bool eigeneWorte = w == &o.ausgabe || w == &o.spitzenprofil || o.IstKurz(w);
        for (const QString& wert : werte)
            if (wert.isEmpty() && !eigeneWorte)
                return Meldung(meldung::kOptionLeer, {name});
    }
    return {};
}

// The format, the paper and the file: "" or the refusal.
Meldungstext Grundwerte(const Optionen& o, Befehl& b) {
    if (o.parser.isSet(o.format)) {
        const QString wert = o.parser.value(o.format).toLower();
        if (wert == QLatin1String("selig"))
            b.format = ProfilFormat::Selig;
        else if (wert == QLatin1String("werte"))
            b.format = ProfilFormat::Werte;
        else
            return Meldung(meldung::kFormatUnbekannt, {Zeigen(o.parser.value(o.format))});
    }
    const QString papier = o.parser.value(o.seite);
    if (papier != QLatin1String("A4") && papier != QLatin1String("A3") &&
        papier != QLatin1String("Letter"))
        return Meldung(meldung::kSeiteUnbekannt, {Zeigen(papier)});
    const QStringList dateien = o.parser.positionalArguments();
    if (dateien.size() > 1)
        return Meldung(meldung::kNurEineDatei);
    if (!dateien.isEmpty())
        b.datei = Bytes(dateien.first());
    return {};
}

// The outputs, the shorthands first in the table's order, then --ausgabe.
Meldungstext Ziele(const Optionen& o, Befehl& b) {
    std::vector<std::pair<const Format*, QString>> ziele;
    for (std::size_t i = 0; i < o.kurz.size(); ++i)
        if (o.parser.isSet(o.kurz[i]))
            ziele.emplace_back(&Formate()[i], o.parser.value(o.kurz[i]));
    if (o.parser.isSet(o.ausgabe))
        ziele.emplace_back(FormatZuDatei(Bytes(o.parser.value(o.ausgabe))),
                           o.parser.value(o.ausgabe));
    for (const auto& [f, datei] : ziele) {
        if (datei.isEmpty())
            return Meldung(meldung::kAusgabenameFehlt);
        if (f == nullptr)
            return Meldung(meldung::kEndungUnbekannt, {Zeigen(datei), BekannteEndungen()});
        b.aus.ziele.push_back({f, Bytes(datei)});
    }
    return {};
}

// A rib or a set: which options go together, and their values as typed.
Befehl Rippenbefehl(const Optionen& o, Befehl b) {
    const QCommandLineParser& p = o.parser;
    if (p.isSet(o.normieren))
        return Falsch(Meldung(meldung::kNormierenOhneRippen));
    if (p.isSet(o.rippen) && (!p.isSet(o.wurzel) || !p.isSet(o.spitze)))
        return Falsch(Meldung(meldung::kRippenOhneEnden));
    if (p.isSet(o.rippen) && p.isSet(o.laenge))
        return Falsch(Meldung(meldung::kSatzOhneLaenge));
    if (!p.isSet(o.rippen) && (p.isSet(o.wurzel) || p.isSet(o.spitze) || p.isSet(o.spitzenprofil)))
        return Falsch(Meldung(meldung::kEndenOhneRippen));
    if (p.isSet(o.spitzenprofil) && p.value(o.spitzenprofil).isEmpty())
        return Falsch(Meldung(meldung::kSpitzenprofilFehlt));
    // A single rib is a root rib: its washout is none.
    if (p.isSet(o.schraenkung) && !p.isSet(o.rippen))
        return Falsch(Meldung(meldung::kSchraenkungOhneRippen));
    b.art = Befehl::Art::Rippensatz;
    Rippenoptionen& wahl = b.rippen;
    if (p.isSet(o.rippen))
        wahl.rippen = Bytes(p.value(o.rippen));
    wahl.wurzel = Bytes(p.value(o.wurzel));
    wahl.spitze = Bytes(p.value(o.spitze));
    wahl.laenge = Bytes(p.value(o.laenge));
    wahl.dicke = Bytes(p.value(o.dicke));
    wahl.spitzenprofil = Bytes(p.value(o.spitzenprofil));
    wahl.beplankung = Bytes(p.value(o.beplankung));
    wahl.nasenleiste = Bytes(p.value(o.nasenleiste));
    wahl.endleiste = Bytes(p.value(o.endleiste));
    for (const QString& h : p.values(o.holm))
        wahl.holme.emplace_back("--holm", Bytes(h));
    wahl.glaetten = p.isSet(o.glaetten);
    wahl.platte = Bytes(p.value(o.platte));
    wahl.zusatz = {Bytes(p.value(o.schnittbreite)), Bytes(p.value(o.schraenkung)),
                   Bytes(p.value(o.helling)), Bytes(p.value(o.erleichterung))};
    wahl.kopien = Bytes(p.value(o.anzahl));
    wahl.ohnePlatte = p.isSet(o.ohnePlatte);
    return b;
}

// A foam core: G-code and the templates' PDF only, which options go together, and their values
// as typed.
Befehl Kernbefehl(const Optionen& o, Befehl b) {
    const QCommandLineParser& p = o.parser;
    if (std::any_of(b.aus.ziele.begin(), b.aus.ziele.end(),
                    [](const Ziel& z) { return z.format->traeger == Traeger::Blatt; }))
        return Falsch(Meldung(meldung::kKernNurGcode));
    for (const QCommandLineOption* f :
         {&o.laenge, &o.normieren, &o.rippen, &o.beplankung, &o.holm, &o.nasenleiste, &o.endleiste,
          &o.glaetten, &o.platte, &o.helling, &o.erleichterung, &o.anzahl, &o.ohnePlatte})
        if (p.isSet(*f))
            return Falsch(Meldung(meldung::kKernFremdeOption));
    if (!p.isSet(o.wurzel) || !p.isSet(o.spitze) || !p.isSet(o.spannweite))
        return Falsch(Meldung(meldung::kKernOhneMasse));
    if (p.isSet(o.spitzenprofil) && p.value(o.spitzenprofil).isEmpty())
        return Falsch(Meldung(meldung::kSpitzenprofilFehlt));
    Kernwahl& k = b.kern;
    const QString art = p.value(o.vorschubart).toLower();
    if (p.isSet(o.vorschubart) && art != QLatin1String("g93") && art != QLatin1String("g94"))
        return Falsch(Meldung(meldung::kVorschubartUnbekannt, {Zeigen(p.value(o.vorschubart))}));
    k.g94 = art == QLatin1String("g94");
    const QString achsen = p.value(o.achsen).toUpper();
    if (p.isSet(o.achsen) && achsen != QLatin1String("XYUV") && achsen != QLatin1String("XYZA"))
        return Falsch(Meldung(meldung::kAchsenUnbekannt, {Zeigen(p.value(o.achsen))}));
    k.xyza = achsen == QLatin1String("XYZA");
    for (const auto& [ziel, option] :
         {std::pair{&k.wurzel, &o.wurzel}, std::pair{&k.spitze, &o.spitze},
          std::pair{&k.spannweite, &o.spannweite}, std::pair{&k.pfeilung, &o.pfeilung},
          std::pair{&k.schraenkung, &o.schraenkung}, std::pair{&k.vorlauf, &o.vorlauf},
          std::pair{&k.hoehe, &o.hoehe}, std::pair{&k.turmabstand, &o.turmabstand},
          std::pair{&k.blocklage, &o.blocklage}, std::pair{&k.schnittbreite, &o.schnittbreite},
          std::pair{&k.vorschub, &o.vorschub}, std::pair{&k.heizung, &o.heizung},
          std::pair{&k.vorheizen, &o.vorheizen}, std::pair{&k.verfahrweg, &o.verfahrweg}})
        *ziel = Bytes(p.value(*option));
    b.rippen.spitzenprofil = Bytes(p.value(o.spitzenprofil));
    b.rippen.dicke = Bytes(p.value(o.dicke));
    b.art = Befehl::Art::Kern;
    return b;
}

// Parses and checks the options; no file is touched and nothing is printed.
Befehl BefehlLesen(int argc, char** argv) {
    const QStringList argumente = OhneQtOptionen(argc, argv);
    Optionen o;
    QCommandLineParser& parser = o.parser;
    if (!parser.parse(argumente))
        return Falsch(ParseFehler(o, argumente));
    // The language itself was chosen before parsing; here a bad value is refused.
    if (const QString s = parser.value(o.sprache);
        parser.isSet(o.sprache) && s != QLatin1String("de") && s != QLatin1String("en"))
        return Falsch(Meldung(meldung::kSpracheUnbekannt, {Zeigen(s)}));
    if (parser.isSet(o.hilfe))
        return Nur(Befehl::Art::Hilfe);
    if (parser.isSet(o.version))
        return Nur(Befehl::Art::Version);
    if (Meldungstext fehler = WiederholtOderLeer(o); !fehler.leer())
        return Falsch(fehler);
    Befehl b;
    if (Meldungstext fehler = Grundwerte(o, b); !fehler.leer())
        return Falsch(fehler);
    const bool mitAusgabe =
        parser.isSet(o.ausgabe) ||
        std::any_of(o.kurz.begin(), o.kurz.end(), [&](const auto& k) { return parser.isSet(k); });
    const bool rippenArt = o.Rippenart();
    if (!mitAusgabe && o.Kernart())
        return Falsch(Meldung(meldung::kKernOptionOhneGcode));
    if (!mitAusgabe) {
        if (parser.isSet(o.laenge) || parser.isSet(o.dicke) || parser.isSet(o.seite) ||
            parser.isSet(o.normieren) || rippenArt)
            return Falsch(Meldung(meldung::kNurMitAusgabe));
        return b;
    }
    if (b.datei.empty())
        return Falsch(Meldung(meldung::kAusgabeOhneDatei));
    b.aus.seite = Bytes(parser.value(o.seite));
    if (Meldungstext fehler = Ziele(o, b); !fehler.leer())
        return Falsch(fehler);
    // G-code makes a core; so do the core's options with nothing but paper, the templates.
    if (std::any_of(b.aus.ziele.begin(), b.aus.ziele.end(),
                    [](const Ziel& z) { return z.format->traeger == Traeger::Draht; }) ||
        (o.Kernart() && !b.aus.Blaetter()))
        return Kernbefehl(o, std::move(b));
    if (o.Kernart())
        return Falsch(Meldung(meldung::kKernOptionOhneGcode));
    if (rippenArt)
        return Rippenbefehl(o, std::move(b));
    b.art = Befehl::Art::Umriss;
    b.laenge = Bytes(parser.value(o.laenge));
    b.dicke = Bytes(parser.value(o.dicke));
    b.normieren = parser.isSet(o.normieren);
    return b;
}

// Does what the command asks; an export or a refusal ends the program with its exit code.
Aufruf BefehlAusfuehren(const Befehl& b) {
    switch (b.art) {
    case Befehl::Art::Hilfe:
        std::cout << Meldung(meldung::kHilfe, {BekannteEndungen()}).Text() << FormatHilfe()
                  << Meldung(meldung::kHilfeSchluss).Text()
                  << Meldung(meldung::kHilfeSchaumkern).Text();
        return Ende(0);
    case Befehl::Art::Version:
        std::cout << Meldung(meldung::kVersion, {KESTRUN_VERSION_KURZ, KESTRUN_VERSION_STRING})
                         .Text();
        return Ende(0);
    case Befehl::Art::Falsch:
        return Fehler(2, b.fehler);
    case Befehl::Art::Umriss:
        return Ende(Exportieren(b.datei, b.format, b.laenge, b.dicke, b.normieren, b.aus));
    case Befehl::Art::Rippensatz:
        return Ende(RippenExportieren(b.datei, b.format, b.rippen, b.aus));
    case Befehl::Art::Kern:
        return Ende(KernExportieren(b.datei, b.format, b.kern, b.rippen.spitzenprofil,
                                    b.rippen.dicke, b.aus));
    case Befehl::Art::Fenster:
        break;
    }
    Aufruf aufruf;
    aufruf.format = b.format;
    // The window shows the full path, as the file dialog gives it.
    if (!b.datei.empty())
        aufruf.datei = QFileInfo(QFile::decodeName(QByteArray::fromStdString(b.datei)))
                           .absoluteFilePath()
                           .toStdString();
    return aufruf;
}

} // namespace

Aufruf KommandozeileAuswerten(int argc, char** argv) {
    // The system's reasons in the user's language; numbers stay locale-free throughout.
    std::setlocale(LC_MESSAGES, "");
    return BefehlAusfuehren(BefehlLesen(argc, argv));
}
