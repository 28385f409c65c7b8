// The rib-set dialog.
#include "app/rippensatzdlg.h"

#include "app/einstellungen.h"
#include "app/profilfenster.h"
#include "app/profilwahl.h"
#include "language/sprache.h"
#include "model/blattplan.h"
#include "output/druckwerte.h"
#include "profile/datei.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_fenster.h"
#include "res/meldungen_rippen.h"
#include "res/meldungen_rippensatz.h"
#include "res/resource.h"
#include "res/zeichenketten.h"
#include "ribs/anordnung.h"
#include "ui/dateidialog.h"
#include "ui/dialogeinheiten.h"
#include "ui/meldefenster.h"
#include "ui/rippenbild.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <tuple>

namespace {

// Named in messages, translated where the message is made.
constexpr Rippenfeldnamen kFelder{.rippen = QT_TRANSLATE_NOOP("meldung", "Anzahl Rippen"),
                                  .wurzel = QT_TRANSLATE_NOOP("meldung", "Wurzel"),
                                  .spitze = QT_TRANSLATE_NOOP("meldung", "Spitze"),
                                  .laenge = QT_TRANSLATE_NOOP("meldung", "Profillänge"),
                                  .beplankung = QT_TRANSLATE_NOOP("meldung", "Beplankung"),
                                  .nasenleiste = QT_TRANSLATE_NOOP("meldung", "Nasenleiste"),
                                  .endleiste = QT_TRANSLATE_NOOP("meldung", "Endleiste"),
                                  .platte = QT_TRANSLATE_NOOP("meldung", "Platte"),
                                  .kopien = QT_TRANSLATE_NOOP("meldung", "Stück je Rippe"),
                                  .zusatz = {QT_TRANSLATE_NOOP("meldung", "Schnittbreite"),
                                             QT_TRANSLATE_NOOP("meldung", "Schränkung"),
                                             QT_TRANSLATE_NOOP("meldung", "Helling"),
                                             QT_TRANSLATE_NOOP("meldung", "Erleichterung")}};

// A value field: where it is kept, its object name, its label and its value before any is kept
// (none: the main window's).
struct Satzzeile {
    Texteinstellung einstellung;
    const char* name;
    const char* beschriftung;
    const char* vorgabe;
};

// In the order of Satzfeld.
constexpr Satzzeile kSatzzeilen[kSatzfelder] = {
    {kSatzWurzel, "wurzel", QT_TRANSLATE_NOOP("dialog", "Wurzel in mm:"), "200"},
    {kSatzSpitze, "spitze", QT_TRANSLATE_NOOP("dialog", "Spitze in mm:"), "150"},
    {kSatzAnzahl, "anzahl", QT_TRANSLATE_NOOP("dialog", "Anzahl Rippen:"), "9"},
    {kSatzKopien, "kopien", QT_TRANSLATE_NOOP("dialog", "Stück je Rippe:"), ""},
    {kSatzBeplankungOben, "beplankungOben", QT_TRANSLATE_NOOP("dialog", "Beplankung oben in mm:"),
     ""},
    {kSatzBeplankungUnten, "beplankungUnten",
     QT_TRANSLATE_NOOP("dialog", "Beplankung unten in mm:"), ""},
    {kSatzNasenleiste, "nasenleiste", QT_TRANSLATE_NOOP("dialog", "Nasenleiste in mm:"), "0"},
    {kSatzEndleiste, "endleiste", QT_TRANSLATE_NOOP("dialog", "Endleiste in mm:"), "0"},
    {kSatzPlatte, "platte", QT_TRANSLATE_NOOP("dialog", "Platte in mm:"), "600x300"},
    {kSatzDicke, "dicke", QT_TRANSLATE_NOOP("dialog", "Profildicke in %:"), nullptr},
    {kSatzSchnittbreite, "schnittbreite", QT_TRANSLATE_NOOP("dialog", "Schnittbreite in mm:"), ""},
    {kSatzSchraenkung, "schraenkung", QT_TRANSLATE_NOOP("dialog", "Schränkung in °:"), ""},
    {kSatzDrehpunkt, "drehpunkt", QT_TRANSLATE_NOOP("dialog", "Drehpunkt in %:"), ""},
    {kSatzHelling, "helling", QT_TRANSLATE_NOOP("dialog", "Helling in mm:"), ""},
    {kSatzLoecher, "loecher", QT_TRANSLATE_NOOP("dialog", "Löcher je Rippe:"), ""},
    {kSatzSteg, "steg", QT_TRANSLATE_NOOP("dialog", "Steg der Löcher in mm:"), ""},
};

QString Tr(const char* text) {
    return Uebersetzung("dialog", text);
}

QString Qt8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string HolmText(const std::string& ort, const std::string& breite, const std::string& tiefe,
                     bool unten) {
    return ort + ":" + breite + ":" + tiefe + (unten ? ":unten" : ":oben");
}

// The field of each value the shared reader refuses.
std::optional<Satzfeld> FeldVon(Rippenwert wert) {
    const std::pair<Rippenwert, Satzfeld> felder[] = {
        {Rippenwert::Rippen, Satzfeld::Anzahl},
        {Rippenwert::Wurzel, Satzfeld::Wurzel},
        {Rippenwert::Spitze, Satzfeld::Spitze},
        {Rippenwert::Beplankung, Satzfeld::BeplankungOben},
        {Rippenwert::BeplankungUnten, Satzfeld::BeplankungUnten},
        {Rippenwert::Nasenleiste, Satzfeld::Nasenleiste},
        {Rippenwert::Endleiste, Satzfeld::Endleiste},
        {Rippenwert::Platte, Satzfeld::Platte},
        {Rippenwert::Kopien, Satzfeld::Kopien},
        {Rippenwert::Schnittbreite, Satzfeld::Schnittbreite},
        {Rippenwert::Schraenkung, Satzfeld::Schraenkung},
        {Rippenwert::Drehpunkt, Satzfeld::Drehpunkt},
        {Rippenwert::Helling, Satzfeld::Helling},
        {Rippenwert::Loecher, Satzfeld::Loecher},
        {Rippenwert::Steg, Satzfeld::Steg}};
    for (const auto& [w, feld] : felder)
        if (w == wert)
            return feld;
    return std::nullopt;
}

// "OBEN:UNTEN", or one value when both sides are alike; an empty side has none.
std::string Beplankung(const std::string& oben, const std::string& unten) {
    if (oben == unten)
        return oben;
    return (oben.empty() ? "0" : oben) + ":" + (unten.empty() ? "0" : unten);
}

// Rib k of the set (from 1) is this long, as the ribs library makes it.
double RippenLaenge(const RippenAuftrag& a, int k) {
    const int n = a.anzahl.value_or(1);
    return n < 2 ? a.wurzel : a.wurzel + (a.spitze - a.wurzel) * (k - 1) / (n - 1);
}

Dezimalzahl Mm(double wert) {
    return Dezimal(wert, 1, false);
}

// A spar that leaves rib `rippe` only because the stock is cut off there: the stock's field and
// the message that blames it; nothing when the spar itself is at fault.
std::optional<std::pair<Satzfeld, Meldungstext>> LeisteImHolm(const RippenAuftrag& a,
                                                              std::size_t index,
                                                              const std::string& rippe,
                                                              const std::string& nr) {
    const RippenOptionen& o = a.optionen;
    const auto nummer = FeldAlsZahl(rippe);
    const double laenge = RippenLaenge(a, nummer ? AufInt(*nummer) : 1);
    const Holm& h = o.holme[index];
    const double mitte = h.inProzent ? h.ort / 100 * laenge : h.ort;
    const double links = mitte - h.breite / 2;
    const double rechts = mitte + h.breite / 2;
    if (links < 0 || rechts > laenge)
        return std::nullopt;
    for (const auto& [breite, feld, name, trifft] :
         {std::tuple{o.nasenleiste, Satzfeld::Nasenleiste,
                     QT_TRANSLATE_NOOP("meldung", "Nasenleiste"), links < o.nasenleiste},
          std::tuple{o.endleiste, Satzfeld::Endleiste, QT_TRANSLATE_NOOP("meldung", "Endleiste"),
                     rechts > laenge - o.endleiste}})
        if (breite > 0 && trifft)
            return std::pair{
                feld, Meldung(meldung::kRsLeisteImHolm,
                              {Meldung(name), MmText(breite), rippe, nr, Mm(links), Mm(rechts)})};
    return std::nullopt;
}

} // namespace

