// The foam-core dialog.
#include "app/schaumkerndlg.h"

#include "ui/dateidialog.h"
#include "ui/dialogeinheiten.h"
#include "ui/meldefenster.h"

#include "app/einstellungen.h"
#include "app/profilwahl.h"
#include "app/schaumkern.h"
#include "export/formate.h"
#include "foam_core/kernwahl.h"
#include "language/sprache.h"
#include "output/rippenauftrag.h"
#include "output/schreiben.h"
#include "profile/datei.h"
#include "res/meldungen.h"
#include "res/meldungen_kommandozeile.h"
#include "res/meldungen_schaumkern.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <span>
#include <system_error>

namespace {

// Named in messages, translated where the message is made; a pair by its first part.
constexpr Kernnamen kFeldnamen = {
    QT_TRANSLATE_NOOP("meldung", "Wurzel"),        QT_TRANSLATE_NOOP("meldung", "Spitze"),
    QT_TRANSLATE_NOOP("meldung", "Spannweite"),    QT_TRANSLATE_NOOP("meldung", "Profildicke"),
    QT_TRANSLATE_NOOP("meldung", "Pfeilung"),      QT_TRANSLATE_NOOP("meldung", "Schränkung"),
    QT_TRANSLATE_NOOP("meldung", "Schränkung"),    QT_TRANSLATE_NOOP("meldung", "Vorlauf"),
    QT_TRANSLATE_NOOP("meldung", "Höhe"),          QT_TRANSLATE_NOOP("meldung", "Turmabstand"),
    QT_TRANSLATE_NOOP("meldung", "Blocklage"),     QT_TRANSLATE_NOOP("meldung", "Schnittbreite"),
    QT_TRANSLATE_NOOP("meldung", "Schnittbreite"), QT_TRANSLATE_NOOP("meldung", "Vorschub"),
    QT_TRANSLATE_NOOP("meldung", "Heizung"),       QT_TRANSLATE_NOOP("meldung", "Vorheizen"),
    QT_TRANSLATE_NOOP("meldung", "Verfahrweg"),    QT_TRANSLATE_NOOP("meldung", "Verfahrweg")};

struct Feldzeile {
    Kernfeld feld;
    const char* beschriftung;
};

// The core's shape on the left, its place on the machine on the right; the access keys are
// unique within the dialog.
constexpr Feldzeile kKernzeilen[] = {
    {Kernfeld::Wurzel, QT_TRANSLATE_NOOP("dialog", "&Wurzel in mm:")},
    {Kernfeld::Spitze, QT_TRANSLATE_NOOP("dialog", "Spi&tze in mm:")},
    {Kernfeld::Spannweite, QT_TRANSLATE_NOOP("dialog", "Spa&nnweite in mm:")},
    {Kernfeld::Dicke, QT_TRANSLATE_NOOP("dialog", "Profil&dicke in %:")},
    {Kernfeld::Pfeilung, QT_TRANSLATE_NOOP("dialog", "P&feilung in mm:")},
    {Kernfeld::Schraenkung, QT_TRANSLATE_NOOP("dialog", "Schrän&kung in Grad:")},
    {Kernfeld::Drehpunkt, QT_TRANSLATE_NOOP("dialog", "Dreh&punkt in % der Tiefe:")},
    {Kernfeld::SchnittWurzel, QT_TRANSLATE_NOOP("dialog", "&Schnittbreite Wurzel in mm:")},
    {Kernfeld::SchnittSpitze, QT_TRANSLATE_NOOP("dialog", "Schnittbreite Sp&itze in mm:")},
};
constexpr Feldzeile kMaschinenzeilen[] = {
    {Kernfeld::Vorlauf, QT_TRANSLATE_NOOP("dialog", "&Vorlauf in mm:")},
    {Kernfeld::Hoehe, QT_TRANSLATE_NOOP("dialog", "&Höhe in mm:")},
    {Kernfeld::Turmabstand, QT_TRANSLATE_NOOP("dialog", "T&urmabstand in mm:")},
    {Kernfeld::Blocklage, QT_TRANSLATE_NOOP("dialog", "&Blocklage in mm:")},
    {Kernfeld::Vorschub, QT_TRANSLATE_NOOP("dialog", "V&orschub in mm/min:")},
    {Kernfeld::Heizung, QT_TRANSLATE_NOOP("dialog", "Hei&zung (0 bis 1000):")},
    {Kernfeld::Vorheizen, QT_TRANSLATE_NOOP("dialog", "Vorh&eizen in s:")},
    {Kernfeld::VerfahrX, QT_TRANSLATE_NOOP("dialog", "Verfahrweg &X in mm:")},
    {Kernfeld::VerfahrY, QT_TRANSLATE_NOOP("dialog", "Verfahrweg &Y in mm:")},
};

constexpr const char* kHinweis =
    QT_TRANSLATE_NOOP("dialog", "Blau die Wurzel, rot die Spitze, gestrichelt der Drahtweg am "
                                "ersten (grün) und am zweiten Turm (violett), grau der Verfahrweg; "
                                "leer: Turmabstand gleich Spannweite, Block mittig.");

QString Tr(const char* text) {
    return Uebersetzung("dialog", text);
}

QString Qt8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::size_t Index(Kernfeld f) {
    return static_cast<std::size_t>(f);
}

const Format& GcodeFormat() {
    const auto formate = Formate();
    return *std::find_if(formate.begin(), formate.end(),
                         [](const Format& f) { return f.traeger == Traeger::Draht; });
}

} // namespace

