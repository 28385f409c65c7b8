// The rib-set dialog: the set's values, a drawing of its root and tip rib, and its printout and
// files for cutters.
#pragma once

#include "output/rippenwahl.h"
#include "platform/afxwin.h"
#include "profile/profil.h"
#include "res/resource.h"

#include "app/einstellungen.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class CProfilDlg;

constexpr int kHolmZeilen = 3;

// A field kept in the settings, and its control.
struct Merkfeld {
    Texteinstellung einstellung;
    CString* feld;
    int id;
};

class CRippensatzDlg : public CDialog {
public:
    enum { IDD = IDD_RIPPENSATZ };

    // The root profile and its file are the main window's; the thickness starts as the main
    // window's until the dialog has kept one of its own.
    explicit CRippensatzDlg(CProfilDlg& haupt);

    CString m_strWurzel;
    CString m_strSpitze;
    CString m_strAnzahl;
    CString m_strKopien;
    CString m_strBeplankungOben;
    CString m_strBeplankungUnten;
    CString m_strNasenleiste;
    CString m_strEndleiste;
    CString m_strPlatte;
    CString m_strDicke;
    CString m_strSchnittbreite;
    CString m_strSchraenkung;
    CString m_strDrehpunkt;
    CString m_strHelling;
    CString m_strLoecher;
    CString m_strSteg;
    CString m_strSpitzenDatei;
    CString m_strHolmOrt[kHolmZeilen];
    CString m_strHolmBreite[kHolmZeilen];
    CString m_strHolmTiefe[kHolmZeilen];
    CButton m_chkHolmUnten[kHolmZeilen];
    CButton m_chkGlaetten;
    CButton m_chkOhnePlatte;
    CStatic m_frmBild;
    CStatic m_txtMeldung;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    MessageMap GetMessageMap() const override;

    // Redraws the root and the tip rib, or says under the frame why they cannot be made.
    void OnZeichnen();
    void OnSpitzenprofil();
    void OnSpitzeEntfernen();
    void OnSeitenansicht();
    void OnDrucken();
    void OnExportieren();

private:
    // The job the fields describe; "" or why a value is refused, with m_nAbgelehnt set. zeilen
    // gets the row of each spar the job has (an empty Ort is no spar).
    std::string JobLesen(Rippenjob& job, std::vector<int>& zeilen);
    // The job and its ribs (only root and tip for the drawing), or why not in the words of the
    // dialog's fields, with m_nAbgelehnt set to the field to correct.
    std::string SatzPruefen(Rippenjob& job, Rippenteile& teile, bool nurEnden);
    // A refusal of the ribs library, with the spar numbered by its row and the field it concerns.
    std::string Zugeordnet(const std::string& fehler, const RippenAuftrag& a,
                           const std::vector<int>& zeilen);
    // The checked set, or nothing once a message box has said why not.
    std::optional<Rippenteile> TeileOderGesagt(Rippenjob& job);
    // Says why under the frame and in a message box, then puts the focus on the field to correct.
    void Abgelehnt(const std::string& fehler);
    // The files the outputs must not overwrite.
    std::vector<std::string> Eingaben() const;
    // "" when loaded as the tip profile; the main window's profile stays the root's.
    std::string SpitzeLaden(const CString& strPfad, std::string& warnung);
    // The values as the shared reader takes them, each option put together from its fields;
    // "" or why a field cannot be, with m_nAbgelehnt set.
    std::string WahlLesen(Rippenwahl& w);
    std::array<Merkfeld, 16> Merkfelder();
    void EinstellungenLesen();
    void EinstellungenSchreiben();

    CProfilDlg& m_haupt;
    // The field whose value was refused last, 0 for none.
    int m_nAbgelehnt = 0;
    bool m_bGlaetten = true;
    bool m_bOhnePlatte = false;
    bool m_bHolmUnten[kHolmZeilen] = {};
    std::optional<Profil> m_spitze;
};
