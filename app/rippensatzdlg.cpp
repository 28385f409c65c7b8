// The rib-set dialog.
#include "app/rippensatzdlg.h"

#include "app/einstellungen.h"
#include "app/profildlg.h"
#include "drawing/seite.h"
#include "geometry/punkte.h"
#include "geometry/seitenplan.h"
#include "model/blattplan.h"
#include "output/druckwerte.h"
#include "output/schreiben.h"
#include "platform/afxdc.h"
#include "profile/datei.h"
#include "profile/text.h"
#include "profile/zahl.h"
#include "res/meldungen.h"
#include "res/meldungen_ausgabe.h"
#include "res/meldungen_fenster.h"
#include "res/meldungen_rippen.h"
#include "res/meldungen_rippensatz.h"
#include "ribs/anordnung.h"

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

int HolmId(int nBasis, int zeile) {
    return nBasis + zeile * IDC_RS_HOLM_SCHRITT;
}

std::string HolmText(const CString& ort, const CString& breite, const CString& tiefe, bool unten) {
    return std::string(ort.GetString()) + ":" + breite.GetString() + ":" + tiefe.GetString() +
           (unten ? ":unten" : ":oben");
}

// The field of each value the shared reader refuses.
int FeldVon(Rippenwert wert) {
    const std::pair<Rippenwert, int> felder[] = {
        {Rippenwert::Rippen, IDC_RS_ANZAHL},
        {Rippenwert::Wurzel, IDC_RS_WURZEL},
        {Rippenwert::Spitze, IDC_RS_SPITZE},
        {Rippenwert::Beplankung, IDC_RS_BEPLANKUNG},
        {Rippenwert::BeplankungUnten, IDC_RS_BEPLANKUNG_UNTEN},
        {Rippenwert::Nasenleiste, IDC_RS_NASENLEISTE},
        {Rippenwert::Endleiste, IDC_RS_ENDLEISTE},
        {Rippenwert::Platte, IDC_RS_PLATTE},
        {Rippenwert::Kopien, IDC_RS_KOPIEN},
        {Rippenwert::Schnittbreite, IDC_RS_SCHNITTBREITE},
        {Rippenwert::Schraenkung, IDC_RS_SCHRAENKUNG},
        {Rippenwert::Drehpunkt, IDC_RS_DREHPUNKT},
        {Rippenwert::Helling, IDC_RS_HELLING},
        {Rippenwert::Loecher, IDC_RS_LOECHER},
        {Rippenwert::Steg, IDC_RS_STEG}};
    for (const auto& [w, id] : felder)
        if (w == wert)
            return id;
    return 0;
}

// "OBEN:UNTEN", or one value when both sides are alike; an empty side has none.
std::string Beplankung(const CString& oben, const CString& unten) {
    if (oben == unten)
        return oben.GetString();
    return std::string(oben.IsEmpty() ? "0" : oben.GetString()) + ":" +
           (unten.IsEmpty() ? "0" : unten.GetString());
}

// The values a message made by Meldung(muster, ...) was filled with, in the order they stand;
// nothing when the text was not made from muster. Each value runs to the next literal part.
std::optional<std::vector<std::string>> Werte(std::string_view text, std::string_view muster) {
    std::vector<std::string_view> teile;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i + 1 < muster.size(); ++i)
        if (muster[i] == '%' && muster[i + 1] >= '1' && muster[i + 1] <= '9') {
            teile.push_back(muster.substr(anfang, i - anfang));
            anfang = i + 2;
            ++i;
        }
    teile.push_back(muster.substr(anfang));
    if (!text.starts_with(teile.front()))
        return std::nullopt;
    if (teile.size() == 1)
        return text == teile.front() ? std::optional(std::vector<std::string>{}) : std::nullopt;
    std::size_t stelle = teile.front().size();
    std::vector<std::string> werte;
    for (std::size_t k = 1; k < teile.size(); ++k) {
        std::size_t fund;
        if (k + 1 == teile.size()) {
            if (!text.ends_with(teile[k]) || text.size() < stelle + teile[k].size())
                return std::nullopt;
            fund = text.size() - teile[k].size();
        } else {
            fund = text.find(teile[k], stelle);
            if (fund == std::string_view::npos)
                return std::nullopt;
        }
        werte.emplace_back(text.substr(stelle, fund - stelle));
        stelle = fund + teile[k].size();
    }
    return werte;
}