// Both faces, the wire's path at each tower and the travel, in mm, one scale for all, Y up.
class Kernbild : public QWidget {
public:
    explicit Kernbild(QWidget* eltern) : QWidget(eltern) {
        setObjectName(QStringLiteral("Bild"));
        setMinimumSize(480, 300);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void Zeigen(std::optional<Kern> kern) {
        m_kern = std::move(kern);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::optional<Kern> m_kern;
};

void Kernbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_kern)
        return;
    const Kern& k = *m_kern;
    const KernWerte& w = k.werte;
    QRectF grenzen(0, 0, w.verfahrX, w.verfahrY);
    auto dazu = [&](double x, double y) { grenzen |= QRectF(x, y, 0, 0); };
    for (const Drahtpunkt& d : k.weg) {
        dazu(d.x, d.y);
        dazu(d.u, d.v);
    }
    constexpr double kRand = 12;
    const double massstab = std::min((width() - 2 * kRand) / std::max(grenzen.width(), 1e-9),
                                     (height() - 2 * kRand) / std::max(grenzen.height(), 1e-9));
    // Centred in what the other direction leaves.
    const double links = (width() - grenzen.width() * massstab) / 2;
    const double unten = (height() + grenzen.height() * massstab) / 2;
    auto bei = [&](double x, double y) {
        return QPointF(links + (x - grenzen.left()) * massstab,
                       unten - (y - grenzen.top()) * massstab);
    };
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawPolygon(QPolygonF(
        {bei(0, 0), bei(w.verfahrX, 0), bei(w.verfahrX, w.verfahrY), bei(0, w.verfahrY)}));
    auto linie = [&](auto punkte, QColor farbe, Qt::PenStyle art) {
        QPolygonF zug;
        for (const auto& q : punkte)
            zug << q;
        p.setPen(QPen(farbe, art == Qt::SolidLine ? 2 : 1, art));
        p.drawPolyline(zug);
    };
    auto umriss = [&](const Linienzug& l) {
        std::vector<QPointF> q;
        for (const Punkt& pt : l)
            q.push_back(bei(pt.x, pt.y));
        if (!q.empty())
            q.push_back(q.front());
        return q;
    };
    std::vector<QPointF> turm1, turm2;
    for (const Drahtpunkt& d : k.weg) {
        turm1.push_back(bei(d.x, d.y));
        turm2.push_back(bei(d.u, d.v));
    }
    linie(turm1, QColor(0, 150, 0), Qt::DashLine);
    linie(turm2, QColor(160, 0, 160), Qt::DashLine);
    linie(umriss(k.wurzelUmriss), QColor(0, 0, 220), Qt::SolidLine);
    linie(umriss(k.spitzeUmriss), QColor(220, 0, 0), Qt::SolidLine);
}

