// Reads a coordinate file into a profile value.
#include "profile/profil.h"

#include "profile/ausduennen.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_profil.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// No coordinate needs more characters; a longer token is rejected without reading it all.
constexpr std::size_t kMaxZahlZeichen = 100;
// A number's end is only certain two characters later ("1e+" needs its digit).
constexpr std::size_t kFenster = kMaxZahlZeichen + 3;
// A message quotes no more of a word than this.
constexpr std::size_t kAnzeigeZeichen = 30;
// Some editors put a UTF-8 byte-order mark before the name line.
constexpr std::string_view kBom = "\xEF\xBB\xBF";

enum class Stoerung { KeineZahl, ZuLang, ZuGross, Lesefehler, DateiZuGross, NameZuLang };

struct Gelesen {
    enum Art { Zahl, Ende, Fehler } art = Ende;
    float wert = 0.0F;
    Stoerung stoerung = Stoerung::KeineZahl;
    std::int64_t zeile = 0;
    std::string token;
};

// Splits the stream after the name line into numbers the way "%f" scans them: by longest
// prefix, so "12abc" yields 12 and leaves "abc". Holds at most one token window of the file.
// CR, LF and CR LF each end one line.
class Zahlenleser {
public:
    explicit Zahlenleser(std::FILE* f) : m_datei(f) {}

    // The name line without its line end and without a byte order mark; cut to 98 bytes, but
    // never inside a UTF-8 character. The rest of the line is skipped.
    std::string NamensZeile() {
        std::string zeile;
        std::size_t laenge = 0;
        int c;
        while ((c = Zeichen()) != EOF && c != '\n' && c != '\r') {
            if (++laenge > kMaxNamensZeile) {
                m_stoerung = Stoerung::NameZuLang;
                break;
            }
            // A few bytes past the limit show whether the cut splits a character.
            if (zeile.size() < kBom.size() + kKommentarBytes + 3)
                zeile += static_cast<char>(c);
        }
        if (c == '\n' || c == '\r')
            Leerraum(c);
        if (std::string_view(zeile).starts_with(kBom))
            zeile.erase(0, kBom.size());
        zeile.resize(Utf8Schnitt(zeile, kKommentarBytes));
        return zeile;
    }

    // Set when the reading must stop for the file as a whole.
    std::optional<Stoerung> Abbruch() const { return m_stoerung; }

    Gelesen Naechste() {
        if (m_rest.empty() && (m_stoerung || !TokenBeginnen()))
            return m_stoerung ? Stoert(*m_stoerung, m_zeile) : Gelesen{};
        Auffuellen();
        const std::size_t laenge = ZahlPraefix(m_rest);
        if (laenge == 0)
            return Stoert(Stoerung::KeineZahl, m_tokenZeile);
        if (laenge > kMaxZahlZeichen)
            return Stoert(Stoerung::ZuLang, m_tokenZeile);
        const auto wert = ZahlAlsFloat(std::string_view(m_rest).substr(0, laenge));
        if (!wert) {
            m_rest.resize(laenge);
            return Stoert(Stoerung::ZuGross, m_tokenZeile);
        }
        Gelesen g;
        g.art = Gelesen::Zahl;
        g.wert = *wert;
        g.zeile = m_tokenZeile;
        g.token = m_rest.substr(0, laenge);
        if (laenge == m_rest.size())
            m_rest.clear();
        else
            m_rest.erase(0, laenge);
        return g;
    }

private:
    int Zeichen() {
        const int c = getc_unlocked(m_datei);
        if (c == EOF) {
            if (std::ferror(m_datei) != 0)
                m_stoerung = Stoerung::Lesefehler;
            return EOF;
        }
        if (m_gelesen == kMaxDateiBytes) {
            m_stoerung = Stoerung::DateiZuGross;
            return EOF;
        }
        ++m_gelesen;
        return c;
    }

    // Counts lines on white space only; a token in between ends a CR's pairing.
    void Leerraum(int c) {
        // The LF of a CR LF pair ends no second line.
        if (c == '\r' || (c == '\n' && !m_nachCr))
            ++m_zeile;
        m_nachCr = c == '\r';
    }

    Gelesen Stoert(Stoerung s, std::int64_t zeile) {
        Gelesen g;
        g.art = Gelesen::Fehler;
        g.stoerung = s;
        g.zeile = zeile;
        g.token = m_rest;
        return g;
    }

    bool TokenBeginnen() {
        int c;
        while ((c = Zeichen()) != EOF && IstLeerraum(c))
            Leerraum(c);
        if (c == EOF)
            return false;
        m_nachCr = false;
        m_tokenZeile = m_zeile;
        m_rest = static_cast<char>(c);
        m_tokenOffen = true;
        return true;
    }