// Rib k of the set (from 1) is this long, as the ribs library makes it.
double RippenLaenge(const RippenAuftrag& a, int k) {
    const int n = a.anzahl.value_or(1);
    return n < 2 ? a.wurzel : a.wurzel + (a.spitze - a.wurzel) * (k - 1) / (n - 1);
}

std::string Mm(double wert) {
    return ZahlText(wert, 1, ',', false);
}

} // namespace

std::array<Merkfeld, 16> CRippensatzDlg::Merkfelder() {
    return {{{kSatzWurzel, &m_strWurzel, IDC_RS_WURZEL},
             {kSatzSpitze, &m_strSpitze, IDC_RS_SPITZE},
             {kSatzAnzahl, &m_strAnzahl, IDC_RS_ANZAHL},
             {kSatzKopien, &m_strKopien, IDC_RS_KOPIEN},
             {kSatzBeplankungOben, &m_strBeplankungOben, IDC_RS_BEPLANKUNG},
             {kSatzBeplankungUnten, &m_strBeplankungUnten, IDC_RS_BEPLANKUNG_UNTEN},
             {kSatzNasenleiste, &m_strNasenleiste, IDC_RS_NASENLEISTE},
             {kSatzEndleiste, &m_strEndleiste, IDC_RS_ENDLEISTE},
             {kSatzPlatte, &m_strPlatte, IDC_RS_PLATTE},
             {kSatzDicke, &m_strDicke, IDC_RS_DICKE},
             {kSatzSchnittbreite, &m_strSchnittbreite, IDC_RS_SCHNITTBREITE},
             {kSatzSchraenkung, &m_strSchraenkung, IDC_RS_SCHRAENKUNG},
             {kSatzDrehpunkt, &m_strDrehpunkt, IDC_RS_DREHPUNKT},
             {kSatzHelling, &m_strHelling, IDC_RS_HELLING},
             {kSatzLoecher, &m_strLoecher, IDC_RS_LOECHER},
             {kSatzSteg, &m_strSteg, IDC_RS_STEG}}};
}

CRippensatzDlg::CRippensatzDlg(CProfilDlg& haupt)
    : CDialog(IDD), m_strWurzel("200"), m_strSpitze("150"), m_strAnzahl("9"), m_strNasenleiste("0"),
      m_strEndleiste("0"), m_strPlatte("600x300"), m_strDicke(haupt.m_strProfildicke),
      m_haupt(haupt) {
    EinstellungenLesen();
}

void CRippensatzDlg::DoDataExchange(CDataExchange* pDX) {
    for (const Merkfeld& f : Merkfelder())
        DDX_Text(pDX, f.id, *f.feld);
    DDX_Text(pDX, IDC_RS_SPITZENDATEI, m_strSpitzenDatei);
    for (int i = 0; i < kHolmZeilen; ++i) {
        DDX_Text(pDX, HolmId(IDC_RS_HOLM_ORT, i), m_strHolmOrt[i]);
        DDX_Text(pDX, HolmId(IDC_RS_HOLM_BREITE, i), m_strHolmBreite[i]);
        DDX_Text(pDX, HolmId(IDC_RS_HOLM_TIEFE, i), m_strHolmTiefe[i]);
        DDX_Control(pDX, HolmId(IDC_RS_HOLM_UNTEN, i), m_chkHolmUnten[i]);
    }
    DDX_Control(pDX, IDC_RS_GLAETTEN, m_chkGlaetten);
    DDX_Control(pDX, IDC_RS_OHNE_PLATTE, m_chkOhnePlatte);
    DDX_Control(pDX, IDC_RS_BILD, m_frmBild);
    DDX_Control(pDX, IDC_RS_MELDUNG, m_txtMeldung);
}

