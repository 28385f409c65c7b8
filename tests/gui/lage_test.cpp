// The classic window's controls at their places in dialog units, computed here on their own
// from the window's font, below the menu bar.
#include "app/profilfenster.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Lage, SteuerelementeSitzenInDialogeinheiten) {
    Profilfenster fenster;
    EXPECT_EQ(QFontInfo(fenster.font()).family(), "Liberation Sans");
    // A dialog unit from the font: a quarter of the average character width, an eighth of the
    // font height.
    const QFontMetrics m(fenster.font());
    const QString abc = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const double ex = static_cast<double>(std::lround(m.horizontalAdvance(abc) / 52.0)) / 4.0;
    const double ey = m.height() / 8.0;
    const QMenuBar* leiste = fenster.findChild<QMenuBar*>();
    ASSERT_NE(leiste, nullptr);
    const int oben = leiste->height();
    EXPECT_NEAR(fenster.width(), kFensterBreite * ex, 1.0);
    EXPECT_NEAR(fenster.height(), kFensterHoehe * ey + oben, 1.0);
    for (const Lage& l : kFensterLage) {
        const auto* w = fenster.findChild<QWidget*>(QString::fromLatin1(l.name));
        ASSERT_NE(w, nullptr) << l.name;
        EXPECT_NEAR(w->x(), l.x * ex, 1.0) << l.name;
        EXPECT_NEAR(w->y() - oben, l.y * ey, 1.0) << l.name;
        // A label may grow to fit its text.
        if (qobject_cast<const QLabel*>(w))
            continue;
        EXPECT_NEAR(w->width(), l.breite * ex, 1.0) << l.name;
        EXPECT_NEAR(w->height(), l.hoehe * ey, 1.0) << l.name;
    }
    // A fixed-size window offers no maximising to the window manager.
    EXPECT_FALSE(fenster.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(fenster.minimumSize(), fenster.maximumSize());
}

} // namespace