    void Auffuellen() {
        while (m_tokenOffen && m_rest.size() < kFenster) {
            // A read error ends the token; it is reported once the token is used up.
            const int c = Zeichen();
            if (c == EOF || IstLeerraum(c)) {
                if (c != EOF)
                    Leerraum(c);
                m_tokenOffen = false;
                break;
            }
            m_rest += static_cast<char>(c);
        }
    }

    std::FILE* m_datei;
    std::string m_rest;
    bool m_tokenOffen = false;
    bool m_nachCr = false;
    std::optional<Stoerung> m_stoerung;
    std::uint64_t m_gelesen = 0;
    // The line of the next byte; the name line's end makes it 2.
    std::int64_t m_zeile = 1;
    std::int64_t m_tokenZeile = 2;
};

// A word of the file as a message quotes it: printable and at most kAnzeigeZeichen long.
Meldungstext Zitat(std::string token) {
    // Control bytes would garble the message box.
    for (char& c : token)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    std::string text = AlsUtf8(token);
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && zeichen++ == kAnzeigeZeichen) {
            text.resize(i);
            return Meldung(meldung::kGekuerzt, {text});
        }
    }
    return Meldungstext::Woertlich(text);
}

// What stopped the reading, as the clause after the line number.
std::string_view Ursache(const Gelesen& g) {
    if (g.art == Gelesen::Zahl)
        return meldung::kYWertFehlt;
    switch (g.stoerung) {
    case Stoerung::KeineZahl:
        return !g.token.empty() && g.token.front() == ',' ? meldung::kKeineZahlKomma
                                                          : meldung::kKeineZahl;
    case Stoerung::ZuLang:
        return meldung::kZahlZuLang;
    case Stoerung::ZuGross:
        return meldung::kKoordinateZuGross;
    case Stoerung::Lesefehler:
    case Stoerung::DateiZuGross:
    case Stoerung::NameZuLang:
        break;
    }
    return meldung::kLesefehler;
}

Meldungstext Abbruchmeldung(const Gelesen& g, bool teilweise) {
    if (g.art != Gelesen::Zahl && g.stoerung == Stoerung::DateiZuGross)
        return Meldung(meldung::kDateiZuGross, {std::to_string(kMaxDateiBytes >> 20)});
    if (g.art != Gelesen::Zahl && g.stoerung == Stoerung::NameZuLang)
        return Meldung(meldung::kNameZuLang, {std::to_string(kMaxNamensZeile >> 10)});
    return Meldung(teilweise ? meldung::kZeileBisDortGelesen : meldung::kZeileNichtGeladen,
                   {std::to_string(g.zeile), Meldung(Ursache(g), {Zitat(g.token)})});
}

Meldungstext ZuVielePaare() {
    return Meldung(meldung::kZuVielePaare, {std::to_string(kMaxDateiPaare)});
}

struct Paare {
    std::vector<float> x;
    std::vector<float> y;
    std::size_t size() const { return x.size(); }
};

bool IstAnzahl(float wert) {
    return wert >= 2.0F && wert <= static_cast<float>(kMaxDateiPaare) && wert == std::floor(wert);
}

// Lednicer layout: two counts, then each side from the leading edge to the trailing edge.
// Coordinates never pass for counts: the counts must be whole numbers of at least 2 that add
// up to the pairs after them, and each side must run towards larger X.
std::optional<std::size_t> LednicerOben(const Paare& p) {
    if (p.size() < 5 || !IstAnzahl(p.x[0]) || !IstAnzahl(p.y[0]))
        return std::nullopt;
    const auto oben = static_cast<std::size_t>(p.x[0]);
    const auto unten = static_cast<std::size_t>(p.y[0]);
    if (oben + unten != p.size() - 1 || p.x[1] >= p.x[oben] || p.x[oben + 1] >= p.x[p.size() - 1])
        return std::nullopt;
    return oben;
}

// Some programs write their plot limits (x-min x-max y-min y-max) on the line after the name:
// four numbers alone on their line, with pairs on the lines after it. Coordinates come one pair
// to a line, so such a line is never read as two pairs, whatever order its limits are in.
constexpr std::size_t kGrenzenZahlen = 4;