MessageMap CRippensatzDlg::GetMessageMap() const {
    // A value counts once its field is left, as the main window replots.
    static const AFX_MSGMAP_ENTRY eintraege[] = {
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_WURZEL, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_SPITZE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_ANZAHL, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_BEPLANKUNG, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_NASENLEISTE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_ENDLEISTE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_PLATTE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_DICKE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_KOPIEN, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_BEPLANKUNG_UNTEN, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_SCHNITTBREITE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_SCHRAENKUNG, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_DREHPUNKT, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HELLING, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_LOECHER, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_STEG, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_GLAETTEN, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_ORT, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_BREITE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_TIEFE, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_HOLM_UNTEN, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_ORT + 4, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_BREITE + 4, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_TIEFE + 4, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_HOLM_UNTEN + 4, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_ORT + 8, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_BREITE + 8, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, EN_KILLFOCUS, IDC_RS_HOLM_TIEFE + 8, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_HOLM_UNTEN + 8, Handler(&CRippensatzDlg::OnZeichnen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_SPITZENPROFIL, Handler(&CRippensatzDlg::OnSpitzenprofil)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_SPITZE_WEG, Handler(&CRippensatzDlg::OnSpitzeEntfernen)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_SEITENANSICHT, Handler(&CRippensatzDlg::OnSeitenansicht)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_DRUCKEN, Handler(&CRippensatzDlg::OnDrucken)},
        {WM_COMMAND, BN_CLICKED, IDC_RS_EXPORTIEREN, Handler(&CRippensatzDlg::OnExportieren)},
    };
    return eintraege;
}

BOOL CRippensatzDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_chkGlaetten.SetCheck(m_bGlaetten);
    m_chkOhnePlatte.SetCheck(m_bOhnePlatte);
    for (int i = 0; i < kHolmZeilen; ++i)
        m_chkHolmUnten[i].SetCheck(m_bHolmUnten[i]);
    GetDlgItem(IDC_RS_SPITZE_WEG)->EnableWindow(m_spitze.has_value());
    OnZeichnen();
    return TRUE;
}

void CRippensatzDlg::OnCancel() {
    UpdateData(TRUE);
    EinstellungenSchreiben();
    CDialog::OnCancel();
}

std::string CRippensatzDlg::WahlLesen(Rippenwahl& w) {
    // The parts of an option that the reader takes as one text joined by a colon: one typed
    // into a part would shift the parts.
    for (const auto& [id, text, name] :
         {std::tuple{IDC_RS_BEPLANKUNG, &m_strBeplankungOben,
                     QT_TRANSLATE_NOOP("meldung", "Beplankung oben")},
          std::tuple{IDC_RS_BEPLANKUNG_UNTEN, &m_strBeplankungUnten,
                     QT_TRANSLATE_NOOP("meldung", "Beplankung unten")},
          std::tuple{IDC_RS_SCHRAENKUNG, &m_strSchraenkung, kFelder.zusatz.schraenkung},
          std::tuple{IDC_RS_DREHPUNKT, &m_strDrehpunkt, QT_TRANSLATE_NOOP("meldung", "Drehpunkt")},
          std::tuple{IDC_RS_LOECHER, &m_strLoecher,
                     QT_TRANSLATE_NOOP("meldung", "Löcher je Rippe")},
          std::tuple{IDC_RS_STEG, &m_strSteg, QT_TRANSLATE_NOOP("meldung", "Steg der Löcher")}})
        if (std::string(text->GetString()).find(':') != std::string::npos) {
            m_nAbgelehnt = id;
            return Meldung(meldung::kFeldKeineZahl, {Meldung(name), AlsUtf8(text->GetString())});
        }
    w.rippen = m_strAnzahl.GetString();
    w.wurzel = m_strWurzel.GetString();
    w.spitze = m_strSpitze.GetString();
    w.dicke = m_strDicke.GetString();
    w.beplankung = Beplankung(m_strBeplankungOben, m_strBeplankungUnten);
    w.nasenleiste = m_strNasenleiste.GetString();
    w.endleiste = m_strEndleiste.GetString();
    w.platte = m_strPlatte.GetString();
    w.kopien = m_strKopien.GetString();
    w.glaetten = m_chkGlaetten.GetCheck() != 0;
    w.ohnePlatte = m_chkOhnePlatte.GetCheck() != 0;
    // Without an angle there is no washout, and without holes no web: the other field is not
    // used, as an empty field is not.
    Rippenzusatz& z = w.zusatz;
    z.schnittbreite = m_strSchnittbreite.GetString();
    z.helling = m_strHelling.GetString();
    if (!m_strSchraenkung.IsEmpty())
        z.schraenkung =
            std::string(m_strSchraenkung.GetString()) +
            (m_strDrehpunkt.IsEmpty() ? "" : ":" + std::string(m_strDrehpunkt.GetString()));
    if (!m_strLoecher.IsEmpty())
        z.erleichterung = std::string(m_strLoecher.GetString()) + ":" + m_strSteg.GetString();
    return {};
}