RippensatzDialog::RippensatzDialog(Profilfenster& haupt) : QDialog(&haupt), m_haupt(haupt) {
    setWindowTitle(Tr(QT_TRANSLATE_NOOP("dialog", "Rippensatz")));
    auto* raster = new QGridLayout(this);
    // Created top to bottom, left column first: the tab order follows.
    raster->addLayout(FelderAnlegen(), 0, 0);
    auto* rechts = new QVBoxLayout;
    rechts->addLayout(SpitzenzeileAnlegen());
    rechts->addLayout(HolmeAnlegen());
    const DialogBasis basis = DialogBasisVon(font());
    m_bild = new Rippenbild(this);
    m_bild->setObjectName(QStringLiteral("bild"));
    m_bild->setMinimumSize(InPixel(basis, 0, 0, 292, 160).size());
    m_bild->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_meldung = new QLabel(this);
    m_meldung->setObjectName(QStringLiteral("meldung"));
    m_meldung->setWordWrap(true);
    // Two lines whatever the text: the drawing keeps its size.
    m_meldung->setFixedHeight(2 * fontMetrics().lineSpacing());
    m_meldung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rechts->addWidget(m_bild, 1);
    rechts->addWidget(m_meldung);
    raster->addLayout(rechts, 0, 1);
    raster->setColumnStretch(1, 1);
    raster->addLayout(KnoepfeAnlegen(), 1, 0, 1, 2);
    EinstellungenLesen();
    Zeichnen();
}

