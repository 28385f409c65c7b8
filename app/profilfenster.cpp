// The main window: its controls, settings, context menu, drops and the load command.
#include "app/profilfenster.h"

#include "app/einstellungen.h"
#include "app/profilwahl.h"
#include "language/sprache.h"
#include "profile/datei.h"
#include "profile/liste.h"
#include "profile/text.h"
#include "res/meldungen_fenster.h"
#include "res/resource.h"
#include "res/zeichenketten.h"
#include "ui/dateidialog.h"
#include "ui/dialogeinheiten.h"
#include "ui/einstellungsspeicher.h"
#include "ui/gruppenrahmen.h"
#include "ui/meldefenster.h"
#include "ui/symbol.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

const Lage kFensterLage[20] = {
    {"laden", 105, 10, 50, 14},        {"plotten", 375, 10, 50, 14},
    {"drucken", 161, 10, 55, 14},      {"profillaenge", 315, 10, 50, 12},
    {"profildicke", 315, 30, 50, 12},  {"laengeText", 250, 10, 56, 8},
    {"dickeText", 250, 25, 60, 15},    {"datenZeigen", 125, 30, 70, 14},
    {"datei", 45, 65, 215, 12},        {"dateiText", 5, 65, 20, 8},
    {"plotLoeschen", 375, 30, 50, 14}, {"ok", 380, 240, 50, 14},
    {"anzahlText", 275, 65, 98, 8},    {"anzahl", 375, 65, 40, 14},
    {"bild", 10, 100, 420, 135},       {"selig", 21, 15, 54, 15},
    {"werte", 20, 30, 54, 20},         {"format", 15, 5, 65, 50},
    {"kommentar", 45, 80, 305, 14},    {"kommentarText", 5, 85, 39, 8},
};

namespace {

QString Text(const char* muster) {
    return Uebersetzung("dialog", muster);
}

QString Zeichenkette(int id) {
    return Uebersetzung("dialog", FindeZeichenkette(id));
}

// The sample profiles the package installs beside the program: <prefix>/share/kestrun1/profile
// for <prefix>/bin/kestrun1. A program run from its build tree (scripts/run.sh) has none there;
// it offers the source tree's samples/ instead.
std::optional<std::string> BeispielOrdner() {
    const std::filesystem::path programm(SystemPfad(QCoreApplication::applicationFilePath()));
    if (programm.empty())
        return std::nullopt;
    std::error_code fehler;
    const std::filesystem::path installiert =
        (programm.parent_path() / ".." / "share" / "kestrun1" / "profile").lexically_normal();
    if (std::filesystem::is_directory(installiert, fehler))
        return installiert.string();
#if defined(KESTRUN_BAUORDNER) && defined(KESTRUN_QUELLBEISPIELE)
    const std::filesystem::path bau = std::filesystem::weakly_canonical(KESTRUN_BAUORDNER, fehler);
    const std::filesystem::path ort = std::filesystem::weakly_canonical(programm, fehler);
    const auto [ende, _] = std::mismatch(bau.begin(), bau.end(), ort.begin(), ort.end());
    if (!bau.empty() && ende == bau.end() &&
        std::filesystem::is_directory(KESTRUN_QUELLBEISPIELE, fehler))
        return std::string(KESTRUN_QUELLBEISPIELE);
#endif
    return std::nullopt;
}

// The place of the named control, in pixels of the window's font.
QRect Platz(const DialogBasis& basis, const char* name) {
    for (const Lage& l : kFensterLage)
        if (std::string_view(l.name) == name)
            return InPixel(basis, l.x, l.y, l.breite, l.hoehe);
    return {};
}

// The control named and put at its place.
template <class T> T* Platziert(T* w, const DialogBasis& basis, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(Platz(basis, name));
    return w;
}

std::vector<QString> LokaleDateien(const QMimeData* daten) {
    std::vector<QString> pfade;
    if (daten != nullptr)
        for (const QUrl& url : daten->urls())
            if (url.isLocalFile())
                pfade.push_back(url.toLocalFile());
    return pfade;
}

} // namespace

