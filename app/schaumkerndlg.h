// The foam-core dialog: every value of a hot-wire core, a drawing of both faces and the wire's
// paths at the towers, and the G-code file. Plain Qt Widgets.
#pragma once

#include "foam_core/kern.h"
#include "profile/profil.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Kernbild;

class SchaumkernDialog : public QDialog {
public:
    // The root profile, its file and name line are the main window's; they must outlive the
    // dialog.
    SchaumkernDialog(QWidget* eltern, const Profil& wurzel, const QString& datei,
                     const std::string& kommentar);

    // Every way to close keeps the values.
    void done(int ergebnis) override;

private:
    void FelderAnlegen();
    QLayout* SpitzenzeileAnlegen();
    QLayout* KnoepfeAnlegen();
    // The job the fields describe, checked as the command line checks it.
    Kern Pruefen() const;
    // Redraws, or says under the drawing why not.
    void Zeichnen();
    // Says why under the drawing and in a message box, then selects the field to correct.
    void Abgelehnt(const Meldungstext& fehler, Kernfeld feld);
    void Speichern();
    void SpitzeWaehlen();
    void SpitzeEntfernen();
    // Nothing once loaded as the tip profile (its warnings in m_spitze), else why not.
    Meldungstext SpitzeLaden(const QString& pfad);
    // The files the output must not overwrite.
    std::vector<std::string> Eingaben() const;
    void EinstellungenLesen();
    void EinstellungenSchreiben() const;

    const Profil& m_wurzel;
    QString m_datei;
    std::string m_kommentar;
    std::optional<Profil> m_spitze;
    QString m_spitzenPfad;
    std::array<QLineEdit*, kKernfelder> m_felder{};
    QComboBox* m_vorschubart = nullptr;
    QComboBox* m_achsen = nullptr;
    QLineEdit* m_spitzenDatei = nullptr;
    QPushButton* m_spitzeWeg = nullptr;
    Kernbild* m_bild = nullptr;
    QLabel* m_meldung = nullptr;
};
