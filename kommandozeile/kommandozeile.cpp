// The command line of kestrun1.
#include "kommandozeile/kommandozeile.h"

#include "drawing/druckwerte.h"
#include "export/umriss.h"
#include "kommandozeile/pdf.h"
#include "output/schreiben.h"
#include "profile/datei.h"
#include "profile/text.h"

#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <clocale>
#include <cstdio>
#include <iostream>

namespace {

const char* const kHilfe =
    "Aufruf: kestrun1 [Optionen] [DATEI]\n"
    "\n"
    "Liest eine Profil-Koordinatendatei (Selig 0.0 ... 1.0 oder Werte 0.0 ... 100.0), zeigt,\n"
    "plottet und druckt sie in wahrer Größe. Ohne --pdf, --svg oder --dxf öffnet sich das\n"
    "Fenster, mit DATEI schon geladen.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help              diese Hilfe\n"
    "  -v, --version           die Version\n"
    "  --format selig|werte    Format der Datei; ohne Angabe entscheiden die Zahlen\n"
    "  --pdf AUSGABE.pdf       den Ausdruck als PDF schreiben, ohne Fenster\n"
    "  --svg AUSGABE.svg       den Umriss als SVG schreiben (Laser, Schneideplotter)\n"
    "  --dxf AUSGABE.dxf       den Umriss als DXF schreiben (CAD, Fräse)\n"
    "  --laenge MM             Profiltiefe in mm, Vorgabe 100 (Komma oder Punkt)\n"
    "  --dicke PROZENT         Dicke in % der Originaldicke, Vorgabe 100\n"
    "  --seite A4|A3|Letter    Papier für --pdf, hochkant, Vorgabe A4\n"
    "  --normieren             einen Umriss, der nicht so lang ist wie die Profiltiefe (falsches\n"
    "                          Format, Millimeter, ein Ausreißer), auf die Profiltiefe skalieren\n"
    "\n"
    "Passt das Profil nicht auf eine Seite, schreibt --pdf mehrere Seiten mit Passkreuzen.\n"
    "Exit-Code: 0 erledigt, 1 Datei oder Wert abgelehnt, 2 falsche Option.\n"
    "\n"
    "Beispiel: kestrun1 --pdf rippe.pdf --laenge 150,5 naca2412.dat\n";

Aufruf Ende(int code) {
    Aufruf a;
    a.beenden = true;
    a.exitCode = code;
    return a;
}

Aufruf Fehler(int code, const std::string& text) {
    std::cerr << "kestrun1: " << text << '\n';
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

struct Ausgaben {
    std::string pdf, svg, dxf, seite;
};

// Loads the file, checks the job, makes every output and writes them all or none; 0 or 1.
int Exportieren(const std::string& datei, std::optional<ProfilFormat> format,
                const std::string& laenge, const std::string& dicke, bool normieren,
                const Ausgaben& aus) {
    std::string fehler;
    std::FILE* f = OeffneProfilDatei(datei, fehler);
    if (f == nullptr) {
        std::cerr << "kestrun1: " << fehler << '\n';
        return 1;
    }
    const LeseErgebnis ergebnis = format ? LeseProfil(f, *format) : LeseProfilErkannt(f);
    std::fclose(f);
    if (!ergebnis.fehler.empty()) {
        std::cerr << "kestrun1: " << AlsUtf8(datei) << ": " << ergebnis.fehler << '\n';
        return 1;
    }
    if (!ergebnis.warnung.empty())
        std::cerr << "kestrun1: " << AlsUtf8(datei) << ": " << ergebnis.warnung << '\n';

    const Auftrag auftrag{&g_profil, ergebnis.kommentar, datei, laenge, dicke, normieren};
    const Umriss umriss = PruefeAuftrag(auftrag);
    if (umriss.befund != Befund::Gut) {
        std::cerr << "kestrun1: " << umriss.fehler
                  << (umriss.befund == Befund::LaengeWeichtAb
                          ? " Mit --normieren wird der Umriss auf die Profiltiefe skaliert."
                          : "")
                  << '\n';
        return 1;
    }
    // Every target is checked before any work is done.
    for (const std::string* ziel : {&aus.pdf, &aus.svg, &aus.dxf}) {
        if (ziel->empty())
            continue;
        if (const std::string grund = PruefeZiel(*ziel, {datei}); !grund.empty()) {
            std::cerr << "kestrun1: " << grund << '\n';
            return 1;
        }
    }

    std::vector<Ausgabedatei> dateien;
    if (!aus.pdf.empty()) {
        // No display is needed: the pages are painted offscreen. The toolkit's remarks about
        // that setting would only clutter a shell loop's output.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
            if (art == QtCriticalMsg || art == QtFatalMsg)
                std::cerr << "kestrun1: " << AlsUtf8(text.toStdString()) << '\n';
        });
        int argc = 1;
        char name[] = "kestrun1";
        char* argv[] = {name, nullptr};
        QApplication anwendung(argc, argv);
        std::string pdf;
        if (std::string grund = PdfDokument(aus.seite, auftrag, umriss, pdf); !grund.empty()) {
            std::cerr << "kestrun1: " << grund << '\n';
            return 1;
        }
        dateien.push_back({aus.pdf, std::move(pdf)});
    }
    if (!aus.svg.empty())
        dateien.push_back({aus.svg, SvgText(umriss, ergebnis.kommentar)});
    if (!aus.dxf.empty())
        dateien.push_back({aus.dxf, DxfText(umriss, ergebnis.kommentar)});
    if (const std::string grund = SchreibeDateien(dateien, {datei}); !grund.empty()) {
        std::cerr << "kestrun1: " << grund << '\n';
        return 1;
    }
    return 0;
}

} // namespace

