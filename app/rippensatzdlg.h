// The rib-set dialog: the set's values, a drawing of its root and tip rib, and its printout and
// files for cutters. Plain Qt Widgets.
#pragma once

#include "output/rippenwahl.h"
#include "profile/profil.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

class Profilfenster;
class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class Rippenbild;

constexpr int kHolmZeilen = 3;

// The dialog's value fields, top to bottom.
enum class Satzfeld {
    Wurzel,
    Spitze,
    Anzahl,
    Kopien,
    BeplankungOben,
    BeplankungUnten,
    Nasenleiste,
    Endleiste,
    Platte,
    Dicke,
    Schnittbreite,
    Schraenkung,
    Drehpunkt,
    Helling,
    Loecher,
    Steg,
};
constexpr std::size_t kSatzfelder = 16;

class RippensatzDialog : public QDialog {
public:
    // The root profile and its file are the main window's; the thickness starts as the main
    // window's until the dialog has kept one of its own.
    explicit RippensatzDialog(Profilfenster& haupt);

    // Every way to close keeps the values.
    void done(int ergebnis) override;

private:
    struct Holmzeile {
        QLineEdit* ort = nullptr;
        QLineEdit* breite = nullptr;
        QLineEdit* tiefe = nullptr;
        QCheckBox* unten = nullptr;
    };

    QLayout* FelderAnlegen();
    QLayout* SpitzenzeileAnlegen();
    QLayout* HolmeAnlegen();
    QLayout* KnoepfeAnlegen();
    QLineEdit* Feld(Satzfeld f) const;
    std::string Text(Satzfeld f) const;

    // Redraws the root and the tip rib, or says under the frame why they cannot be made.
    void Zeichnen();
    void SpitzeWaehlen();
    void SpitzeEntfernen();
    void Seitenansicht();
    void Drucken();
    void Exportieren();

    // The job the fields describe; "" or why a value is refused, with m_abgelehnt set. zeilen
    // gets the row of each spar the job has (an empty Ort is no spar).
    Meldungstext JobLesen(Rippenjob& job, std::vector<int>& zeilen);
    // The job and its ribs (only root and tip for the drawing), or why not in the words of the
    // dialog's fields, with m_abgelehnt set to the field to correct.
    Meldungstext SatzPruefen(Rippenjob& job, Rippenteile& teile, bool nurEnden);
    // A refusal of the ribs library, with the spar numbered by its row and the field it concerns.
    Meldungstext Zugeordnet(const Meldungstext& fehler, const RippenAuftrag& a,
                            const std::vector<int>& zeilen);
    // The checked set, or nothing once a message box has said why not.
    std::optional<Rippenteile> TeileOderGesagt(Rippenjob& job);
    // Says why under the frame and in a message box, then selects the field to correct.
    void Abgelehnt(const Meldungstext& fehler);
    // The files the outputs must not overwrite.
    std::vector<std::string> Eingaben() const;
    // Nothing once loaded as the tip profile (its warnings in m_spitze), else why not; the main
    // window's profile stays the root's.
    Meldungstext SpitzeLaden(const QString& pfad);
    // The values as the shared reader takes them, each option put together from its fields;
    // "" or why a field cannot be, with m_abgelehnt set.
    Meldungstext WahlLesen(Rippenwahl& w);
    Meldungstext HolmeLesen(Rippenwahl& w, std::vector<int>& zeilen);
    void EinstellungenLesen();
    void EinstellungenSchreiben() const;

    Profilfenster& m_haupt;
    std::array<QLineEdit*, kSatzfelder> m_felder{};
    std::array<Holmzeile, kHolmZeilen> m_holme{};
    QCheckBox* m_glaetten = nullptr;
    QCheckBox* m_ohnePlatte = nullptr;
    QLineEdit* m_spitzenDatei = nullptr;
    QPushButton* m_spitzenKnopf = nullptr;
    QPushButton* m_spitzeWeg = nullptr;
    Rippenbild* m_bild = nullptr;
    QLabel* m_meldung = nullptr;
    // The field whose value was refused last, none when nothing was.
    QLineEdit* m_abgelehnt = nullptr;
    std::optional<Profil> m_spitze;
};