std::string CRippensatzDlg::JobLesen(Rippenjob& job, std::vector<int>& zeilen) {
    UpdateData(TRUE);
    m_nAbgelehnt = 0;
    zeilen.clear();
    if (const Druckwerte d = PruefeDruckwerte("100", m_strDicke.GetString()); !d.fehler.empty()) {
        m_nAbgelehnt = IDC_RS_DICKE;
        return d.fehler;
    }
    Rippenwahl w;
    if (std::string fehler = WahlLesen(w); !fehler.empty())
        return fehler;
    // A row without Ort is no spar, whatever its width and depth say; each field of a spar is
    // checked on its own, so that the message names it.
    for (int i = 0; i < kHolmZeilen; ++i) {
        const CString& ort = m_strHolmOrt[i];
        if (ort.IsEmpty())
            continue;
        const std::string nr = std::to_string(i + 1);
        if (!LiesHolm(AlsUtf8(std::string(ort.GetString()) + ":1:1")).holm) {
            m_nAbgelehnt = HolmId(IDC_RS_HOLM_ORT, i);
            return Meldung(meldung::kRsHolmOrt, {nr, AlsUtf8(ort.GetString())});
        }
        for (const auto& [id, text, muster, name] :
             {std::tuple{IDC_RS_HOLM_BREITE, &m_strHolmBreite[i], meldung::kRsHolmBreite,
                         QT_TRANSLATE_NOOP("meldung", "Breite")},
              std::tuple{IDC_RS_HOLM_TIEFE, &m_strHolmTiefe[i], meldung::kRsHolmTiefe,
                         QT_TRANSLATE_NOOP("meldung", "Tiefe")}}) {
            const auto wert = FeldAlsZahl(text->GetString());
            if (!text->IsEmpty() && wert && std::isfinite(*wert) && *wert > 0)
                continue;
            m_nAbgelehnt = HolmId(id, i);
            return text->IsEmpty() ? Meldung(meldung::kRsHolmFeldLeer, {nr, Meldung(name)})
                                   : Meldung(muster, {nr, AlsUtf8(text->GetString())});
        }
        w.holme.emplace_back(Meldung(QT_TRANSLATE_NOOP("meldung", "Holm %1"), {nr}),
                             HolmText(ort, m_strHolmBreite[i], m_strHolmTiefe[i],
                                      m_chkHolmUnten[i].GetCheck() != 0));
        zeilen.push_back(i);
    }
    RippenAuftrag& a = job.auftrag;
    a.wurzelProfil = {&m_haupt.m_profil.punkte, m_haupt.m_strKommentar.GetString(),
                      DateiPfadKodiert(m_haupt.m_strDatei)};
    if (m_spitze)
        a.spitzenProfil = RippenQuelle{&m_spitze->punkte, m_spitze->kommentar,
                                       DateiPfadKodiert(m_strSpitzenDatei)};
    Rippenabsage absage;
    const std::string fehler = RippenjobLesen(w, job, kFelder, &absage);
    m_nAbgelehnt = absage.wert == Rippenwert::Holm ? HolmId(IDC_RS_HOLM_ORT, zeilen[absage.holm])
                                                   : FeldVon(absage.wert);
    return fehler;
}

namespace {

// A spar that leaves rib `rippe` only because the stock is cut off there: the stock's field and
// the message that blames it; nothing when the spar itself is at fault.
std::optional<std::pair<int, std::string>> LeisteImHolm(const RippenAuftrag& a, std::size_t index,
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
    for (const auto& [breite, id, name, trifft] :
         {std::tuple{o.nasenleiste, IDC_RS_NASENLEISTE, QT_TRANSLATE_NOOP("meldung", "Nasenleiste"),
                     links < o.nasenleiste},
          std::tuple{o.endleiste, IDC_RS_ENDLEISTE, QT_TRANSLATE_NOOP("meldung", "Endleiste"),
                     rechts > laenge - o.endleiste}})
        if (breite > 0 && trifft)
            return std::pair{
                id, Meldung(meldung::kRsLeisteImHolm,
                            {Meldung(name), MmText(breite), rippe, nr, Mm(links), Mm(rechts)})};
    return std::nullopt;
}

} // namespace