QLayout* RippensatzDialog::FelderAnlegen() {
    auto* form = new QFormLayout;
    const int breite = fontMetrics().horizontalAdvance(QStringLiteral("600x300,0")) + 12;
    for (std::size_t i = 0; i < kSatzfelder; ++i) {
        auto* feld = new QLineEdit(this);
        feld->setObjectName(QString::fromLatin1(kSatzzeilen[i].name));
        feld->setFixedWidth(breite);
        // A value counts once its field is left, as the main window replots.
        connect(feld, &QLineEdit::editingFinished, this, &RippensatzDialog::Zeichnen);
        m_felder[i] = feld;
        form->addRow(Tr(kSatzzeilen[i].beschriftung), feld);
    }
    auto* schalter = new QHBoxLayout;
    m_glaetten = new QCheckBox(Tr(QT_TRANSLATE_NOOP("dialog", "&Glätten")), this);
    m_glaetten->setObjectName(QStringLiteral("glaetten"));
    m_ohnePlatte = new QCheckBox(Tr(QT_TRANSLATE_NOOP("dialog", "&Ohne Platte")), this);
    m_ohnePlatte->setObjectName(QStringLiteral("ohnePlatte"));
    connect(m_glaetten, &QCheckBox::clicked, this, &RippensatzDialog::Zeichnen);
    schalter->addWidget(m_glaetten);
    schalter->addWidget(m_ohnePlatte);
    schalter->addStretch(1);
    form->addRow(schalter);
    return form;
}

QLayout* RippensatzDialog::SpitzenzeileAnlegen() {
    auto* zeile = new QHBoxLayout;
    m_spitzenDatei = new QLineEdit(this);
    AnzeigeFeld(m_spitzenDatei);
    m_spitzenDatei->setObjectName(QStringLiteral("spitzendatei"));
    m_spitzenKnopf = new QPushButton(Tr(QT_TRANSLATE_NOOP("dialog", "S&pitzenprofil…")), this);
    m_spitzenKnopf->setObjectName(QStringLiteral("spitzenprofil"));
    m_spitzeWeg = new QPushButton(Tr(QT_TRANSLATE_NOOP("dialog", "Ent&fernen")), this);
    m_spitzeWeg->setObjectName(QStringLiteral("spitzeEntfernen"));
    m_spitzeWeg->setEnabled(false);
    zeile->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("dialog", "Spitzenprofil:")), this));
    zeile->addWidget(m_spitzenDatei, 1);
    zeile->addWidget(m_spitzenKnopf);
    zeile->addWidget(m_spitzeWeg);
    connect(m_spitzenKnopf, &QPushButton::clicked, this, &RippensatzDialog::SpitzeWaehlen);
    connect(m_spitzeWeg, &QPushButton::clicked, this, &RippensatzDialog::SpitzeEntfernen);
    return zeile;
}

