// The screen plot: the stored outline as a green polyline in the main window's frame.
#include "app/profildlg.h"

#include "drawing/linienzug.h"
#include "profile/zahl.h"

void CProfilDlg::OnPlotten() {
    // 1. Clear the frame, so that it shows the new outline alone.
    OnPlotLoeschen();
    // 2.
    CClientDC dc(&m_frmPlot);
    RECT rect;
    m_frmPlot.GetClientRect(&rect);
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    // 3.
    CPen stift(PS_SOLID, 1, RGB(0, 255, 0));
    CPen* alterStift = dc.SelectObject(&stift);
    // 4. and 5.
    const double t = ZahlAusText(m_strProfildicke.GetString());
    const std::vector<Punkt> punkte = BildschirmPunkte(g_profil, w, h, t);
    ZeichneLinienzug(dc, punkte);
    // 6.
    dc.SelectObject(alterStift);
}

// Hiding and showing the frame repaints it empty.
void CProfilDlg::OnPlotLoeschen() {
    m_frmPlot.ShowWindow(SW_HIDE);
    m_frmPlot.ShowWindow(SW_SHOWNORMAL);
}
