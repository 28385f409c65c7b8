#include "ui/einstellungsspeicher.h"

#include "output/ini.h"
#include "output/schreiben.h"
#include "profile/text.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>
#include <QTimer>
#include <QVariant>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kMaxEinstellungen = 1024 * 1024;

void EinstellungMelden(const Meldungstext& meldung) {
    std::fputs(("kestrun1: " + meldung.Text() + "\n").c_str(), stderr);
}

// At most kMaxEinstellungen bytes, or nullopt and the reason.
std::optional<QByteArray> AllesLesen(int fd, Meldungstext& grund) {
    QByteArray inhalt;
    for (;;) {
        char puffer[65536];
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            return inhalt;
        if (n < 0)
            grund = Meldungstext::Woertlich(std::strerror(errno));
        else if (inhalt.size() + n > kMaxEinstellungen) // grown since fstat
            grund = Meldung(meldung::kEinstellungenZuGross, {"1"});
        else {
            inhalt.append(puffer, n);
            continue;
        }
        return std::nullopt;
    }
}

// The settings file's bytes: nothing for a missing file, nullopt (and the reason) for anything
// but a regular file of at most 1 MiB. Neither a FIFO nor a device is ever opened.
std::optional<QByteArray> EinstellungenLesen(const std::string& pfad, Meldungstext& grund) {
    struct stat info {};
    if (::stat(pfad.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return QByteArray();
        grund = Meldungstext::Woertlich(std::strerror(errno));
        return std::nullopt;
    }
    const int fd = S_ISREG(info.st_mode)
                       ? ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)
                       : -1;
    if (fd < 0 && S_ISREG(info.st_mode)) {
        grund = Meldungstext::Woertlich(std::strerror(errno));
        return std::nullopt;
    }
    // The file opened, not the one looked at, decides.
    if (fd >= 0 && ::fstat(fd, &info) != 0)
        info.st_mode = 0;
    std::optional<QByteArray> inhalt;
    if (!S_ISREG(info.st_mode))
        grund = Meldung(meldung::kEinstellungenKeineDatei);
    else if (info.st_size > kMaxEinstellungen)
        grund = Meldung(meldung::kEinstellungenZuGross, {"1"});
    else
        inhalt = AllesLesen(fd, grund);
    if (fd >= 0)
        ::close(fd);
    return inhalt;
}