QLayout* RippensatzDialog::HolmeAnlegen() {
    auto* raster = new QGridLayout;
    const char* spalten[] = {QT_TRANSLATE_NOOP("dialog", "Ort"),
                             QT_TRANSLATE_NOOP("dialog", "Breite"),
                             QT_TRANSLATE_NOOP("dialog", "Tiefe")};
    for (int s = 0; s < 3; ++s)
        raster->addWidget(new QLabel(Tr(spalten[s]), this), 0, s + 1);
    const char* namen[] = {QT_TRANSLATE_NOOP("dialog", "Holm 1:"),
                           QT_TRANSLATE_NOOP("dialog", "Holm 2:"),
                           QT_TRANSLATE_NOOP("dialog", "Holm 3:")};
    const int breite = fontMetrics().horizontalAdvance(QStringLiteral("100,0%")) + 12;
    for (int i = 0; i < kHolmZeilen; ++i) {
        const QString nr = QStringLiteral("holm%1").arg(i + 1);
        Holmzeile& z = m_holme[static_cast<std::size_t>(i)];
        raster->addWidget(new QLabel(Tr(namen[i]), this), i + 1, 0);
        int spalte = 1;
        for (auto [feld, name] : {std::pair{&z.ort, "Ort"}, std::pair{&z.breite, "Breite"},
                                  std::pair{&z.tiefe, "Tiefe"}}) {
            *feld = new QLineEdit(this);
            (*feld)->setObjectName(nr + QLatin1String(name));
            (*feld)->setFixedWidth(breite);
            connect(*feld, &QLineEdit::editingFinished, this, &RippensatzDialog::Zeichnen);
            raster->addWidget(*feld, i + 1, spalte++);
        }
        z.unten = new QCheckBox(Tr(QT_TRANSLATE_NOOP("dialog", "unten")), this);
        z.unten->setObjectName(nr + QStringLiteral("Unten"));
        connect(z.unten, &QCheckBox::clicked, this, &RippensatzDialog::Zeichnen);
        raster->addWidget(z.unten, i + 1, 4);
    }
    auto* hinweis = new QLabel(
        Tr(QT_TRANSLATE_NOOP(
            "dialog",
            "Ort in mm ab der Nase\noder in % (30%),\nBreite und Tiefe in mm;\nleer: kein Holm")),
        this);
    hinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(hinweis, 0, 5, kHolmZeilen + 1, 1);
    raster->setColumnStretch(5, 1);
    return raster;
}

QLayout* RippensatzDialog::KnoepfeAnlegen() {
    auto* zeile = new QHBoxLayout;
    const std::tuple<const char*, const char*, void (RippensatzDialog::*)()> knoepfe[] = {
        {QT_TRANSLATE_NOOP("dialog", "Seiten&ansicht"), "seitenansicht",
         &RippensatzDialog::Seitenansicht},
        {QT_TRANSLATE_NOOP("dialog", "&Drucken"), "drucken", &RippensatzDialog::Drucken},
        {QT_TRANSLATE_NOOP("dialog", "&Exportieren…"), "exportieren",
         &RippensatzDialog::Exportieren}};
    for (const auto& [text, name, tun] : knoepfe) {
        auto* knopf = new QPushButton(Tr(text), this);
        knopf->setObjectName(QString::fromLatin1(name));
        connect(knopf, &QPushButton::clicked, this, tun);
        zeile->addWidget(knopf);
    }
    zeile->addStretch(1);
    auto* schliessen = new QPushButton(Tr(QT_TRANSLATE_NOOP("dialog", "Schließen")), this);
    schliessen->setObjectName(QStringLiteral("schliessen"));
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    zeile->addWidget(schliessen);
    // Return only finishes a value: no button acts on it.
    for (QPushButton* knopf : findChildren<QPushButton*>())
        knopf->setAutoDefault(false);
    return zeile;
}

QLineEdit* RippensatzDialog::Feld(Satzfeld f) const {
    return m_felder[static_cast<std::size_t>(f)];
}

std::string RippensatzDialog::Text(Satzfeld f) const {
    return Feld(f)->text().toStdString();
}

void RippensatzDialog::done(int ergebnis) {
    EinstellungenSchreiben();
    QDialog::done(ergebnis);
}

