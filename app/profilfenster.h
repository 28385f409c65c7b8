// The main window: format, chord length, thickness, the loaded file and the commands, with the
// classic controls at their places in dialog units, a menu bar above them and a context menu.
#pragma once

#include "app/zuletzt.h"
#include "model/papier.h"
#include "profile/profil.h"
#include "ui/datenfenster.h"
#include "ui/profilbild.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QKeySequence;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;

// A classic control's place and size in dialog units of the window's font.
struct Lage {
    const char* name;
    int x, y, breite, hoehe;
};
// Every control of the window, named as findChild finds it.
extern const Lage kFensterLage[20];
// The window's size in the same units, without the menu bar.
inline constexpr int kFensterBreite = 442;
inline constexpr int kFensterHoehe = 258;

// A menu entry's text for a recent file: the access key 1 … 8, and "&" doubled so that it shows.
QString ZuletztEintrag(int nummer, const std::string& pfad);

class Profilfenster : public QDialog {
public:
    Profilfenster();
    ~Profilfenster() override;

    // Shows the window; a file named on the command line loads once it is on screen.
    void Zeigen();
    QString startDatei;
    std::optional<ProfilFormat> startFormat;

    // The loaded profile; its pairs are what every drawing and output of the window shows.
    Profil m_profil;
    // The loaded file's path as shown (UTF-8) and its name line.
    std::string m_datei;
    std::string m_kommentar;
    Datenfenster* m_daten = nullptr;
    Profilbild* m_bild = nullptr;

    QString Profillaenge() const;
    QString Profildicke() const;
    // The loaded file's path as the system spells it.
    std::string DateiKodiert() const;
    QMenu* Kontextmenue() const { return m_kontext; }
    QMenu* ZuletztMenue() const { return m_zuletztKontext; }

    // After a refused chord or thickness: the field takes the focus, its text selected.
    void FeldWaehlen(QLineEdit* feld);
    QLineEdit* LaengenFeld() const { return m_laenge; }
    QLineEdit* DickenFeld() const { return m_dicke; }
    // The full path an output dialog offers: the loaded file's name with endung (".pdf") in the
    // folder of the last output.
    std::string AusgabeVorschlag(const char* endung) const;
    // Plans the printout on a device's printable area.
    using Planer = std::function<Druck(const Papiermasse&)>;
    // The print command of every printout, owned by eltern: the print dialog offering the
    // profile's name with endung, a PDF file checked as the exports check theirs (never one of
    // eingaben), the chosen printer's calibration, the plan and its refusal, the question a
    // printout in tiles needs (frage gives its text, or nothing), the document.
    void Ausdrucken(QWidget* eltern, const char* endung, const Planer& planen,
                    const std::function<Meldungstext(const Druck&)>& frage,
                    const std::vector<std::string>& eingaben);
    // The same printout in the toolkit's preview, calibrated for its printer.
    void Vorschau(QWidget* eltern, const char* endung, const Planer& planen,
                  const std::vector<std::string>& eingaben);
    // The export command of every window: the file dialog offering the cutter formats and the
    // profile's name with endung, the format from the chosen name, the drawing in that format.
    void Exportieren(QWidget* eltern, const char* endung, const Zeichnung& zeichnung,
                     const std::vector<std::string>& eingaben);
    // Remembers the folder of a file the user chose for an output; empty changes nothing.
    void AusgabeMerken(const std::string& pfad);

    void OnLaden();
    void OnDateiOeffnen();
    void OnPlotten();
    void OnDrucken();
    void OnDatenZeigen();
    void OnPlotLoeschen();
    void OnSeitenansicht();
    // Prints the calibration page, asks for the measured bars and keeps the correction for
    // that printer; later printouts on it are corrected.
    void OnKalibrieren();
    void OnExportieren();
    void OnRippensatz();
    void OnSchaumkern();
    void OnInfo();
    void OnHilfe();
    void OnBeenden();

    void reject() override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void SteuerelementeAnlegen();
    void SteuerelementeVerbinden(QPushButton* ok);
    void KontextmenueAnlegen();
    void MenueleisteAnlegen();
    template <class Befehl>
    QAction* Eintrag(QMenu* menue, std::string_view text, Befehl befehl, const QKeySequence& taste,
                     bool brauchtProfil = false);
    void EinstellungenLesen();
    void FelderMerken();
    void BeimSchliessen();
    // The recent-file menus and the entries that need a profile, as things stand.
    void MenueAktualisieren();
    void ZuletztFuellen(QMenu* menue);
    void ZuletztLaden(int index);
    void FormatZeigen(std::optional<ProfilFormat> format);
    std::optional<ProfilFormat> GewaehltesFormat() const;
    // The file dialog in the last folder; then loads the chosen file.
    void DateiWaehlen(std::optional<ProfilFormat> format);
    // Loads the file the way "Profil Laden" does; without a format the numbers choose it and
    // the format buttons show it. A file that cannot be loaded changes nothing but says why.
    void DateiLaden(const QString& pfad, std::optional<ProfilFormat> format);
    // Shows a loaded profile: path, format, count, name, listing, plot, commands, recent files.
    void ProfilZeigen(const QString& pfad, const Profil& ergebnis);
    // The preview's pages, or the printout from its print button, on seiten.
    void VorschauSeiten(QWidget* eltern, QPrinter& seiten, const Planer& planen,
                        const std::vector<std::string>& eingaben);
    void Melden(const Meldungstext& meldung);

    QRadioButton* m_selig = nullptr;
    QRadioButton* m_werte = nullptr;
    QPushButton* m_laden = nullptr;
    QPushButton* m_plotten = nullptr;
    QPushButton* m_drucken = nullptr;
    QPushButton* m_datenZeigen = nullptr;
    QPushButton* m_plotLoeschen = nullptr;
    QLineEdit* m_laenge = nullptr;
    QLineEdit* m_dicke = nullptr;
    QLineEdit* m_dateiFeld = nullptr;
    QLineEdit* m_anzahl = nullptr;
    QLineEdit* m_kommentarFeld = nullptr;
    QMenu* m_kontext = nullptr;
    QMenu* m_zuletztKontext = nullptr;
    QMenu* m_zuletztLeiste = nullptr;
    std::vector<QAction*> m_profilBefehle;
    Zuletzt m_zuletzt;
};
