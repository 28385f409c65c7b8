// Reads a coordinate file into the program-wide profile store.
#include "profile/profil.h"

#include "profile/text.h"
#include "profile/zahl.h"

#include <algorithm>
#include <optional>
#include <string_view>

ProfilSpeicher g_profil;

namespace {

constexpr std::size_t kKommentarBytes = 98;
// No coordinate needs more characters; a longer token is rejected without reading it all.
constexpr std::size_t kMaxZahlZeichen = 100;
// A number's end is only certain two characters later ("1e+" needs its digit).
constexpr std::size_t kFenster = kMaxZahlZeichen + 3;
constexpr std::size_t kAnzeigeZeichen = 30;

bool IstLeerraum(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

enum class Stoerung { KeineZahl, ZuLang, ZuGross, Lesefehler };

struct Gelesen {
    enum Art { Zahl, Ende, Fehler } art = Ende;
    float wert = 0.0F;
    Stoerung stoerung = Stoerung::KeineZahl;
    std::int32_t zeile = 0;
    std::string token;
};

// Splits the stream after the name line into numbers the way "%f" scans them: by longest
// prefix, so "12abc" yields 12 and leaves "abc". Holds at most one token window of the file.
class Zahlenleser {
public:
    explicit Zahlenleser(std::FILE* f) : datei_(f) {}

    std::string NamensZeile() {
        std::string zeile;
        int c;
        bool zeilenende = false;
        while ((c = getc_unlocked(datei_)) != EOF) {
            if (c == '\n') {
                zeilenende = true;
                break;
            }
            if (zeile.size() <= kKommentarBytes)
                zeile += static_cast<char>(c);
        }
        // The carriage return of a CR LF pair belongs to the line end, not to the name.
        if (zeilenende && !zeile.empty() && zeile.size() <= kKommentarBytes && zeile.back() == '\r')
            zeile.pop_back();
        if (zeile.size() > kKommentarBytes)
            zeile.resize(kKommentarBytes);
        if (std::ferror(datei_) != 0) {
            lesefehler_ = true;
            zeile_ = 1;
        }
        return zeile;
    }

    Gelesen Naechste() {
        if (rest_.empty() && (lesefehler_ || !TokenBeginnen()))
            return lesefehler_ ? Stoert(Stoerung::Lesefehler, zeile_) : Gelesen{};
        Auffuellen();
        const std::size_t laenge = ZahlPraefix(rest_);
        if (laenge == 0)
            return Stoert(Stoerung::KeineZahl, tokenZeile_);
        if (laenge > kMaxZahlZeichen)
            return Stoert(Stoerung::ZuLang, tokenZeile_);
        const auto wert = ZahlAlsFloat(std::string_view(rest_).substr(0, laenge));
        if (!wert) {
            rest_.resize(laenge);
            return Stoert(Stoerung::ZuGross, tokenZeile_);
        }
        Gelesen g;
        g.art = Gelesen::Zahl;
        g.wert = *wert;
        g.zeile = tokenZeile_;
        g.token = rest_.substr(0, laenge);
        rest_.erase(0, laenge);
        return g;
    }

private:
    Gelesen Stoert(Stoerung s, std::int32_t zeile) {
        Gelesen g;
        g.art = Gelesen::Fehler;
        g.stoerung = s;
        g.zeile = zeile;
        g.token = rest_;
        return g;
    }

    bool TokenBeginnen() {
        int c;
        while ((c = getc_unlocked(datei_)) != EOF && IstLeerraum(c))
            if (c == '\n')
                ++zeile_;
        if (c == EOF) {
            lesefehler_ = std::ferror(datei_) != 0;
            return false;
        }
        tokenZeile_ = zeile_;
        rest_ = static_cast<char>(c);
        tokenOffen_ = true;
        return true;
    }

    void Auffuellen() {
        while (tokenOffen_ && rest_.size() < kFenster) {
            const int c = getc_unlocked(datei_);
            if (c == EOF || IstLeerraum(c)) {
                tokenOffen_ = false;
                if (c == '\n')
                    ++zeile_;
                // A read error ends the token; it is reported once the token is used up.
                lesefehler_ = c == EOF && std::ferror(datei_) != 0;
                break;
            }
            rest_ += static_cast<char>(c);
        }
    }

    std::FILE* datei_;
    std::string rest_;
    bool tokenOffen_ = false;
    bool lesefehler_ = false;
    std::int32_t zeile_ = 2;
    std::int32_t tokenZeile_ = 2;
};

std::string Zitat(const std::string& token) {
    std::string text = AlsUtf8(token);
    // Control bytes would garble the message box.
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && zeichen++ == kAnzeigeZeichen) {
            text.resize(i);
            text += "...";
            break;
        }
    }
    return "\"" + text + "\"";
}