Meldungstext RippensatzDialog::WahlLesen(Rippenwahl& w) {
    // The parts of an option that the reader takes as one text joined by a colon: one typed
    // into a part would shift the parts.
    for (const auto& [feld, name] :
         {std::pair{Satzfeld::BeplankungOben, QT_TRANSLATE_NOOP("meldung", "Beplankung oben")},
          std::pair{Satzfeld::BeplankungUnten, QT_TRANSLATE_NOOP("meldung", "Beplankung unten")},
          std::pair{Satzfeld::Schraenkung, kFelder.zusatz.schraenkung},
          std::pair{Satzfeld::Drehpunkt, QT_TRANSLATE_NOOP("meldung", "Drehpunkt")},
          std::pair{Satzfeld::Loecher, QT_TRANSLATE_NOOP("meldung", "Löcher je Rippe")},
          std::pair{Satzfeld::Steg, QT_TRANSLATE_NOOP("meldung", "Steg der Löcher")}})
        if (const std::string text = Text(feld); text.find(':') != std::string::npos) {
            m_abgelehnt = Feld(feld);
            return Meldung(meldung::kFeldKeineZahl, {Meldung(name), AlsUtf8(text)});
        }
    w.rippen = Text(Satzfeld::Anzahl);
    w.wurzel = Text(Satzfeld::Wurzel);
    w.spitze = Text(Satzfeld::Spitze);
    w.dicke = Text(Satzfeld::Dicke);
    w.beplankung = Beplankung(Text(Satzfeld::BeplankungOben), Text(Satzfeld::BeplankungUnten));
    w.nasenleiste = Text(Satzfeld::Nasenleiste);
    w.endleiste = Text(Satzfeld::Endleiste);
    w.platte = Text(Satzfeld::Platte);
    w.kopien = Text(Satzfeld::Kopien);
    w.glaetten = m_glaetten->isChecked();
    w.ohnePlatte = m_ohnePlatte->isChecked();
    // Without an angle there is no washout, and without holes no web: the other field is not
    // used, as an empty field is not.
    Rippenzusatz& z = w.zusatz;
    z.schnittbreite = Text(Satzfeld::Schnittbreite);
    z.helling = Text(Satzfeld::Helling);
    const std::string drehpunkt = Text(Satzfeld::Drehpunkt);
    if (const std::string winkel = Text(Satzfeld::Schraenkung); !winkel.empty())
        z.schraenkung = winkel + (drehpunkt.empty() ? "" : ":" + drehpunkt);
    if (const std::string loecher = Text(Satzfeld::Loecher); !loecher.empty())
        z.erleichterung = loecher + ":" + Text(Satzfeld::Steg);
    return {};
}

// A row without Ort is no spar, whatever its width and depth say; each field of a spar is
// checked on its own, so that the message names it.
Meldungstext RippensatzDialog::HolmeLesen(Rippenwahl& w, std::vector<int>& zeilen) {
    for (int i = 0; i < kHolmZeilen; ++i) {
        const Holmzeile& z = m_holme[static_cast<std::size_t>(i)];
        const std::string ort = z.ort->text().toStdString();
        if (ort.empty())
            continue;
        const std::string nr = std::to_string(i + 1);
        if (!LiesHolm(AlsUtf8(ort + ":1:1")).holm) {
            m_abgelehnt = z.ort;
            return Meldung(meldung::kRsHolmOrt, {nr, AlsUtf8(ort)});
        }
        for (const auto& [feld, muster, name] :
             {std::tuple{z.breite, meldung::kRsHolmBreite, QT_TRANSLATE_NOOP("meldung", "Breite")},
              std::tuple{z.tiefe, meldung::kRsHolmTiefe, QT_TRANSLATE_NOOP("meldung", "Tiefe")}}) {
            const std::string text = feld->text().toStdString();
            const auto wert = FeldAlsZahl(text);
            if (!text.empty() && wert && std::isfinite(*wert) && *wert > 0)
                continue;
            m_abgelehnt = feld;
            return text.empty() ? Meldung(meldung::kRsHolmFeldLeer, {nr, Meldung(name)})
                                : Meldung(muster, {nr, AlsUtf8(text)});
        }
        w.holme.emplace_back(Meldung(QT_TRANSLATE_NOOP("meldung", "Holm %1"), {nr}).Text(),
                             HolmText(ort, z.breite->text().toStdString(),
                                      z.tiefe->text().toStdString(), z.unten->isChecked()));
        zeilen.push_back(i);
    }
    return {};
}