std::string CRippensatzDlg::Zugeordnet(const std::string& fehler, const RippenAuftrag& a,
                                       const std::vector<int>& zeilen) {
    const RippenOptionen& o = a.optionen;
    // A spar: numbered by its row; one that leaves the rib only because the stock is cut off
    // there is the stock's fault.
    for (const auto& [muster, feld] : {std::pair{meldung::kHolmNichtInRippe, IDC_RS_HOLM_ORT},
                                       std::pair{meldung::kHolmZuTief, IDC_RS_HOLM_TIEFE},
                                       std::pair{meldung::kHolmUngueltig, IDC_RS_HOLM_ORT}}) {
        // The message is in the user's language, so it is read with the translated pattern.
        const std::string uebersetzt = Uebersetzt("meldung", muster);
        const auto werte = Werte(fehler, uebersetzt);
        if (!werte || werte->empty())
            continue;
        const auto k = FeldAlsZahl((*werte)[0]);
        if (!k || *k < 1 || *k > static_cast<double>(zeilen.size()) || *k != std::floor(*k))
            continue;
        const auto index = static_cast<std::size_t>(*k) - 1;
        const int zeile = zeilen[index];
        const std::string nr = std::to_string(zeile + 1);
        if (muster == meldung::kHolmNichtInRippe && werte->size() > 1)
            if (auto leiste = LeisteImHolm(a, index, (*werte)[1], nr)) {
                m_nAbgelehnt = leiste->first;
                return leiste->second;
            }
        m_nAbgelehnt = HolmId(feld, zeile);
        const std::size_t vorne = uebersetzt.find("%1");
        return fehler.substr(0, vorne) + nr + fehler.substr(vorne + (*werte)[0].size());
    }
    // Sheeting that leaves nothing is the thicker side's.
    const int dickereSeite =
        o.beplankungUnten.value_or(o.beplankung) > o.beplankungOben.value_or(o.beplankung)
            ? IDC_RS_BEPLANKUNG_UNTEN
            : IDC_RS_BEPLANKUNG;
    const std::pair<std::string_view, int> felder[] = {
        {meldung::kRippenanzahl, IDC_RS_ANZAHL},
        {meldung::kRippenlaengeWurzel, IDC_RS_WURZEL},
        {meldung::kRippenlaengeSpitze, IDC_RS_SPITZE},
        {meldung::kBeplankungObenUngueltig, IDC_RS_BEPLANKUNG},
        {meldung::kBeplankungUntenUngueltig, IDC_RS_BEPLANKUNG_UNTEN},
        {meldung::kBeplankungLaesstNichts, dickereSeite},
        {meldung::kBeplankungTeilt, dickereSeite},
        {meldung::kNasenleisteUngueltig, IDC_RS_NASENLEISTE},
        {meldung::kEndleisteUngueltig, IDC_RS_ENDLEISTE},
        {meldung::kLeistenLassenNichts,
         o.nasenleiste >= o.endleiste ? IDC_RS_NASENLEISTE : IDC_RS_ENDLEISTE},
        {meldung::kUmrissFlach, IDC_RS_DICKE},
        {meldung::kUmrissFastFlach, IDC_RS_DICKE},
        {meldung::kUmrissZuDuenn, IDC_RS_DICKE},
        {meldung::kHellingZuNah, IDC_RS_HELLING},
        {meldung::kFussNichtUnterRippe, IDC_RS_HELLING},
        {meldung::kFussInNut, IDC_RS_HELLING},
    };
    for (const auto& [muster, feld] : felder)
        if (Werte(fehler, Uebersetzt("meldung", muster))) {
            m_nAbgelehnt = feld;
            break;
        }
    return fehler;
}

std::string CRippensatzDlg::SatzPruefen(Rippenjob& job, Rippenteile& teile, bool nurEnden) {
    std::vector<int> zeilen;
    if (std::string fehler = JobLesen(job, zeilen); !fehler.empty())
        return fehler;
    RippenAuftrag& a = job.auftrag;
    a.nurEnden = nurEnden;
    teile = PruefeRippen(a);
    return teile.fehler.empty() ? std::string() : Zugeordnet(teile.fehler, a, zeilen);
}