Aufruf KommandozeileAuswerten(int argc, char** argv) {
    // The system's reasons in the user's language; numbers stay locale-free throughout.
    std::setlocale(LC_MESSAGES, "");
    // The toolkit's own options (-style fusion, -platform xcb, ...) belong to the window; the
    // application object takes them from argv later.
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

    QCommandLineParser parser;
    // "-bla" is one unknown option, not -b -l -a.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe({"h", "help"}, {});
    const QCommandLineOption version({"v", "version"}, {});
    const QCommandLineOption format("format", {}, "selig|werte");
    const QCommandLineOption pdf("pdf", {}, "AUSGABE.pdf");
    const QCommandLineOption svg("svg", {}, "AUSGABE.svg");
    const QCommandLineOption dxf("dxf", {}, "AUSGABE.dxf");
    const QCommandLineOption laenge("laenge", {}, "MM", "100");
    const QCommandLineOption dicke("dicke", {}, "PROZENT", "100");
    const QCommandLineOption seite("seite", {}, "A4|A3|Letter", "A4");
    const QCommandLineOption normieren("normieren");
    parser.addOptions({hilfe, version, format, pdf, svg, dxf, laenge, dicke, seite, normieren});
    parser.addPositionalArgument("DATEI", {});

    if (!parser.parse(argumente)) {
        const QStringList unbekannt = parser.unknownOptionNames();
        return Fehler(2, unbekannt.isEmpty()
                             ? "Einer Option fehlt ihr Wert (kestrun1 --help zeigt alle)."
                             : "Unbekannte Option „" + Zeigen(unbekannt.first()) +
                                   "“ (kestrun1 --help zeigt alle).");
    }
    if (parser.isSet(hilfe)) {
        std::cout << kHilfe;
        return Ende(0);
    }
    if (parser.isSet(version)) {
        // The short form the About box shows, and the full one the package carries.
        std::cout << "Kestrun1 Version " KESTRUN_VERSION_KURZ " (" KESTRUN_VERSION_STRING ")\n";
        return Ende(0);
    }

    Aufruf aufruf;
    if (parser.isSet(format)) {
        const QString wert = parser.value(format).toLower();
        if (wert == QLatin1String("selig"))
            aufruf.format = ProfilFormat::Selig;
        else if (wert == QLatin1String("werte"))
            aufruf.format = ProfilFormat::Werte;
        else
            return Fehler(2, "--format kennt nur selig oder werte, nicht „" +
                                 Zeigen(parser.value(format)) + "“.");
    }
    const QString papier = parser.value(seite);
    if (papier != QLatin1String("A4") && papier != QLatin1String("A3") &&
        papier != QLatin1String("Letter"))
        return Fehler(2, "--seite kennt nur A4, A3 oder Letter, nicht „" + Zeigen(papier) + "“.");
    const QStringList dateien = parser.positionalArguments();
    if (dateien.size() > 1)
        return Fehler(2, "Bitte nur eine Datei nennen.");
    if (!dateien.isEmpty())
        aufruf.datei = Bytes(dateien.first());

    const Ausgaben aus{Bytes(parser.value(pdf)), Bytes(parser.value(svg)), Bytes(parser.value(dxf)),
                       Bytes(papier)};
    const bool ausgabe = parser.isSet(pdf) || parser.isSet(svg) || parser.isSet(dxf);
    if (!ausgabe) {
        if (parser.isSet(laenge) || parser.isSet(dicke) || parser.isSet(seite) ||
            parser.isSet(normieren))
            return Fehler(2, "--laenge, --dicke, --seite und --normieren gelten nur mit --pdf, "
                             "--svg oder --dxf.");
        // The window shows the full path, as the file dialog gives it.
        aufruf.datei = dateien.isEmpty()
                           ? std::string()
                           : QFileInfo(QFile::decodeName(QByteArray::fromStdString(aufruf.datei)))
                                 .absoluteFilePath()
                                 .toStdString();
        return aufruf;
    }
    if (aufruf.datei.empty())
        return Fehler(2, "Zu --pdf, --svg und --dxf gehört eine Profildatei.");
    if ((parser.isSet(pdf) && aus.pdf.empty()) || (parser.isSet(svg) && aus.svg.empty()) ||
        (parser.isSet(dxf) && aus.dxf.empty()))
        return Fehler(2, "Der Name der Ausgabedatei fehlt.");
    return Ende(Exportieren(aufruf.datei, aufruf.format, Bytes(parser.value(laenge)),
                            Bytes(parser.value(dicke)), parser.isSet(normieren), aus));
}