SchaumkernDialog::SchaumkernDialog(QWidget* eltern, const Profil& wurzel, const QString& datei,
                                   const std::string& kommentar)
    : QDialog(eltern), m_wurzel(wurzel), m_datei(datei), m_kommentar(kommentar) {
    setWindowTitle(Tr(QT_TRANSLATE_NOOP("dialog", "Schaumkern")));
    FelderAnlegen();
    EinstellungenLesen();
    Zeichnen();
}

QLayout* SchaumkernDialog::SpitzenzeileAnlegen() {
    auto* spitzenZeile = new QHBoxLayout;
    m_spitzenDatei = new QLineEdit(this);
    AnzeigeFeld(m_spitzenDatei);
    m_spitzenDatei->setObjectName(QStringLiteral("Spitzenprofil"));
    auto* spitzenKnopf = new QPushButton(Tr(QT_TRANSLATE_NOOP("dialog", "Spitzenprofi&l…")), this);
    m_spitzeWeg = new QPushButton(Tr(QT_TRANSLATE_NOOP("dialog", "Entfe&rnen")), this);
    spitzenZeile->addWidget(new QLabel(Tr(QT_TRANSLATE_NOOP("dialog", "Spitzenprofil:")), this));
    spitzenZeile->addWidget(m_spitzenDatei, 1);
    spitzenZeile->addWidget(spitzenKnopf);
    spitzenZeile->addWidget(m_spitzeWeg);
    connect(spitzenKnopf, &QPushButton::clicked, this, &SchaumkernDialog::SpitzeWaehlen);
    connect(m_spitzeWeg, &QPushButton::clicked, this, &SchaumkernDialog::SpitzeEntfernen);
    return spitzenZeile;
}

void SchaumkernDialog::FelderAnlegen() {
    auto* raster = new QGridLayout(this);
    raster->addLayout(SpitzenzeileAnlegen(), 0, 0, 1, 3);

    const auto gruppe = [&](const char* titel, std::span<const Feldzeile> zeilen) {
        auto* kasten = new QGroupBox(Tr(titel), this);
        auto* form = new QFormLayout(kasten);
        for (const Feldzeile& z : zeilen) {
            auto* feld = new QLineEdit(kasten);
            feld->setObjectName(QString::fromLatin1(kKernFelder[Index(z.feld)].eintrag));
            // Wide enough for "-10000,00" and no wider: the drawing gets the rest.
            feld->setFixedWidth(
                feld->fontMetrics().horizontalAdvance(QStringLiteral("-10000,000")) + 12);
            connect(feld, &QLineEdit::editingFinished, this, &SchaumkernDialog::Zeichnen);
            m_felder[Index(z.feld)] = feld;
            form->addRow(Tr(z.beschriftung), feld);
        }
        return form;
    };
    QFormLayout* kern = gruppe(QT_TRANSLATE_NOOP("dialog", "Kern"), kKernzeilen);
    QFormLayout* maschine =
        gruppe(QT_TRANSLATE_NOOP("dialog", "Lage und Maschine"), kMaschinenzeilen);
    m_vorschubart = new QComboBox(this);
    m_vorschubart->setObjectName(QStringLiteral("Vorschubart"));
    m_vorschubart->addItems({Tr(QT_TRANSLATE_NOOP("dialog", "G93 (inverse Zeit)")),
                             Tr(QT_TRANSLATE_NOOP("dialog", "G94 (mm/min)"))});
    m_achsen = new QComboBox(this);
    m_achsen->setObjectName(QStringLiteral("Achsen"));
    m_achsen->addItems({QStringLiteral("XYUV"), QStringLiteral("XYZA")});
    maschine->insertRow(5, Tr(QT_TRANSLATE_NOOP("dialog", "Vorschub&art:")), m_vorschubart);
    maschine->insertRow(6, Tr(QT_TRANSLATE_NOOP("dialog", "A&chsen:")), m_achsen);
    for (QComboBox* wahl : {m_vorschubart, m_achsen})
        connect(wahl, &QComboBox::currentIndexChanged, this, &SchaumkernDialog::Zeichnen);
    raster->addWidget(kern->parentWidget(), 1, 0);
    raster->addWidget(maschine->parentWidget(), 1, 1);

    m_bild = new Kernbild(this);
    m_meldung = new QLabel(this);
    m_meldung->setObjectName(QStringLiteral("Meldung"));
    m_meldung->setWordWrap(true);
    // Three lines whatever the text: the drawing keeps its size.
    m_meldung->setFixedHeight(3 * fontMetrics().lineSpacing());
    m_meldung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    raster->addWidget(m_bild, 1, 2);
    raster->addWidget(m_meldung, 2, 2);
    raster->setColumnStretch(2, 1);
    raster->addLayout(KnoepfeAnlegen(), 3, 0, 1, 3);
}