Profilfenster::Profilfenster()
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("profilfenster"));
    setWindowTitle(Text(QT_TRANSLATE_NOOP("dialog", "Kestrun")));
    setWindowIcon(ProgrammSymbol());
    setFont(VorlagenSchrift("Arial", 8));
    setAcceptDrops(true);
    m_zuletzt.Lesen();
    SteuerelementeAnlegen();
    m_daten = new Datenfenster(this);
    EinstellungenLesen();
    KontextmenueAnlegen();
    MenueleisteAnlegen();
    MenueAktualisieren();
    // The keyboard's way to the context menu, wherever the focus is.
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { m_kontext->popup(mapToGlobal(QPoint(0, 0))); });
}

Profilfenster::~Profilfenster() = default;

QString Profilfenster::Profillaenge() const {
    return m_laenge->text();
}

QString Profilfenster::Profildicke() const {
    return m_dicke->text();
}

std::string Profilfenster::DateiKodiert() const {
    return SystemPfad(QString::fromStdString(m_datei));
}

void Profilfenster::Melden(const Meldungstext& meldung) {
    MeldungZeigen(this, meldung);
}

void Profilfenster::SteuerelementeAnlegen() {
    const DialogBasis basis = DialogBasisVon(font());
    setFixedSize(InPixel(basis, 0, 0, kFensterBreite, kFensterHoehe).size());
    const auto knopf = [&](const char* name, const char* text) {
        auto* k = Platziert(new QPushButton(Text(text), this), basis, name);
        k->setAutoDefault(true);
        return k;
    };
    const auto feld = [&](const char* name, bool anzeige) {
        auto* f = Platziert(new QLineEdit(this), basis, name);
        if (anzeige)
            AnzeigeFeld(f);
        return f;
    };
    const auto beschriftung = [&](const char* name, const char* text) {
        auto* l = Platziert(new QLabel(Text(text), this), basis, name);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // This font runs a little wider than the one the places were measured in: a label grows
        // rather than cut its text.
        l->resize(l->size().expandedTo(l->sizeHint()));
    };
    auto* format = Platziert(new Gruppenrahmen(Text(QT_TRANSLATE_NOOP("dialog", "Format")), this),
                             basis, "format");
    // Clicks go through the frame to the buttons it holds.
    format->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_laden = knopf("laden", QT_TRANSLATE_NOOP("dialog", "Profil Laden"));
    m_plotten = knopf("plotten", QT_TRANSLATE_NOOP("dialog", "Profil Plotten"));
    m_plotten->setDefault(true);
    m_drucken = knopf("drucken", QT_TRANSLATE_NOOP("dialog", "Profil Drucken"));
    m_laenge = feld("profillaenge", false);
    m_dicke = feld("profildicke", false);
    beschriftung("laengeText", QT_TRANSLATE_NOOP("dialog", "Profillänge in mm:"));
    beschriftung("dickeText", QT_TRANSLATE_NOOP("dialog", "Profildicke in % \nder Originaldicke:"));
    m_datenZeigen = knopf("datenZeigen", QT_TRANSLATE_NOOP("dialog", "Profil Daten zeigen"));
    m_dateiFeld = feld("datei", true);
    beschriftung("dateiText", QT_TRANSLATE_NOOP("dialog", "Datei:"));
    m_plotLoeschen = knopf("plotLoeschen", QT_TRANSLATE_NOOP("dialog", "Plot Löschen"));
    QPushButton* ok = knopf("ok", "OK");
    beschriftung("anzahlText", QT_TRANSLATE_NOOP("dialog", "Anzahl der Koordinatenpaare:"));
    m_anzahl = feld("anzahl", true);
    m_anzahl->setText(QStringLiteral("0"));
    m_bild = Platziert(new Profilbild(this), basis, "bild");
    m_selig = new QRadioButton(Text(QT_TRANSLATE_NOOP("dialog", "Selig\n0.0 ... 1.0")), this);
    m_werte = new QRadioButton(Text(QT_TRANSLATE_NOOP("dialog", " Werte\n0.0 ... 100.0")), this);
    auto* gruppe = new QButtonGroup(this);
    for (auto [knopfFormat, name] : {std::pair{m_selig, "selig"}, std::pair{m_werte, "werte"}}) {
        Platziert(knopfFormat, basis, name)->setAutoExclusive(false);
        gruppe->addButton(knopfFormat);
    }
    // One tab stop for the group; the arrow keys move between its buttons.
    m_werte->setFocusPolicy(Qt::ClickFocus);
    m_kommentarFeld = feld("kommentar", true);
    beschriftung("kommentarText", QT_TRANSLATE_NOOP("dialog", "Kommentar:"));
    format->lower();
    for (QWidget* w : {static_cast<QWidget*>(m_laden), static_cast<QWidget*>(m_plotten),
                       static_cast<QWidget*>(m_drucken), static_cast<QWidget*>(m_datenZeigen),
                       static_cast<QWidget*>(m_plotLoeschen), static_cast<QWidget*>(m_bild)})
        w->setEnabled(false);
    SteuerelementeVerbinden(ok);
}

