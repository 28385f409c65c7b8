// The main window: format, chord length, thickness, the loaded file and the commands.
#pragma once

#include "model/papier.h"
#include "platform/afxwin.h"
#include "profile/profil.h"
#include "res/resource.h"
#include "ui/datenfenster.h"
#include "ui/profilbild.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QString>

class QAction;
class QKeySequence;
class QMenu;
class QPrinter;

// A menu entry's text for a recent file: the access key 1 … 8, and "&" doubled so that it shows.
QString ZuletztEintrag(int nummer, const CString& pfad);

// Posted by the window to itself: load the file named on the command line once it shows.
constexpr UINT WM_STARTDATEI = WM_APP + 1;

class CProfilDlg : public CDialog {
public:
    enum { IDD = IDD_PROFIL };

    CProfilDlg();

    // Made with the window, which owns it.
    Datenfenster* m_daten = nullptr;
    Profilbild* m_bild = nullptr;
    CButton m_radSelig;
    CButton m_radWerte;
    CButton m_btnDatenZeigen;
    CButton m_btnDrucken;
    CButton m_btnPlotten;
    CButton m_btnLaden;
    CButton m_btnPlotLoeschen;
    CString m_strProfillaenge;
    CString m_strProfildicke;
    CString m_strDatei;
    std::int32_t m_nAnzahl;
    CString m_strKommentar;
    // The loaded profile; its pairs are what every drawing and output of the window shows.
    Profil m_profil;
    HICON m_hIcon;
    // The file named on the command line, loaded once the window shows; the format, if given.
    CString m_strStartDatei;
    std::optional<ProfilFormat> m_startFormat;
    CMenu m_menuZuletzt;
    QMenu* m_zuletztLeiste = nullptr;
    std::vector<QAction*> m_profilBefehle;

    // After a refused chord or thickness: the field that holds it takes the focus, its text
    // selected, so that the user can type the value again at once.
    void AbgelehntesFeldWaehlen(int nID);
    // The full path an output dialog offers: the loaded file's name with endung (".pdf") in the
    // folder of the last output.
    CString AusgabeVorschlag(const char* endung) const;
    // Plans the printout on a device's printable area.
    using Planer = std::function<Druck(const Papiermasse&)>;
    // The print command of every printout, owned by eltern: the print dialog offering the
    // profile's name with endung, a PDF file checked as the exports check theirs (never one of
    // eingaben), the chosen printer's calibration, the plan and its refusal, the question a
    // printout in tiles needs (frage gives its text, or nothing), the document.
    void Ausdrucken(QWidget* eltern, const char* endung, const Planer& planen,
                    const std::function<std::string(const Druck&)>& frage,
                    const std::vector<std::string>& eingaben);
    // The same printout in the toolkit's preview, calibrated for its printer.
    void Vorschau(QWidget* eltern, const char* endung, const Planer& planen,
                  const std::vector<std::string>& eingaben);
    // The export command of every window: the file dialog offering the cutter formats and the
    // profile's name with endung, the format from the chosen name, the drawing in that format.
    void Exportieren(QWidget* eltern, const char* endung, const Zeichnung& zeichnung,
                     const std::vector<std::string>& eingaben);
    // Remembers the folder of a file the user chose for an output; empty changes nothing.
    void AusgabeMerken(const CString& strPfad);
    // The foam-core dialog for the loaded profile; nothing without one.
    void OnSchaumkern();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    MessageMap GetMessageMap() const override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnLaden();
    void OnDateiOeffnen();
    void OnPlotten();
    void OnDrucken();
    void OnDatenZeigen();
    void OnChangeProfillaenge();
    void OnChangeProfildicke();
    void OnKillfocusProfillaenge();
    void OnKillfocusProfildicke();
    void OnPlotLoeschen();
    void OnSelig();
    void OnWerte();
    void OnStartDatei();
    void OnDropFiles(UINT, LPARAM hDrop);
    void OnSeitenansicht();
    // Prints the calibration page, asks for the measured bars and keeps the correction for
    // that printer; later printouts on it are corrected.
    void OnKalibrieren();
    void OnExportieren();
    void OnRippensatz();
    void OnInfo();
    void OnHilfe();
    void OnBeenden();

    // The file dialog in the last folder; then loads the chosen file.
    void DateiWaehlen(std::optional<ProfilFormat> format);
    void EinstellungenLesen();
    void FelderMerken();
    void BeimSchliessen();
    // The recent-file popup and the entries that need a profile, as things stand.
    void MenueAktualisieren();
    void ZuletztLaden(int nIndex);
    // The menu bar above the controls; its entries that need a profile follow MenueAktualisieren.
    void MenueleisteAnlegen();
    template <class Befehl>
    QAction* Eintrag(QMenu* menue, std::string_view text, Befehl befehl, const QKeySequence& taste,
                     bool brauchtProfil = false);
    void ZuletztLeisteFuellen();
    // The preview's pages, or the printout from its print button, on seiten.
    void VorschauSeiten(QWidget* eltern, QPrinter& seiten, const Planer& planen,
                        const std::vector<std::string>& eingaben);
    // Loads the file the way "Profil Laden" does; without a format the numbers choose it and
    // the format buttons show it. A file that cannot be loaded changes nothing but says why.
    void DateiLaden(const CString& strPfad, std::optional<ProfilFormat> format);
    // Shows a loaded profile: path, format, count, name, listing, plot, commands, recent files.
    void ProfilZeigen(const CString& strPfad, const Profil& ergebnis);
};