bool GleicherStand(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

using Werte = QMap<QString, QVariant>;

// The file's texts; values of any other kind never came from the program.
Werte AlsWerte(const QByteArray& inhalt) {
    Werte werte;
    for (const auto& [schluessel, wert] : LiesIni(std::string_view(inhalt.data(), inhalt.size())))
        werte.insert(QString::fromStdString(schluessel), QString::fromStdString(wert));
    return werte;
}

QByteArray AlsIni(const Werte& werte) {
    IniWerte ini;
    for (auto i = werte.cbegin(); i != werte.cend(); ++i)
        ini[i.key().toStdString()] = i.value().toString().toStdString();
    return QByteArray::fromStdString(IniText(ini));
}

// One change: a value, or none to remove the key and, as the toolkit does, the group of that
// name with everything in it. True when it changes something.
bool Anwenden(Werte& werte, const QString& schluessel, const std::optional<QVariant>& wert) {
    if (wert) {
        if (werte.value(schluessel) == *wert)
            return false;
        werte.insert(schluessel, *wert);
        return true;
    }
    const QString gruppe = schluessel + QLatin1Char('/');
    return werte.remove(schluessel) + werte.removeIf([&](const auto& e) {
        return e.key().startsWith(gruppe);
    }) > 0;
}

// The settings, read by the program itself from the file and kept in memory, written back
// through the one safe writer. A file another program changed is read again, with this one's
// pending changes put on top, as the toolkit did.
class Einstellungsspeicher {
public:
    explicit Einstellungsspeicher(QString datei) : m_datei(std::move(datei)) { Lesen(); }

    QVariant Wert(const QString& schluessel) {
        Aktualisieren();
        return m_werte.value(schluessel);
    }
    void Setzen(const QString& schluessel, std::optional<QVariant> wert) {
        Aktualisieren();
        if (!Anwenden(m_werte, schluessel, wert))
            return;
        m_aenderungen.emplace_back(schluessel, std::move(wert));
        Vormerken();
    }
    bool Gesperrt() const { return m_gesperrt; }
    const QString& Datei() const { return m_datei; }
    void Speichern();

private:
    void Lesen();
    void Aktualisieren() {
        if (!Aktuell())
            Lesen();
    }
    bool Aktuell() const {
        struct stat jetzt {};
        const bool da = ::stat(QFile::encodeName(m_datei).constData(), &jetzt) == 0;
        return da == m_da && (!da || GleicherStand(jetzt, m_stand));
    }
    void Vormerken();

    QString m_datei;
    Werte m_werte;
    std::vector<std::pair<QString, std::optional<QVariant>>> m_aenderungen;
    bool m_gesperrt = false; // refused: nothing is written this session
    bool m_vorgemerkt = false;
    bool m_da = false;
    struct stat m_stand {};
};

// The file's values, with the changes not yet written put on top again.
void Einstellungsspeicher::Lesen() {
    const std::string pfad = QFile::encodeName(m_datei).toStdString();
    m_da = ::stat(pfad.c_str(), &m_stand) == 0;
    Meldungstext grund;
    const std::optional<QByteArray> inhalt = EinstellungenLesen(pfad, grund);
    if (!inhalt)
        EinstellungMelden(Meldung(meldung::kEinstellungenNichtGelesen, {AlsUtf8(pfad), grund}));
    m_gesperrt = !inhalt;
    m_werte = inhalt && !inhalt->isEmpty() ? AlsWerte(*inhalt) : Werte();
    for (const auto& [schluessel, wert] : m_aenderungen)
        Anwenden(m_werte, schluessel, wert);
}

void Einstellungsspeicher::Speichern() {
    if (m_aenderungen.empty())
        return;
    if (!Aktuell())
        Lesen();
    m_aenderungen.clear();
    if (m_gesperrt)
        return;
    const std::string pfad = QFile::encodeName(m_datei).toStdString();
    const QByteArray inhalt = AlsIni(m_werte);
    // The desktop's folder for settings may not exist yet.
    QDir().mkpath(QFileInfo(m_datei).absolutePath());
    const Meldungstext fehler =
        SchreibeDatei(pfad, std::string_view(inhalt.data(), inhalt.size()));
    if (!fehler.leer())
        EinstellungMelden(Meldung(meldung::kEinstellungenNichtGespeichert, {fehler}));
    m_da = ::stat(pfad.c_str(), &m_stand) == 0;
}

// One object for the run; changes are written out from the event loop a moment after they are
// made, all at once, and when the object goes: a load that adds a recent file costs one write.
std::unique_ptr<Einstellungsspeicher> g_einstellungen;

void Einstellungsspeicher::Vormerken() {
    if (m_vorgemerkt)
        return;
    if (QCoreApplication::instance() == nullptr) {
        Speichern();
        return;
    }
    m_vorgemerkt = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        if (g_einstellungen) {
            g_einstellungen->m_vorgemerkt = false;
            g_einstellungen->Speichern();
        }
    });
}

// Written out while the toolkit is still whole: at the end of the application object, not among
// the program's static objects, whose order against the toolkit's is not fixed.
void EinstellungenSchliessen() {
    if (g_einstellungen)
        g_einstellungen->Speichern();
    g_einstellungen.reset();
}

// Where the toolkit keeps a program's settings: ~/.config or $XDG_CONFIG_HOME, the
// organisation's folder, the application's name.
QString EinstellungsDatei(const QString& firma, const QString& name) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + firma + QLatin1Char('/') + name + QStringLiteral(".conf");
}

Einstellungsspeicher& Speicher() {
    const QString name = QCoreApplication::applicationName();
    const QString firma = QCoreApplication::organizationName().isEmpty()
                              ? name
                              : QCoreApplication::organizationName();
    const QString datei = EinstellungsDatei(firma, name);
    if (!g_einstellungen || g_einstellungen->Datei() != datei) {
        if (!g_einstellungen && QCoreApplication::instance())
            qAddPostRoutine(EinstellungenSchliessen);
        if (g_einstellungen)
            g_einstellungen->Speichern();
        g_einstellungen = std::make_unique<Einstellungsspeicher>(datei);
    }
    return *g_einstellungen;
}

} // namespace

std::optional<std::string> EinstellungLesen(const std::string& schluessel) {
    const QVariant wert = Speicher().Wert(QString::fromStdString(schluessel));
    // A hand-edited file may hold a list where a text belongs.
    if (!wert.isValid() || wert.typeId() != QMetaType::QString)
        return std::nullopt;
    return wert.toString().toStdString();
}

bool EinstellungSchreiben(const std::string& schluessel, const std::optional<std::string>& wert) {
    Einstellungsspeicher& speicher = Speicher();
    speicher.Setzen(QString::fromStdString(schluessel),
                    wert ? std::optional<QVariant>(QString::fromStdString(*wert)) : std::nullopt);
    return !speicher.Gesperrt();
}

void EinstellungenSpeichern() {
    if (g_einstellungen)
        g_einstellungen->Speichern();
}