std::string Meldung(const Gelesen& g, bool teilweise) {
    std::string text = "Zeile " + std::to_string(g.zeile) + ": ";
    if (g.art == Gelesen::Zahl) {
        text += "Zur Zahl " + Zitat(g.token) + " fehlt der Y-Wert";
    } else {
        switch (g.stoerung) {
        case Stoerung::KeineZahl:
            text += Zitat(g.token) + " ist keine Zahl";
            if (!g.token.empty() && g.token.front() == ',')
                text += " (Dezimaltrennzeichen ist der Punkt)";
            break;
        case Stoerung::ZuLang:
            text += Zitat(g.token) + " ist keine Zahl (zu lang)";
            break;
        case Stoerung::ZuGross:
            text += Zitat(g.token) + " ist als Koordinate zu groß";
            break;
        case Stoerung::Lesefehler:
            text += "Lesefehler";
            break;
        }
    }
    return text +
           (teilweise ? "; die Datei wurde bis dort gelesen." : "; die Datei wurde nicht geladen.");
}

} // namespace

LeseErgebnis LeseProfil(std::FILE* stream, ProfilFormat format) {
    const double faktor = format == ProfilFormat::Selig ? 10000.0 : 100.0;
    LeseErgebnis ergebnis{};
    Zahlenleser leser(stream);
    ergebnis.kommentar = leser.NamensZeile();

    double x[kMaxPaare];
    double y[kMaxPaare];
    std::int32_t paare = 0;
    std::optional<Gelesen> abbruch;
    for (;;) {
        Gelesen gx = leser.Naechste();
        if (gx.art == Gelesen::Ende)
            break;
        if (gx.art == Gelesen::Fehler) {
            abbruch = std::move(gx);
            break;
        }
        Gelesen gy = leser.Naechste();
        if (gy.art != Gelesen::Zahl) {
            abbruch = gy.art == Gelesen::Ende ? std::move(gx) : std::move(gy);
            break;
        }
        if (paare == kMaxPaare) {
            ergebnis.fehler = "Die Datei enthält mehr als 198 Koordinatenpaare.";
            return ergebnis;
        }
        // The file value is rounded to single precision first; the product is exact in double.
        x[paare] = static_cast<double>(gx.wert) * faktor;
        y[paare] = static_cast<double>(gy.wert) * faktor;
        ++paare;
    }
    if (abbruch) {
        if (paare == 0) {
            ergebnis.fehler = Meldung(*abbruch, false);
            return ergebnis;
        }
        ergebnis.warnung = Meldung(*abbruch, true);
    }

    std::fill(std::begin(g_profil.x), std::end(g_profil.x), 0.0);
    std::fill(std::begin(g_profil.y), std::end(g_profil.y), 0.0);
    std::copy(x, x + paare, g_profil.x + 1);
    std::copy(y, y + paare, g_profil.y + 1);
    g_profil.ende = paare + 1;
    ergebnis.anzahl = paare;
    return ergebnis;
}