Meldungstext RippensatzDialog::JobLesen(Rippenjob& job, std::vector<int>& zeilen) {
    m_abgelehnt = nullptr;
    Rippenwahl w;
    if (Meldungstext fehler = WahlLesen(w); !fehler.leer())
        return fehler;
    if (Meldungstext fehler = HolmeLesen(w, zeilen); !fehler.leer())
        return fehler;
    RippenAuftrag& a = job.auftrag;
    a.wurzelProfil = {&m_haupt.m_profil.punkte, m_haupt.m_kommentar, m_haupt.DateiKodiert()};
    if (m_spitze)
        a.spitzenProfil = RippenQuelle{&m_spitze->punkte, m_spitze->kommentar,
                                       SystemPfad(m_spitzenDatei->text())};
    Rippenabsage absage;
    const Meldungstext fehler = RippenjobLesen(w, job, kFelder, &absage);
    if (absage.wert == Rippenwert::Holm)
        m_abgelehnt = m_holme[static_cast<std::size_t>(zeilen[absage.holm])].ort;
    else if (const auto feld = FeldVon(absage.wert))
        m_abgelehnt = Feld(*feld);
    return fehler;
}

Meldungstext RippensatzDialog::Zugeordnet(const Meldungstext& fehler, const RippenAuftrag& a,
                                          const std::vector<int>& zeilen) {
    const RippenOptionen& o = a.optionen;
    // A spar: numbered by its row; one that leaves the rib only because the stock is cut off
    // there is the stock's fault.
    for (const auto& [muster, feld] : {std::pair{meldung::kHolmNichtInRippe, &Holmzeile::ort},
                                       std::pair{meldung::kHolmZuTief, &Holmzeile::tiefe},
                                       std::pair{meldung::kHolmUngueltig, &Holmzeile::ort}}) {
        if (!fehler.Ist(muster) || fehler.AnzahlWerte() == 0)
            continue;
        const auto k = FeldAlsZahl(fehler.Wert(0));
        if (!k || *k < 1 || *k > static_cast<double>(zeilen.size()) || *k != std::floor(*k))
            continue;
        const auto index = static_cast<std::size_t>(*k) - 1;
        const int zeile = zeilen[index];
        const std::string nr = std::to_string(zeile + 1);
        if (muster == meldung::kHolmNichtInRippe && fehler.AnzahlWerte() > 1)
            if (auto leiste = LeisteImHolm(a, index, fehler.Wert(1), nr)) {
                m_abgelehnt = Feld(leiste->first);
                return leiste->second;
            }
        m_abgelehnt = m_holme[static_cast<std::size_t>(zeile)].*feld;
        return fehler.MitWert(0, nr);
    }
    // Sheeting that leaves nothing is the thicker side's.
    const Satzfeld dickereSeite =
        o.beplankungUnten.value_or(o.beplankung) > o.beplankungOben.value_or(o.beplankung)
            ? Satzfeld::BeplankungUnten
            : Satzfeld::BeplankungOben;
    const std::pair<std::string_view, Satzfeld> felder[] = {
        {meldung::kRippenanzahl, Satzfeld::Anzahl},
        {meldung::kRippenlaengeWurzel, Satzfeld::Wurzel},
        {meldung::kRippenlaengeSpitze, Satzfeld::Spitze},
        {meldung::kBeplankungObenUngueltig, Satzfeld::BeplankungOben},
        {meldung::kBeplankungUntenUngueltig, Satzfeld::BeplankungUnten},
        {meldung::kBeplankungLaesstNichts, dickereSeite},
        {meldung::kBeplankungTeilt, dickereSeite},
        {meldung::kNasenleisteUngueltig, Satzfeld::Nasenleiste},
        {meldung::kEndleisteUngueltig, Satzfeld::Endleiste},
        {meldung::kLeistenLassenNichts,
         o.nasenleiste >= o.endleiste ? Satzfeld::Nasenleiste : Satzfeld::Endleiste},
        {meldung::kProfildickeUngueltig, Satzfeld::Dicke},
        {meldung::kUmrissFlach, Satzfeld::Dicke},
        {meldung::kUmrissFastFlach, Satzfeld::Dicke},
        {meldung::kUmrissZuDuenn, Satzfeld::Dicke},
        {meldung::kHellingZuNah, Satzfeld::Helling},
        {meldung::kFussNichtUnterRippe, Satzfeld::Helling},
        {meldung::kFussInNut, Satzfeld::Helling},
    };
    for (const auto& [muster, feld] : felder)
        if (fehler.Ist(muster)) {
            m_abgelehnt = Feld(feld);
            break;
        }
    return fehler;
}