void CRippensatzDlg::OnZeichnen() {
    // Hiding and showing the frame repaints it empty.
    m_frmBild.ShowWindow(SW_HIDE);
    m_frmBild.ShowWindow(SW_SHOWNORMAL);
    // A set's first and last rib are its root and tip rib: the drawing needs no others, and
    // its messages name them as the set does.
    Rippenjob job;
    Rippenteile teile;
    const std::string fehler = SatzPruefen(job, teile, true);
    CString strHinweis;
    strHinweis.LoadString(job.auftrag.schnittbreite > 0 ? IDS_RIPPENSATZ_HINWEIS_SCHNITT
                                                        : IDS_RIPPENSATZ_HINWEIS);
    m_txtMeldung.SetWindowText(fehler.empty() ? strHinweis : CString(fehler));
    if (!fehler.empty())
        return;
    CClientDC dc(&m_frmBild);
    RECT rect;
    m_frmBild.GetClientRect(&rect);
    PlotteRippen(dc, teile.rippen, rect.right - rect.left, rect.bottom - rect.top,
                 job.auftrag.schnittbreite);
}

void CRippensatzDlg::Abgelehnt(const std::string& fehler) {
    m_txtMeldung.SetWindowText(CString(fehler));
    MessageBox(CString(fehler));
    // The field to correct gets the focus, its text selected.
    if (m_nAbgelehnt != 0)
        GotoDlgCtrl(GetDlgItem(m_nAbgelehnt));
}

std::optional<Rippenteile> CRippensatzDlg::TeileOderGesagt(Rippenjob& job) {
    Rippenteile teile;
    if (const std::string fehler = SatzPruefen(job, teile, false); !fehler.empty()) {
        Abgelehnt(fehler);
        return std::nullopt;
    }
    return teile;
}

std::vector<std::string> CRippensatzDlg::Eingaben() const {
    std::vector<std::string> eingaben{DateiPfadKodiert(m_haupt.m_strDatei)};
    if (m_spitze)
        eingaben.push_back(DateiPfadKodiert(m_strSpitzenDatei));
    return eingaben;
}

void CRippensatzDlg::OnDrucken() {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    m_haupt.Ausdrucken(
        m_hWnd, "_rippen.pdf", [&](const Papiermasse& m) { return PlaneDruck(m, *teile); },
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
                             : std::string();
        },
        Eingaben());
}

void CRippensatzDlg::OnSeitenansicht() {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    m_haupt.Vorschau(
        m_hWnd, "_rippen.pdf", [&](const Papiermasse& m) { return PlaneDruck(m, *teile); },
        Eingaben());
}

void CRippensatzDlg::OnExportieren() {
    Rippenjob job;
    const auto teile = TeileOderGesagt(job);
    if (!teile)
        return;
    // The same drawing the command line writes for these values.
    const Blattzeichnung blaetter = SatzBlaetter(teile->rippen, job);
    if (!blaetter.fehler.empty()) {
        m_nAbgelehnt = IDC_RS_PLATTE;
        Abgelehnt(blaetter.fehler);
        return;
    }
    m_haupt.Exportieren(m_hWnd, "_rippen.svg", blaetter.zeichnung, Eingaben());
}

std::string CRippensatzDlg::SpitzeLaden(const CString& strPfad, std::string& warnung) {
    Profil ergebnis = LadeProfil(DateiPfadKodiert(strPfad), std::nullopt);
    if (!ergebnis.fehler.empty())
        return ergebnis.fehler;
    m_spitze = std::move(ergebnis);
    m_strSpitzenDatei = strPfad;
    warnung = m_spitze->warnung;
    return {};
}