void Profilfenster::SteuerelementeVerbinden(QPushButton* ok) {
    connect(m_laden, &QPushButton::clicked, this, &Profilfenster::OnLaden);
    connect(m_plotten, &QPushButton::clicked, this, &Profilfenster::OnPlotten);
    connect(m_drucken, &QPushButton::clicked, this, &Profilfenster::OnDrucken);
    connect(m_datenZeigen, &QPushButton::clicked, this, &Profilfenster::OnDatenZeigen);
    connect(m_plotLoeschen, &QPushButton::clicked, this, &Profilfenster::OnPlotLoeschen);
    connect(ok, &QPushButton::clicked, this, [this] {
        BeimSchliessen();
        accept();
    });
    for (QRadioButton* k : {m_selig, m_werte})
        connect(k, &QRadioButton::clicked, this, [this, k] {
            m_laden->setEnabled(true);
            Schreibe(kFormat, k == m_selig ? kFormatSelig : kFormatWerte);
        });
    m_laenge->installEventFilter(this);
    m_dicke->installEventFilter(this);
}

// Leaving a chord or thickness field replots and keeps the value; opening a context menu takes
// no focus from the field, so it is no leaving.
bool Profilfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(ereignis)->reason() != Qt::PopupFocusReason &&
        (objekt == m_laenge || objekt == m_dicke)) {
        OnPlotten();
        FelderMerken();
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void Profilfenster::Zeigen() {
    show();
    // The first field that takes input has the focus.
    for (QWidget* w : {static_cast<QWidget*>(m_laden), static_cast<QWidget*>(m_plotten),
                       static_cast<QWidget*>(m_drucken), static_cast<QWidget*>(m_laenge)})
        if (w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    if (auto* f = qobject_cast<QLineEdit*>(focusWidget()))
        f->selectAll();
    // The load needs the window on screen, so the start file waits until it shows.
    if (!startDatei.isEmpty())
        QTimer::singleShot(0, this, [this] { DateiLaden(startDatei, startFormat); });
}

void Profilfenster::EinstellungenLesen() {
    m_laenge->setText(QStringLiteral("100"));
    m_dicke->setText(QStringLiteral("100"));
    if (const auto format = Lies(kFormat)) {
        (*format == kFormatSelig ? m_selig : m_werte)->setChecked(true);
        m_laden->setEnabled(true);
    }
    if (const auto laenge = Lies(kProfillaenge))
        m_laenge->setText(QString::fromStdString(*laenge));
    if (const auto dicke = Lies(kProfildicke))
        m_dicke->setText(QString::fromStdString(*dicke));
    // A place from a screen that is gone (another monitor, a smaller one) is not used.
    QRect alle;
    for (const QScreen* schirm : QGuiApplication::screens())
        alle = alle.united(schirm->geometry());
    const auto x = Lies(kDatenfensterX);
    const auto y = Lies(kDatenfensterY);
    if (x && y && alle.contains(*x, *y))
        m_daten->platz = {*x, *y};
}

// Only values a printout would take are kept: the next start begins with usable fields.
void Profilfenster::FelderMerken() {
    Schreibe(kProfillaenge, m_laenge->text().toStdString());
    Schreibe(kProfildicke, m_dicke->text().toStdString());
}

// What the next start takes up again, kept when the window closes.
void Profilfenster::BeimSchliessen() {
    FelderMerken();
    m_daten->PlatzMerken();
    if (m_daten->platz) {
        Schreibe(kDatenfensterX, m_daten->platz->first);
        Schreibe(kDatenfensterY, m_daten->platz->second);
    }
}

void Profilfenster::reject() {
    BeimSchliessen();
    QDialog::reject();
}

void Profilfenster::OnBeenden() {
    close();
}

void Profilfenster::KontextmenueAnlegen() {
    m_kontext = new QMenu(this);
    m_kontext->addAction(Zeichenkette(IDS_SCHLIESSEN), this, &QWidget::close);
    m_kontext->addSeparator();
    m_zuletztKontext = m_kontext->addMenu(Zeichenkette(IDS_ZULETZT));
    const std::pair<int, void (Profilfenster::*)()> eintraege[] = {
        {IDS_SEITENANSICHT, &Profilfenster::OnSeitenansicht},
        {IDS_EXPORTIEREN, &Profilfenster::OnExportieren},
        {IDS_RIPPENSATZ, &Profilfenster::OnRippensatz},
        {IDS_SCHAUMKERN, &Profilfenster::OnSchaumkern},
    };
    for (const auto& [ids, befehl] : eintraege)
        m_profilBefehle.push_back(m_kontext->addAction(Zeichenkette(ids), this, befehl));
    m_kontext->addAction(Zeichenkette(IDS_KALIBRIEREN), this, &Profilfenster::OnKalibrieren);
    m_kontext->addSeparator();
    m_kontext->addAction(Zeichenkette(IDS_INFO), this, &Profilfenster::OnInfo);
}

void Profilfenster::contextMenuEvent(QContextMenuEvent* event) {
    m_kontext->popup(event->globalPos());
    event->accept();
}

QString ZuletztEintrag(int nummer, const std::string& pfad) {
    QString name = QString::fromStdString(pfad);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(nummer).arg(name);
}

void Profilfenster::ZuletztFuellen(QMenu* menue) {
    menue->clear();
    const auto& dateien = m_zuletzt.Dateien();
    for (int i = 0; i < static_cast<int>(dateien.size()); ++i)
        menue->addAction(ZuletztEintrag(i + 1, dateien[static_cast<std::size_t>(i)]), this,
                         [this, i] { ZuletztLaden(i); });
    if (dateien.empty())
        menue->addAction(Zeichenkette(IDS_ZULETZT_LEER))->setEnabled(false);
}

void Profilfenster::MenueAktualisieren() {
    ZuletztFuellen(m_zuletztKontext);
    ZuletztFuellen(m_zuletztLeiste);
    for (QAction* eintrag : m_profilBefehle)
        eintrag->setEnabled(m_profil.punkte.ende >= 2);
}

void Profilfenster::ZuletztLaden(int index) {
    const auto& dateien = m_zuletzt.Dateien();
    if (index < 0 || index >= static_cast<int>(dateien.size()))
        return;
    const std::string pfad = dateien[static_cast<std::size_t>(index)];
    std::error_code fehler;
    if (!std::filesystem::exists(SystemPfad(QString::fromStdString(pfad)), fehler)) {
        m_zuletzt.Entfernen(index);
        MenueAktualisieren();
        Melden(Meldungstext::Woertlich(
            Zeichenkette(IDS_DATEI_WEG).arg(QString::fromStdString(pfad)).toStdString()));
        return;
    }
    // As a dropped file: the numbers choose the format.
    DateiLaden(QString::fromStdString(pfad), std::nullopt);
}

std::optional<ProfilFormat> Profilfenster::GewaehltesFormat() const {
    if (m_selig->isChecked())
        return ProfilFormat::Selig;
    if (m_werte->isChecked())
        return ProfilFormat::Werte;
    return std::nullopt;
}

void Profilfenster::OnLaden() {
    DateiWaehlen(m_selig->isChecked() ? ProfilFormat::Selig : ProfilFormat::Werte);
}

// The keyboard's way to load: also before a format is chosen, and then the numbers choose it.
void Profilfenster::OnDateiOeffnen() {
    DateiWaehlen(GewaehltesFormat());
}

void Profilfenster::DateiWaehlen(std::optional<ProfilFormat> format) {
    const auto beispiele = BeispielOrdner();
    const QString pfad =
        ProfilWaehlen(this, beispiele ? QString::fromStdString(*beispiele) : QString());
    if (!pfad.isEmpty())
        DateiLaden(pfad, format);
}

std::string Profilfenster::AusgabeVorschlag(const char* endung) const {
    std::string ordner;
    if (const auto gemerkt = Lies(kOrdnerAusgabe))
        ordner = *gemerkt;
    else if (const char* heim = std::getenv("HOME"); heim && *heim)
        ordner = heim;
    if (!ordner.empty() && ordner.back() != '/')
        ordner += '/';
    std::string name = m_datei;
    if (const std::size_t strich = name.rfind('/'); strich != std::string::npos)
        name.erase(0, strich + 1);
    if (const std::size_t punkt = name.rfind('.'); punkt != std::string::npos && punkt > 0)
        name.erase(punkt);
    if (name.empty())
        name = "profil";
    return ordner + name + endung;
}

void Profilfenster::AusgabeMerken(const std::string& pfad) {
    OrdnerMerken(kOrdnerAusgabe, pfad);
}

void Profilfenster::FeldWaehlen(QLineEdit* feld) {
    if (feld == nullptr)
        return;
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
}

void Profilfenster::dragEnterEvent(QDragEnterEvent* event) {
    if (!LokaleDateien(event->mimeData()).empty())
        event->acceptProposedAction();
}

void Profilfenster::dropEvent(QDropEvent* event) {
    const std::vector<QString> pfade = LokaleDateien(event->mimeData());
    if (pfade.empty())
        return;
    event->acceptProposedAction();
    DateiLaden(pfade.front(), std::nullopt);
    // One profile at a time: the others are named as left out, not silently dropped.
    if (pfade.size() > 1)
        Melden(Meldungstext::Woertlich(
            Zeichenkette(pfade.size() == 2 ? IDS_EINE_WEITERE_DATEI : IDS_WEITERE_DATEIEN)
                .arg(pfade.front(), QString::number(pfade.size() - 1))
                .toStdString()));
}

void Profilfenster::DateiLaden(const QString& pfad, std::optional<ProfilFormat> format) {
    const Profil ergebnis = LadeProfil(SystemPfad(pfad), format);
    // A refused file leaves the loaded profile, the fields and the buttons as they were.
    if (!ergebnis.fehler.leer()) {
        Melden(ergebnis.fehler);
        return;
    }
    std::vector<Meldungstext> warnungen = ergebnis.warnungen;
    // Read in the chosen format, the numbers may plainly belong to the other one.
    if (format && ergebnis.anderesFormat) {
        const char* name = *ergebnis.anderesFormat == ProfilFormat::Selig ? "Selig" : "Werte";
        if (FrageStellen(this,
                         Meldung(meldung::kAnderesFormatFrage, {ergebnis.formatHinweis, name}),
                         Meldung(meldung::kKnopfJa), Meldung(meldung::kKnopfNein))) {
            DateiLaden(pfad, ergebnis.anderesFormat);
            return;
        }
        // Already asked about.
        std::erase(warnungen, ergebnis.formatHinweis);
    }
    ProfilZeigen(pfad, ergebnis);
    // A file read only in part, or thinned, is said so once it is shown.
    if (!warnungen.empty())
        Melden(Zeilen(warnungen));
}

void Profilfenster::ProfilZeigen(const QString& pfad, const Profil& ergebnis) {
    m_profil = ergebnis;
    m_datei = pfad.toStdString();
    m_kommentar = AlsUtf8(ergebnis.kommentar);
    // A file from the command line or dropped on the window: the buttons show its format, and
    // it is remembered as a clicked one is.
    const bool selig = ergebnis.format == ProfilFormat::Selig;
    (selig ? m_selig : m_werte)->setChecked(true);
    (selig ? m_werte : m_selig)->setChecked(false);
    Schreibe(kFormat, selig ? kFormatSelig : kFormatWerte);
    m_laden->setEnabled(true);
    TextSetzen(m_dateiFeld, pfad);
    TextSetzen(m_anzahl, QString::number(ergebnis.anzahl));
    TextSetzen(m_kommentarFeld, QString::fromStdString(m_kommentar));
    // An open data window follows the load.
    std::vector<std::string> zeilen = ListeAufbauen(ergebnis);
    for (std::string& zeile : zeilen)
        zeile = AlsUtf8(zeile);
    m_daten->Fuellen(pfad, zeilen);

    OnPlotten();
    for (QWidget* w : {static_cast<QWidget*>(m_plotten), static_cast<QWidget*>(m_drucken),
                       static_cast<QWidget*>(m_datenZeigen), static_cast<QWidget*>(m_plotLoeschen),
                       static_cast<QWidget*>(m_bild)})
        w->setEnabled(true);
    m_zuletzt.Hinzufuegen(m_datei);
    MenueAktualisieren();
}

void Profilfenster::OnDatenZeigen() {
    m_daten->Zeigen(QString::fromStdString(m_datei));
}