QLayout* SchaumkernDialog::KnoepfeAnlegen() {
    auto* zeile = new QHBoxLayout;
    auto* speichern =
        new QPushButton(Tr(QT_TRANSLATE_NOOP("dialog", "Als &G-Code speichern…")), this);
    auto* schliessen = new QPushButton(Tr(QT_TRANSLATE_NOOP("dialog", "Schließen")), this);
    zeile->addWidget(speichern);
    zeile->addStretch(1);
    zeile->addWidget(schliessen);
    connect(speichern, &QPushButton::clicked, this, &SchaumkernDialog::Speichern);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    // Return only finishes a value: no button acts on it.
    for (QPushButton* knopf : findChildren<QPushButton*>())
        knopf->setAutoDefault(false);
    return zeile;
}

Kern SchaumkernDialog::Pruefen() const {
    std::array<std::string, kKernfelder> texte;
    for (std::size_t i = 0; i < kKernfelder; ++i)
        texte[i] = m_felder[i]->text().toStdString();
    KernAuftrag a;
    Kern abgelehnt;
    abgelehnt.fehler = KernwerteLesen(
        AlsKernwahl(texte, m_vorschubart->currentIndex() == 1, m_achsen->currentIndex() == 1),
        a.werte, &abgelehnt.feld, kFeldnamen);
    if (!abgelehnt.fehler.leer())
        return abgelehnt;
    a.dicke = texte[Index(Kernfeld::Dicke)];
    a.wurzelProfil = {&m_wurzel.punkte, m_kommentar, SystemPfad(m_datei)};
    if (m_spitze)
        a.spitzenProfil =
            RippenQuelle{&m_spitze->punkte, m_spitze->kommentar, SystemPfad(m_spitzenPfad)};
    return PruefeKern(a);
}

void SchaumkernDialog::Zeichnen() {
    Kern kern = Pruefen();
    const bool gut = kern.fehler.leer();
    m_meldung->setText(gut ? Tr(kHinweis) : Qt8(kern.fehler.Text()));
    m_bild->Zeigen(gut ? std::optional<Kern>(std::move(kern)) : std::nullopt);
}

void SchaumkernDialog::Abgelehnt(const Meldungstext& fehler, Kernfeld feld) {
    m_meldung->setText(Qt8(fehler.Text()));
    MeldungZeigen(this, fehler);
    if (feld == Kernfeld::Keins)
        return;
    QLineEdit* ziel = m_felder[Index(feld)];
    ziel->setFocus(Qt::OtherFocusReason);
    ziel->selectAll();
}

std::vector<std::string> SchaumkernDialog::Eingaben() const {
    std::vector<std::string> eingaben{SystemPfad(m_datei)};
    if (m_spitze)
        eingaben.push_back(SystemPfad(m_spitzenPfad));
    return eingaben;
}