Meldungstext RippensatzDialog::SatzPruefen(Rippenjob& job, Rippenteile& teile, bool nurEnden) {
    std::vector<int> zeilen;
    if (Meldungstext fehler = JobLesen(job, zeilen); !fehler.leer())
        return fehler;
    RippenAuftrag& a = job.auftrag;
    a.nurEnden = nurEnden;
    teile = PruefeRippen(a);
    return teile.fehler.leer() ? Meldungstext() : Zugeordnet(teile.fehler, a, zeilen);
}

void RippensatzDialog::Zeichnen() {
    // A set's first and last rib are its root and tip rib: the drawing needs no others, and
    // its messages name them as the set does.
    Rippenjob job;
    Rippenteile teile;
    const Meldungstext fehler = SatzPruefen(job, teile, true);
    const int hinweis =
        job.auftrag.schnittbreite > 0 ? IDS_RIPPENSATZ_HINWEIS_SCHNITT : IDS_RIPPENSATZ_HINWEIS;
    m_meldung->setText(fehler.leer() ? Tr(FindeZeichenkette(hinweis)) : Qt8(fehler.Text()));
    if (fehler.leer())
        m_bild->Zeigen(std::move(teile.rippen), job.auftrag.schnittbreite);
    else
        m_bild->Leeren();
}

void RippensatzDialog::Abgelehnt(const Meldungstext& fehler) {
    m_meldung->setText(Qt8(fehler.Text()));
    MeldungZeigen(this, fehler);
    if (!m_abgelehnt)
        return;
    m_abgelehnt->setFocus(Qt::OtherFocusReason);
    m_abgelehnt->selectAll();
}

std::optional<Rippenteile> RippensatzDialog::TeileOderGesagt(Rippenjob& job) {
    Rippenteile teile;
    if (const Meldungstext fehler = SatzPruefen(job, teile, false); !fehler.leer()) {
        Abgelehnt(fehler);
        return std::nullopt;
    }
    return teile;
}

std::vector<std::string> RippensatzDialog::Eingaben() const {
    std::vector<std::string> eingaben{m_haupt.DateiKodiert()};
    if (m_spitze)
        eingaben.push_back(SystemPfad(m_spitzenDatei->text()));
    return eingaben;
}

void RippensatzDialog::Drucken() {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    m_haupt.Ausdrucken(
        this, "_rippen.pdf", [&](const Papiermasse& m) { return PlaneDruck(m, *teile); },
        [&](const Druck& druck) {
            // A set spread over pages is normal; a rib cut into tiles is printed only when the
            // user agrees, as for one outline.
            bool gekachelt = false;
            for (const Satzseite& seite : druck.satz.seiten)
                gekachelt = gekachelt || seite.gekachelt;
            double laengste = 0;
            for (const Rippe& r : teile->rippen)
                laengste = std::max(laengste, r.laenge);
            return gekachelt ? Meldung(meldung::kRippeKachelnFrage,
                                       {MmText(laengste), MmText(druck.plan.platz / 10.0),
                                        std::to_string(druck.plan.seiten)})
                             : Meldungstext();
        },
        Eingaben());
}

void RippensatzDialog::Seitenansicht() {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    m_haupt.Vorschau(
        this, "_rippen.pdf", [&](const Papiermasse& m) { return PlaneDruck(m, *teile); },
        Eingaben());
}

void RippensatzDialog::Exportieren() {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    // The same drawing the command line writes for these values.
    const Blattzeichnung blaetter = SatzBlaetter(teile->rippen, job);
    if (!blaetter.fehler.leer()) {
        m_abgelehnt = Feld(Satzfeld::Platte);
        Abgelehnt(blaetter.fehler);
        return;
    }
    m_haupt.Exportieren(this, "_rippen.svg", blaetter.zeichnung, Eingaben());
}

Meldungstext RippensatzDialog::SpitzeLaden(const QString& pfad) {
    Profil ergebnis = LadeProfil(SystemPfad(pfad), std::nullopt);
    if (!ergebnis.fehler.leer())
        return ergebnis.fehler;
    m_spitze = std::move(ergebnis);
    m_spitzenDatei->setText(pfad);
    m_spitzeWeg->setEnabled(true);
    return {};
}