void CRippensatzDlg::OnSpitzenprofil() {
    CString strFilter;
    strFilter.LoadString(IDS_PROFILFILTER);
    CFileDialog dlgDatei(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, strFilter.GetString(), this);
    if (const auto ordner = Lies(kOrdnerLaden))
        dlgDatei.m_ofn.lpstrInitialDir = CString(*ordner);
    if (dlgDatei.DoModal() != IDOK)
        return;
    OrdnerMerken(kOrdnerLaden, dlgDatei.GetPathName());
    UpdateData(TRUE);
    std::string warnung;
    const std::string fehler = SpitzeLaden(dlgDatei.GetPathName(), warnung);
    if (!fehler.empty()) {
        MessageBox(CString(fehler));
        return;
    }
    UpdateData(FALSE);
    GetDlgItem(IDC_RS_SPITZE_WEG)->EnableWindow(TRUE);
    OnZeichnen();
    if (!warnung.empty())
        MessageBox(CString(warnung));
}

void CRippensatzDlg::OnSpitzeEntfernen() {
    UpdateData(TRUE);
    m_spitze.reset();
    m_strSpitzenDatei = CString();
    UpdateData(FALSE);
    // The disabled button would keep the focus where no key reaches it.
    GotoDlgCtrl(GetDlgItem(IDC_RS_SPITZENPROFIL));
    GetDlgItem(IDC_RS_SPITZE_WEG)->EnableWindow(FALSE);
    OnZeichnen();
}

// A damaged or missing value leaves the field's default.
void CRippensatzDlg::EinstellungenLesen() {
    for (const Merkfeld& f : Merkfelder())
        if (const auto text = Lies(f.einstellung))
            *f.feld = *text;
    // Kept before the sides had fields of their own: one value for both.
    if (!Lies(kSatzBeplankungOben) && !Lies(kSatzBeplankungUnten))
        if (const auto beide = Lies(kSatzBeplankung))
            m_strBeplankungOben = m_strBeplankungUnten = *beide;
    if (const auto glaetten = Lies(kSatzGlaetten))
        m_bGlaetten = *glaetten;
    if (const auto ohne = Lies(kSatzOhnePlatte))
        m_bOhnePlatte = *ohne;
    for (int i = 0; i < kHolmZeilen; ++i) {
        const auto ort = Lies(kSatzHolme[i].ort);
        const auto breite = Lies(kSatzHolme[i].breite);
        const auto tiefe = Lies(kSatzHolme[i].tiefe);
        const bool unten = Lies(kSatzHolme[i].unten).value_or(false);
        if (!ort || !breite || !tiefe || !LiesHolm(HolmText(*ort, *breite, *tiefe, unten)).holm)
            continue;
        m_strHolmOrt[i] = *ort;
        m_strHolmBreite[i] = *breite;
        m_strHolmTiefe[i] = *tiefe;
        m_bHolmUnten[i] = unten;
    }
    if (const auto pfad = Lies(kSatzSpitzenprofil)) {
        std::error_code fehler;
        std::string warnung;
        if (std::filesystem::is_regular_file(DateiPfadKodiert(*pfad), fehler))
            SpitzeLaden(*pfad, warnung);
    }
}

// Only values the set can use are kept; an emptied spar row is kept empty.
void CRippensatzDlg::EinstellungenSchreiben() {
    for (const Merkfeld& f : Merkfelder())
        Schreibe(f.einstellung, *f.feld);
    // The sides are kept on their own now; the old value would come back for emptied ones.
    Schreibe(Texteinstellung{kSatzBeplankung.abschnitt, kSatzBeplankung.eintrag}, CString());
    Schreibe(kSatzGlaetten, m_chkGlaetten.GetCheck() != 0);
    Schreibe(kSatzOhnePlatte, m_chkOhnePlatte.GetCheck() != 0);
    for (int i = 0; i < kHolmZeilen; ++i) {
        const bool unten = m_chkHolmUnten[i].GetCheck() != 0;
        // Without Ort the row is no spar: kept so, or the old spar would come back.
        const bool leer = m_strHolmOrt[i].IsEmpty();
        if (!leer &&
            !LiesHolm(HolmText(m_strHolmOrt[i], m_strHolmBreite[i], m_strHolmTiefe[i], unten)).holm)
            continue;
        Schreibe(kSatzHolme[i].ort, m_strHolmOrt[i]);
        Schreibe(kSatzHolme[i].breite, m_strHolmBreite[i]);
        Schreibe(kSatzHolme[i].tiefe, m_strHolmTiefe[i]);
        Schreibe(kSatzHolme[i].unten, unten);
    }
    Schreibe(kSatzSpitzenprofil, m_strSpitzenDatei);
}