bool IstZeichengrenze(const std::vector<Gelesen>& z) {
    if (z.size() < kGrenzenZahlen + 2 || z[0].zeile != 2)
        return false;
    for (std::size_t i = 1; i < kGrenzenZahlen; ++i)
        if (z[i].zeile != z[0].zeile)
            return false;
    const bool paarFolgt = z[4].zeile > z[0].zeile && z[5].zeile == z[4].zeile &&
                           (z.size() < 7 || z[6].zeile > z[4].zeile);
    return paarFolgt;
}

// Selig order: the upper side reversed, then the lower side; a leading-edge pair that both
// sides repeat is kept once.
Paare SeligReihenfolge(const Paare& p, std::size_t oben) {
    Paare s;
    s.x.reserve(p.size());
    s.y.reserve(p.size());
    for (std::size_t i = oben; i >= 1; --i) {
        s.x.push_back(p.x[i]);
        s.y.push_back(p.y[i]);
    }
    std::size_t anfang = oben + 1;
    if (p.x[anfang] == p.x[1] && p.y[anfang] == p.y[1])
        ++anfang;
    s.x.insert(s.x.end(), p.x.begin() + static_cast<std::ptrdiff_t>(anfang), p.x.end());
    s.y.insert(s.y.end(), p.y.begin() + static_cast<std::ptrdiff_t>(anfang), p.y.end());
    return s;
}

// Shortest text that reads back as the value, always with a decimal point: 1.0, 0.9987.
std::string AlsDezimal(float wert) {
    char text[64];
    const auto ende = std::to_chars(text, text + sizeof text, wert, std::chars_format::fixed).ptr;
    std::string aus(text, ende);
    if (aus.find('.') == std::string::npos)
        aus += ".0";
    return aus;
}

Meldungstext FormatHinweis(ProfilFormat format, float groessteX) {
    if (format == ProfilFormat::Werte && groessteX <= kSeligGrenze)
        return Meldung(meldung::kWohlSelig, {AlsDezimal(groessteX)});
    if (format == ProfilFormat::Selig && groessteX >= 50.0F)
        return Meldung(meldung::kWohlWerte, {AlsDezimal(groessteX)});
    return {};
}

// The pairs after the name line, up to the end or the first word that is not a number.
struct Rohdaten {
    Paare p;
    std::optional<Gelesen> abbruch; // where the reading stopped early
    std::vector<Gelesen> anfang;    // the first numbers with their lines
    Meldungstext fehler;            // the file as a whole is refused
};

Rohdaten PaareLesen(Zahlenleser& leser) {
    Rohdaten r;
    // Room for what the store holds: most files need this one allocation per list, and a long
    // file's lists grow from there in few steps.
    r.p.x.reserve(kMaxPaare + 1);
    r.p.y.reserve(kMaxPaare + 1);
    for (;;) {
        Gelesen gx = leser.Naechste();
        if (gx.art == Gelesen::Ende)
            break;
        if (gx.art == Gelesen::Fehler) {
            r.abbruch = std::move(gx);
            break;
        }
        Gelesen gy = leser.Naechste();
        if (gy.art != Gelesen::Zahl) {
            r.abbruch = gy.art == Gelesen::Ende ? std::move(gx) : std::move(gy);
            break;
        }
        // One pair more than the limit may be the counts of a Lednicer file.
        if (r.p.size() > static_cast<std::size_t>(kMaxDateiPaare)) {
            r.fehler = ZuVielePaare();
            return r;
        }
        if (r.anfang.size() < kGrenzenZahlen + 3) {
            r.anfang.push_back(gx);
            r.anfang.push_back(gy);
        }
        r.p.x.push_back(gx.wert);
        r.p.y.push_back(gy.wert);
    }
    // A file that is too large is refused whatever came before.
    if (const auto s = leser.Abbruch(); s == Stoerung::DateiZuGross || s == Stoerung::NameZuLang) {
        Gelesen g;
        g.stoerung = *s;
        r.fehler = Abbruchmeldung(g, false);
    } else if (r.abbruch && r.p.size() == 0) {
        r.fehler = Abbruchmeldung(*r.abbruch, false);
    }
    return r;
}

// A line of plot limits is dropped, a Lednicer file put into Selig order.
void Ordnen(Rohdaten& r, std::vector<Meldungstext>& warnungen) {
    if (IstZeichengrenze(r.anfang)) {
        r.p.x.erase(r.p.x.begin(), r.p.x.begin() + 2);
        r.p.y.erase(r.p.y.begin(), r.p.y.begin() + 2);
        std::string zahlen;
        for (std::size_t i = 0; i < kGrenzenZahlen; ++i)
            zahlen += (i ? " " : "") + r.anfang[i].token;
        warnungen.push_back(
            Meldung(meldung::kZeichengrenzen, {std::to_string(r.anfang[0].zeile), Zitat(zahlen)}));
    }
    if (const auto oben = LednicerOben(r.p))
        r.p = SeligReihenfolge(r.p, *oben);
}