void RippensatzDialog::SpitzeWaehlen() {
    const QString pfad = ProfilWaehlen(this);
    if (pfad.isEmpty())
        return;
    if (const Meldungstext fehler = SpitzeLaden(pfad); !fehler.leer()) {
        MeldungZeigen(this, fehler);
        return;
    }
    Zeichnen();
    if (!m_spitze->warnungen.empty())
        MeldungZeigen(this, Zeilen(m_spitze->warnungen));
}

void RippensatzDialog::SpitzeEntfernen() {
    m_spitze.reset();
    m_spitzenDatei->clear();
    // The disabled button would keep the focus where no key reaches it.
    m_spitzenKnopf->setFocus(Qt::OtherFocusReason);
    m_spitzeWeg->setEnabled(false);
    Zeichnen();
}

// A damaged or missing value leaves the field's default.
void RippensatzDialog::EinstellungenLesen() {
    for (std::size_t i = 0; i < kSatzfelder; ++i) {
        const Satzzeile& z = kSatzzeilen[i];
        const auto text = Lies(z.einstellung);
        m_felder[i]->setText(text        ? Qt8(text->c_str())
                             : z.vorgabe ? QString::fromUtf8(z.vorgabe)
                                         : m_haupt.Profildicke());
    }
    // Kept before the sides had fields of their own: one value for both.
    if (!Lies(kSatzBeplankungOben) && !Lies(kSatzBeplankungUnten))
        if (const auto beide = Lies(kSatzBeplankung)) {
            Feld(Satzfeld::BeplankungOben)->setText(Qt8(beide->c_str()));
            Feld(Satzfeld::BeplankungUnten)->setText(Qt8(beide->c_str()));
        }
    m_glaetten->setChecked(Lies(kSatzGlaetten).value_or(true));
    m_ohnePlatte->setChecked(Lies(kSatzOhnePlatte).value_or(false));
    for (std::size_t i = 0; i < kHolmZeilen; ++i) {
        const auto ort = Lies(kSatzHolme[i].ort);
        const auto breite = Lies(kSatzHolme[i].breite);
        const auto tiefe = Lies(kSatzHolme[i].tiefe);
        const bool unten = Lies(kSatzHolme[i].unten).value_or(false);
        if (!ort || !breite || !tiefe ||
            !LiesHolm(HolmText(ort->c_str(), breite->c_str(), tiefe->c_str(), unten)).holm)
            continue;
        m_holme[i].ort->setText(Qt8(ort->c_str()));
        m_holme[i].breite->setText(Qt8(breite->c_str()));
        m_holme[i].tiefe->setText(Qt8(tiefe->c_str()));
        m_holme[i].unten->setChecked(unten);
    }
    if (const auto pfad = Lies(kSatzSpitzenprofil)) {
        std::error_code fehler;
        const QString text = Qt8(pfad->c_str());
        if (std::filesystem::is_regular_file(SystemPfad(text), fehler))
            SpitzeLaden(text);
    }
}

// Only values the set can use are kept; an emptied spar row is kept empty.
void RippensatzDialog::EinstellungenSchreiben() const {
    for (std::size_t i = 0; i < kSatzfelder; ++i)
        Schreibe(kSatzzeilen[i].einstellung, std::string(m_felder[i]->text().toStdString()));
    // The sides are kept on their own now; the old value would come back for emptied ones.
    Schreibe(Texteinstellung{kSatzBeplankung.abschnitt, kSatzBeplankung.eintrag}, std::string());
    Schreibe(kSatzGlaetten, m_glaetten->isChecked());
    Schreibe(kSatzOhnePlatte, m_ohnePlatte->isChecked());
    for (std::size_t i = 0; i < kHolmZeilen; ++i) {
        const Holmzeile& z = m_holme[i];
        const std::string ort = z.ort->text().toStdString();
        const std::string breite = z.breite->text().toStdString();
        const std::string tiefe = z.tiefe->text().toStdString();
        const bool unten = z.unten->isChecked();
        // Without Ort the row is no spar: kept so, or the old spar would come back.
        if (!ort.empty() && !LiesHolm(HolmText(ort, breite, tiefe, unten)).holm)
            continue;
        Schreibe(kSatzHolme[i].ort, std::string(ort));
        Schreibe(kSatzHolme[i].breite, std::string(breite));
        Schreibe(kSatzHolme[i].tiefe, std::string(tiefe));
        Schreibe(kSatzHolme[i].unten, unten);
    }
    Schreibe(kSatzSpitzenprofil, std::string(m_spitzenDatei->text().toStdString()));
}
