// The platform pieces: integer transfer, and templates laid out in dialog units.
#include "app/profildlg.h"
#include "platform/ganzzahl.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct GanzzahlFall {
    const char* text;
    std::optional<std::int32_t> wert;
};

TEST(Ganzzahl, NimmtNurGanzeZahlen) {
    const GanzzahlFall faelle[] = {
        {"0", 0},
        {"36", 36},
        {"  7", 7},
        {"+7", 7},
        {"-12", -12},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"12 ", std::nullopt},
        {"1.5", std::nullopt},
        {"1,5", std::nullopt},
        {"0x10", std::nullopt},
        {"12a", std::nullopt},
        {"+-1", std::nullopt},
        {"1e3", std::nullopt},
    };
    for (const GanzzahlFall& f : faelle)
        EXPECT_EQ(GanzzahlAusText(f.text), f.wert) << '"' << f.text << '"';
}

// A dialog unit as Win32 computes it from the font, done again here on its own.
struct Einheit {
    double x, y;
    explicit Einheit(const QFont& f) {
        const QFontMetrics m(f);
        const QString abc = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        x = static_cast<double>(std::lround(m.horizontalAdvance(abc) / 52.0)) / 4.0;
        y = m.height() / 8.0;
    }
};

struct Lage {
    int id;
    int x, y, cx, cy;
};

void PruefeLage(const CWnd& dlg, std::initializer_list<Lage> lagen, int cx, int cy) {
    const Einheit e(dlg.m_hWnd->font());
    EXPECT_NEAR(dlg.m_hWnd->width(), cx * e.x, 1.0);
    EXPECT_NEAR(dlg.m_hWnd->height(), cy * e.y, 1.0);
    for (const Lage& l : lagen) {
        const QRect g = dlg.GetDlgItem(l.id)->m_hWnd->geometry();
        SCOPED_TRACE(l.id);
        EXPECT_NEAR(g.x(), l.x * e.x, 1.0);
        EXPECT_NEAR(g.y(), l.y * e.y, 1.0);
        EXPECT_NEAR(g.width(), l.cx * e.x, 1.0);
        EXPECT_NEAR(g.height(), l.cy * e.y, 1.0);
    }
}

TEST(Vorlage, SteuerelementeSitzenInDialogeinheiten) {
    CProfilDlg dlg;
    dlg.Create(IDD_PROFIL);
    EXPECT_EQ(QFontInfo(dlg.m_hWnd->font()).family(), "Liberation Sans");
    EXPECT_EQ(dlg.m_hWnd->windowTitle(), "Kestrun");
    PruefeLage(dlg,
               {{IDC_LADEN, 105, 10, 50, 14},
                {IDC_ANZAHL, 375, 65, 40, 14},
                {IDC_PLOTFELD, 10, 100, 420, 135},
                {IDC_SELIG, 21, 15, 54, 15},
                {IDOK, 380, 240, 50, 14}},
               442, 258);
    PruefeLage(dlg.m_dlgDaten, {{IDC_DATENLISTE, 10, 25, 335, 185}, {IDOK, 365, 195, 50, 14}}, 422,
               213);
    EXPECT_EQ(dlg.m_dlgDaten.m_hWnd->windowTitle(), "Kestrun Daten");
}

TEST(Vorlage, ZweizeiligeTexteStehenAufZweiZeilen) {
    CProfilDlg dlg;
    dlg.Create(IDD_PROFIL);
    for (int id : {IDC_SELIG, IDC_WERTE}) {
        const QWidget* knopf = dlg.GetDlgItem(id)->m_hWnd;
        EXPECT_GE(knopf->sizeHint().height(), 2 * QFontMetrics(knopf->font()).height()) << id;
    }
    int zweizeilig = 0;
    for (auto* l : dlg.m_hWnd->findChildren<QLabel*>()) {
        if (!l->text().contains('\n'))
            continue;
        ++zweizeilig;
        EXPECT_GE(l->height(), 2 * QFontMetrics(l->font()).height()) << l->text().toStdString();
    }
    EXPECT_EQ(zweizeilig, 1);
}

} // namespace