void SchaumkernDialog::Speichern() {
    const Kern kern = Pruefen();
    if (!kern.fehler.leer()) {
        m_bild->Zeigen(std::nullopt);
        Abgelehnt(kern.fehler, kern.feld);
        return;
    }
    const Format& gcode = GcodeFormat();
    Dateiwahl wahl;
    wahl.speichern = true;
    wahl.titel = Tr(QT_TRANSLATE_NOOP("dialog", "Als G-Code speichern"));
    wahl.filter = Qt8(Uebersetzt("meldung", gcode.filter));
    // A name without an extension gets the format's first one.
    wahl.endung = Qt8(std::string(gcode.endungen[0].substr(1)));
    const auto ordner = Lies(kOrdnerAusgabe);
    wahl.ordner = ordner ? Qt8(ordner->c_str()) : QDir::homePath();
    wahl.name = QFileInfo(m_datei).completeBaseName() + QStringLiteral("_kern") +
                Qt8(std::string(gcode.endungen[0]));
    const auto gewaehlt = DateiDialog(this, wahl);
    if (!gewaehlt)
        return;
    const QString pfad = *gewaehlt;
    OrdnerMerken(kOrdnerAusgabe, std::string(pfad.toStdString()));
    const Format* format = FormatZuDatei(SystemPfad(pfad));
    Meldungstext fehler;
    std::string inhalt;
    if (!format || format->traeger != Traeger::Draht) {
        std::string endungen;
        for (std::string_view e : gcode.endungen)
            if (!e.empty())
                endungen += (endungen.empty() ? "" : ", ") + std::string(e);
        fehler = Meldung(meldung::kEndungUnbekannt, {pfad.toStdString(), endungen});
    } else {
        inhalt = format->drahtschreiber(kern);
        fehler = PruefeAusgabeGroesse({inhalt.size()});
    }
    if (fehler.leer())
        fehler = SchreibeDatei(SystemPfad(pfad), inhalt, Eingaben());
    if (!fehler.leer()) {
        Abgelehnt(fehler, Kernfeld::Keins);
        return;
    }
    m_meldung->setText(Qt8(Meldung(meldung::kKernGespeichert, {pfad.toStdString()}).Text()));
}

Meldungstext SchaumkernDialog::SpitzeLaden(const QString& pfad) {
    Profil ergebnis = LadeProfil(SystemPfad(pfad), std::nullopt);
    if (!ergebnis.fehler.leer())
        return ergebnis.fehler;
    m_spitze = std::move(ergebnis);
    m_spitzenPfad = pfad;
    m_spitzenDatei->setText(pfad);
    m_spitzeWeg->setEnabled(true);
    return {};
}

void SchaumkernDialog::SpitzeWaehlen() {
    const QString pfad = ProfilWaehlen(this);
    if (pfad.isEmpty())
        return;
    const Meldungstext fehler = SpitzeLaden(pfad);
    Zeichnen();
    if (!fehler.leer())
        Abgelehnt(fehler, Kernfeld::Keins);
    else if (!m_spitze->warnungen.empty())
        MeldungZeigen(this, Zeilen(m_spitze->warnungen));
}

void SchaumkernDialog::SpitzeEntfernen() {
    m_spitze.reset();
    m_spitzenPfad.clear();
    m_spitzenDatei->clear();
    // The disabled button would keep the focus where no key reaches it.
    focusNextChild();
    m_spitzeWeg->setEnabled(false);
    Zeichnen();
}

// A damaged or missing value leaves the field's default.
void SchaumkernDialog::EinstellungenLesen() {
    const auto vorgaben = KernVorgaben();
    for (std::size_t i = 0; i < kKernfelder; ++i) {
        const auto text = Lies(kKernFelder[i]);
        m_felder[i]->setText(Qt8(text ? std::string(text->c_str()) : vorgaben[i]));
    }
    m_vorschubart->setCurrentIndex(Lies(kKernG94).value_or(false) ? 1 : 0);
    m_achsen->setCurrentIndex(Lies(kKernXyza).value_or(false) ? 1 : 0);
    m_spitzeWeg->setEnabled(false);
    if (const auto pfad = Lies(kKernSpitzenprofil)) {
        std::error_code fehler;
        const QString text = Qt8(pfad->c_str());
        if (std::filesystem::is_regular_file(SystemPfad(text), fehler))
            SpitzeLaden(text);
    }
}

// Only values a core can take are kept; an emptied field is kept empty.
void SchaumkernDialog::EinstellungenSchreiben() const {
    for (std::size_t i = 0; i < kKernfelder; ++i)
        Schreibe(kKernFelder[i], std::string(m_felder[i]->text().toStdString()));
    Schreibe(kKernG94, m_vorschubart->currentIndex() == 1);
    Schreibe(kKernXyza, m_achsen->currentIndex() == 1);
    Schreibe(kKernSpitzenprofil, std::string(m_spitzenPfad.toStdString()));
}

void SchaumkernDialog::done(int ergebnis) {
    EinstellungenSchreiben();
    QDialog::done(ergebnis);
}

void SchaumkernZeigen(QWidget* eltern, const Profil& wurzel, const std::string& datei,
                      const std::string& kommentar) {
    SchaumkernDialog dlg(eltern, wurzel, QString::fromUtf8(datei.c_str()), kommentar);
    dlg.exec();
}
