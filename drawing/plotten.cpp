// The screen plot into the main window's frame.
#include "app/profildlg.h"

void CProfilDlg::OnPlotten() {
    // 1. Clear the frame.
    m_frmPlot.ShowWindow(SW_HIDE);
    m_frmPlot.ShowWindow(SW_SHOWNORMAL);
}

void CProfilDlg::OnPlotLoeschen() {
    m_frmPlot.ShowWindow(SW_HIDE);
    m_frmPlot.ShowWindow(SW_SHOWNORMAL);
}
