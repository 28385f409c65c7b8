// The printout: the stored outline at true scale on one page, headed by the file path.
#include "app/profildlg.h"

#include "drawing/linienzug.h"
#include "profile/zahl.h"

void CProfilDlg::OnDrucken() {
    // 1.
    CPrintDialog dlgDrucken(FALSE, 0, this);
    if (dlgDrucken.DoModal() != IDOK)
        return;
    // 2.
    CDC dc;
    dc.Attach(dlgDrucken.GetPrinterDC());
    // 3. A document that cannot start is said so rather than printing nothing in silence.
    DOCINFO info{sizeof(DOCINFO), "Kestrun Ausdruck", nullptr, nullptr, 0};
    if (dc.StartDoc(&info) < 0) {
        MessageBox("Der Ausdruck konnte nicht gestartet werden.");
        dc.DeleteDC();
        return;
    }
    // 4.
    dc.StartPage();
    // 5. In device pixels, before any mapping mode.
    dc.TextOut(100, 100, m_strDatei, m_strDatei.GetLength());
    // 6.
    dc.SetMapMode(MM_LOMETRIC);
    // 7.
    const double L = ZahlAusText(m_strProfillaenge.GetString());
    const double t = ZahlAusText(m_strProfildicke.GetString());
    const std::vector<Punkt> punkte = DruckPunkte(g_profil, L, t);
    ZeichneLinienzug(dc, punkte);
    // 8.
    dc.EndPage();
    dc.EndDoc();
    // 9.
    dc.DeleteDC();
}
