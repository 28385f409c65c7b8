// The true-scale printout.
#include "app/profildlg.h"

void CProfilDlg::OnDrucken() {
    // The printout follows with the drawing output.
}