// The pairs the store keeps: all of them, or the most important kMaxPaare.
std::vector<std::int32_t> Behalten(const Paare& p, double faktor,
                                   std::vector<Meldungstext>& warnungen) {
    std::vector<std::int32_t> behalten;
    if (p.size() <= static_cast<std::size_t>(kMaxPaare)) {
        behalten.resize(p.size());
        std::iota(behalten.begin(), behalten.end(), 0);
        return behalten;
    }
    // Chosen on the file's own values, so both formats keep the same pairs; the deviation in
    // internal units is the one in file units times the scale.
    const std::vector<double> x(p.x.begin(), p.x.end());
    const std::vector<double> y(p.y.begin(), p.y.end());
    const auto nase = std::min_element(p.x.begin(), p.x.end()) - p.x.begin();
    behalten = Ausduennen(x, y, kMaxPaare, static_cast<std::size_t>(nase));
    const double abweichung = GroessteAbweichung(x, y, behalten) * faktor;
    warnungen.push_back(Meldung(meldung::kAusgeduennt,
                                {std::to_string(p.size()), std::to_string(kMaxPaare),
                                 Dezimal(abweichung / kEinheitenJeProfiltiefe * 100, 4, false)}));
    return behalten;
}

// The kept pairs from slot 1, every other slot zero: the file value is rounded to single
// precision first, and the product with the scale is exact in double.
std::int32_t Speichern(const Paare& p, const std::vector<std::int32_t>& behalten, double faktor,
                       ProfilSpeicher& ziel) {
    ziel = ProfilSpeicher{};
    for (std::size_t k = 0; k < behalten.size(); ++k) {
        ziel.x[k + 1] = static_cast<double>(p.x[behalten[k]]) * faktor;
        ziel.y[k + 1] = static_cast<double>(p.y[behalten[k]]) * faktor;
    }
    const auto anzahl = static_cast<std::int32_t>(behalten.size());
    ziel.ende = anzahl + 1;
    return anzahl;
}

Profil Lesen(std::FILE* stream, std::optional<ProfilFormat> gewaehlt) {
    Profil ergebnis{};
    ergebnis.format = gewaehlt.value_or(ProfilFormat::Selig);
    Zahlenleser leser(stream);
    ergebnis.kommentar = leser.NamensZeile();

    Rohdaten roh = PaareLesen(leser);
    if (!roh.fehler.leer()) {
        ergebnis.fehler = roh.fehler;
        return ergebnis;
    }
    if (roh.abbruch)
        ergebnis.warnungen.push_back(Abbruchmeldung(*roh.abbruch, true));
    Ordnen(roh, ergebnis.warnungen);
    const Paare& p = roh.p;
    if (p.size() == 0) {
        ergebnis.fehler = Meldung(meldung::kKeinePaare);
        return ergebnis;
    }
    if (p.size() > static_cast<std::size_t>(kMaxDateiPaare)) {
        ergebnis.fehler = ZuVielePaare();
        return ergebnis;
    }

    float groessteX = 0.0F;
    for (const float x : p.x)
        groessteX = std::max(groessteX, std::fabs(x));
    const ProfilFormat format =
        gewaehlt.value_or(groessteX > kSeligGrenze ? ProfilFormat::Werte : ProfilFormat::Selig);
    const double faktor = Massstab(format);

    const std::vector<std::int32_t> behalten = Behalten(p, faktor, ergebnis.warnungen);
    if (Meldungstext hinweis = FormatHinweis(format, groessteX); !hinweis.leer()) {
        ergebnis.warnungen.push_back(hinweis);
        ergebnis.formatHinweis = hinweis;
        ergebnis.anderesFormat =
            format == ProfilFormat::Selig ? ProfilFormat::Werte : ProfilFormat::Selig;
    }
    ergebnis.anzahl = Speichern(p, behalten, faktor, ergebnis.punkte);
    ergebnis.format = format;
    return ergebnis;
}

} // namespace

double Massstab(ProfilFormat format) {
    return format == ProfilFormat::Selig ? kEinheitenJeProfiltiefe : kEinheitenJeProfiltiefe / 100;
}

Profil LeseProfil(std::FILE* stream, ProfilFormat format) {
    return Lesen(stream, format);
}

Profil LeseProfilErkannt(std::FILE* stream) {
    return Lesen(stream, std::nullopt);
}
