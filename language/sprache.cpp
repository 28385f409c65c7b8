#include "language/sprache.h"

#include "res/meldungen.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

Sprache g_sprache = Sprache::Deutsch;

// Loaded once and never freed: Meldung() may be called until the very end.
QTranslator& Katalog() {
    static QTranslator* katalog = new QTranslator;
    return *katalog;
}

std::string AusKatalog(std::string_view kontext, std::string_view text) {
    if (g_sprache == Sprache::Deutsch)
        return std::string(text);
    // QTranslator wants terminated strings.
    const std::string k(kontext);
    const std::string t(text);
    const QString ergebnis = Katalog().translate(k.c_str(), t.c_str());
    return ergebnis.isEmpty() ? t : ergebnis.toStdString();
}

const char* Umgebung(const char* name) {
    return std::getenv(name);
}

} // namespace

std::optional<Sprache> SpracheAusName(std::string_view name) {
    // "en_GB.UTF-8@euro": the language is what comes before the territory, codeset, modifier.
    const std::string_view sprache = name.substr(0, name.find_first_of("_.@"));
    if (sprache == "en")
        return Sprache::Englisch;
    if (sprache == "de")
        return Sprache::Deutsch;
    return std::nullopt;
}

Sprache SpracheAusUmgebung(const char* (*lesen)(const char*)) {
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* wert = lesen(variable);
        if (wert == nullptr || *wert == '\0')
            continue;
        // LANGUAGE is a list of preferences; the first one of ours wins.
        std::string_view liste(wert);
        while (!liste.empty()) {
            const std::size_t ende = liste.find(':');
            if (const auto s = SpracheAusName(liste.substr(0, ende)))
                return *s;
            if (ende == std::string_view::npos)
                break;
            liste.remove_prefix(ende + 1);
        }
        return Sprache::Deutsch;
    }
    return Sprache::Deutsch;
}

std::optional<std::string_view> SpracheArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a(argv[i]);
        if (a == "--")
            break;
        if (a == "--sprache" || a == "-sprache")
            return i + 1 < argc ? std::optional<std::string_view>(argv[i + 1]) : std::nullopt;
        for (std::string_view vorn : {"--sprache=", "-sprache="})
            if (a.substr(0, vorn.size()) == vorn)
                return a.substr(vorn.size());
    }
    return std::nullopt;
}

void SpracheSetzen(Sprache sprache) {
    g_sprache = sprache;
    if (sprache == Sprache::Englisch && Katalog().isEmpty())
        (void)Katalog().load(QStringLiteral(":/i18n/kestrun1_en.qm"));
    UebersetzerSetzen(&AusKatalog);
}

Sprache AktuelleSprache() {
    return g_sprache;
}

void SpracheEinrichten(int argc, char** argv) {
    Sprache sprache = SpracheAusUmgebung(&Umgebung);
    // A bad value is refused by the option parser later; until then the locale decides.
    if (const auto argument = SpracheArgument(argc, argv))
        if (*argument == "de" || *argument == "en")
            sprache = *argument == "en" ? Sprache::Englisch : Sprache::Deutsch;
    SpracheSetzen(sprache);
}

QString Uebersetzung(const char* kontext, const char* text) {
    return QString::fromStdString(AusKatalog(kontext, text));
}

void ToolkitTexteLaden() {
    // English needs no catalogue: the toolkit's own texts are English.
    if (g_sprache != Sprache::Deutsch)
        return;
    static QTranslator* qtTexte = new QTranslator;
    if (qtTexte->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexte);
}
