// The settings file's INI against the toolkit's own reader and writer: each reads what the other
// wrote, for keys and values that need escaping.
#include "output/ini.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const IniWerte kWerte = {
    {"Oben", "ohne Gruppe"},
    {"General/x", "eine Gruppe namens General"},
    {"Gruppe/Einfach", "abc"},
    {"Gruppe/Leer", ""},
    {"Gruppe/Komma", "a,b"},
    {"Gruppe/Semikolon", "a;b ; c"},
    {"Gruppe/Gleich", "a=b"},
    {"Gruppe/Rand", "  innen  "},
    {"Gruppe/Klammeraffe", "@Variant(x)"},
    {"Gruppe/Doppelt", "@@"},
    {"Gruppe/Zeichen", "a\"b\\c'd#e[f]"},
    {"Gruppe/Steuer", "a\tb\nc\x01"
                      "d\x1f"
                      "F\r"},
    {"Gruppe/Umlaut", "Größe ä € 𝄞"},
    {"Ordner/Laden", "/home/jürgen/Profile mit Leerzeichen"},
    {"Kalibrierung/HP LaserJet (Büro)%/quer", "1.01"},
    {"Kalibrierung/名前\\mit/laengs", "0.99"},
    {"Ümlaut Gruppe/k", "v"},
    {"Zuletzt/Datei1", "/tmp/a,b;c=d.dat"},
};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

TEST(Ini, DasToolkitLiestWasGeschriebenWurde) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("e.conf");
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(IniText(kWerte)));
    }
    const QSettings ini(datei, QSettings::IniFormat);
    ASSERT_EQ(ini.status(), QSettings::NoError);
    EXPECT_EQ(ini.allKeys().size(), static_cast<qsizetype>(kWerte.size()));
    for (const auto& [schluessel, wert] : kWerte) {
        const QVariant gelesen = ini.value(Q(schluessel));
        EXPECT_EQ(gelesen.typeId(), QMetaType::QString) << schluessel;
        EXPECT_EQ(gelesen.toString(), Q(wert)) << schluessel;
    }
}

TEST(Ini, LiestWasDasToolkitSchrieb) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("e.conf");
    {
        QSettings ini(datei, QSettings::IniFormat);
        for (const auto& [schluessel, wert] : kWerte)
            ini.setValue(Q(schluessel), Q(wert));
        // Values of other kinds are no text of ours and read as missing.
        ini.setValue("Fremd/Liste", QStringList{"a", "b"});
        ini.setValue("Fremd/Zahl", 42);
        ini.setValue("Fremd/Bytes", QByteArray("\x01\x02", 2));
    }
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    IniWerte gelesen = LiesIni(std::string_view(inhalt.data(), inhalt.size()));
    // A whole number is written as a bare text, as the program's own numbers are.
    EXPECT_EQ(gelesen["Fremd/Zahl"], "42");
    gelesen.erase("Fremd/Zahl");
    EXPECT_EQ(gelesen, kWerte);
}

TEST(Ini, UnsinnigeZeilenWerdenUebergangen) {
    const struct {
        const char* text;
        IniWerte erwartet;
    } faelle[] = {
        {"", {}},
        {"\xEF\xBB\xBF[G]\r\nk=v\r\n", {{"G/k", "v"}}},
        {"ohne Gleichheitszeichen\n[G\nk = v ; Kommentar\n=leer\n", {{"G/k", "v"}}},
        {"[G]\nk=\"offen\n", {{"G/k", "offen"}}},
        {"[G]\nk=a\\\n b\n", {{"G/k", "a b"}}},
        {"[G]\nk=\\x\n", {{"G/k", ""}}},
        {"[%G%]\nk%U12=v\n", {{"%G%/k\x12", "v"}}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(LiesIni(f.text), f.erwartet) << f.text;
}

} // namespace
