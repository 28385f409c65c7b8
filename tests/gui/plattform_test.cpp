// The platform pieces: integer transfer, templates laid out in dialog units, and calls on a
// window or device that is not there.
#include "app/profildlg.h"
#include "platform/fenster_p.h"
#include "platform/ganzzahl.h"
#include "res/vorlage.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

TEST(Ganzzahl, NimmtNurGanzeZahlen) {
    const std::pair<const char*, std::int32_t> gut[] = {{"0", 0},
                                                        {"36", 36},
                                                        {"  7", 7},
                                                        {"+7", 7},
                                                        {"-12", -12},
                                                        {"2147483647", INT32_MAX},
                                                        {"-2147483648", INT32_MIN}};
    for (const auto& [text, wert] : gut)
        EXPECT_EQ(GanzzahlAusText(text), wert) << '"' << text << '"';
    for (const char* text : {"2147483648", "-2147483649", "99999999999999999999", "", " ", "-",
                             "12 ", "1.5", "1,5", "0x10", "12a", "+-1", "1e3"})
        EXPECT_EQ(GanzzahlAusText(text), std::nullopt) << '"' << text << '"';
}

// Every control where its template puts it; labels and icons may grow to fit their content.
void PruefeLage(const CWnd& dlg, int idd) {
    const DialogVorlage* v = FindeDialogVorlage(idd);
    ASSERT_NE(v, nullptr);
    // A dialog unit as Win32 computes it from the font, done again here on its own.
    const QFontMetrics m(dlg.m_hWnd->font());
    const QString abc = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const struct {
        double x, y;
    } e{static_cast<double>(std::lround(m.horizontalAdvance(abc) / 52.0)) / 4.0, m.height() / 8.0};
    // A menu bar goes above the controls and moves them down as a whole.
    const QMenuBar* leiste = dlg.m_hWnd->findChild<QMenuBar*>({}, Qt::FindDirectChildrenOnly);
    const int oben = leiste ? leiste->height() : 0;
    EXPECT_NEAR(dlg.m_hWnd->width(), v->cx * e.x, 1.0);
    EXPECT_NEAR(dlg.m_hWnd->height(), v->cy * e.y + oben, 1.0);
    const auto nahe = [](int pixel, double einheiten) {
        return std::abs(pixel - einheiten) <= 1.0;
    };
    int gefunden = 0;
    for (const QWidget* w : dlg.m_hWnd->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // Windows of their own, and what the window adds in plain Qt, are not the template's.
        if (w->isWindow() || w == leiste || !w->property(kSteuerId).isValid())
            continue;
        const int id = w->property(kSteuerId).toInt();
        const auto s = std::find_if(
            v->steuerelemente.begin(), v->steuerelemente.end(), [&](const SteuerVorlage& t) {
                return t.id == id && nahe(w->x(), t.x * e.x) && nahe(w->y() - oben, t.y * e.y);
            });
        ASSERT_NE(s, v->steuerelemente.end()) << id << " bei " << w->x() << ", " << w->y();
        ++gefunden;
        if (qobject_cast<const QLabel*>(w))
            continue;
        EXPECT_NEAR(w->width(), s->cx * e.x, 1.0) << id;
        EXPECT_NEAR(w->height(), s->cy * e.y, 1.0) << id;
    }
    EXPECT_EQ(gefunden, static_cast<int>(v->steuerelemente.size()));
}

TEST(Vorlage, SteuerelementeSitzenInDialogeinheiten) {
    CProfilDlg dlg;
    dlg.Create(IDD_PROFIL);
    EXPECT_EQ(QFontInfo(dlg.m_hWnd->font()).family(), "Liberation Sans");
    PruefeLage(dlg, IDD_PROFIL);
    // A fixed-size window offers no maximising to the window manager.
    EXPECT_FALSE(dlg.m_hWnd->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dlg.m_hWnd->minimumSize(), dlg.m_hWnd->maximumSize());
}

} // namespace

// A window object whose toolkit window is not there (a dialog not yet created, or closed)
// answers like an invalid handle instead of crashing.
TEST(OhneFenster, JederAufrufScheitertStill) {
    CDialog dlg(IDD_PROFIL);
    ASSERT_EQ(dlg.m_hWnd, nullptr);
    RECT r{1, 2, 3, 4};
    dlg.GetClientRect(&r);
    EXPECT_EQ(r.right - r.left + r.bottom - r.top, 0);
    r = {1, 2, 3, 4};
    dlg.GetWindowRect(&r);
    EXPECT_EQ(r.right - r.left + r.bottom - r.top, 0);
    const std::pair<const char*, BOOL> ergebnisse[] = {
        {"EnableWindow", dlg.EnableWindow(TRUE)},
        {"ShowWindow", dlg.ShowWindow(SW_SHOWNORMAL)},
        {"IsWindowVisible", dlg.IsWindowVisible()},
        {"SetWindowPos", dlg.SetWindowPos(nullptr, 5, 5, 0, 0, SWP_NOSIZE)},
        {"UpdateData", dlg.UpdateData(TRUE)},
        {"GetDlgItem", dlg.GetDlgItem(IDC_PROFILLAENGE) != nullptr},
        {"GetSystemMenu", dlg.GetSystemMenu(FALSE) != nullptr},
    };
    for (const auto& [aufruf, ergebnis] : ergebnisse)
        EXPECT_EQ(ergebnis, FALSE) << aufruf;
    dlg.SetWindowText("x");
    dlg.SetIcon(nullptr, TRUE);
    dlg.DragAcceptFiles(TRUE);
    dlg.CheckRadioButton(IDC_SELIG, IDC_WERTE, IDC_SELIG);
    dlg.PostMessage(WM_COMMAND);
    dlg.EndDialog(IDOK);
    dlg.GotoDlgCtrl(&dlg);
}
