// The window in English: the templates' texts and the messages through the embedded catalogue.
#include "hauptfenster.h"

#include "language/sprache.h"
#include "meldungsvergleich.h"
#include "res/meldungen_ausgabe.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

class EnglischesFenster : public Hauptfenster {
protected:
    void SetUp() override {
        SpracheSetzen(Sprache::Englisch);
        Hauptfenster::SetUp();
    }
    void TearDown() override {
        Hauptfenster::TearDown();
        SpracheSetzen(Sprache::Deutsch);
    }
};

TEST_F(EnglischesFenster, KnoepfeUndMeldungenSindEnglisch) {
    const std::pair<const char*, const char*> knoepfe[] = {{"laden", "Load Airfoil"},
                                                           {"drucken", "Print Airfoil"},
                                                           {"plotLoeschen", "Clear Plot"},
                                                           {"datenZeigen", "Show Airfoil Data"}};
    for (const auto& [id, text] : knoepfe)
        EXPECT_EQ(C<QPushButton>(id)->text(), QString::fromUtf8(text));
    // A value goes in after the pattern is translated, and stays as given.
    EXPECT_EQ(Meldung(meldung::kProfillaengeUngueltig, {"10000", "%2"}).Text(),
              "The chord must be a number greater than 0 and at most 10000 mm (entered: “%2”).");
    SpracheSetzen(Sprache::Deutsch);
    EXPECT_EQ(Meldung(meldung::kKeinProfilGeladen).Text(), "Es ist noch kein Profil geladen.");
}

// The access keys of a menu's entries, lower case.
QStringList Zugriffstasten(const QList<QAction*>& eintraege) {
    QStringList tasten;
    for (const QAction* a : eintraege) {
        const qsizetype und = a->text().indexOf(QLatin1Char('&'));
        if (und >= 0 && und + 1 < a->text().size())
            tasten << a->text().mid(und + 1, 1).toLower();
    }
    return tasten;
}

// In both languages each entry of the context menu, each menu of the menu bar and each entry
// of those menus has its own access key, or a key would only cycle between entries.
TEST_F(EnglischesFenster, ZugriffstastenDerMenuesEindeutig) {
    for (const Sprache sprache : {Sprache::Englisch, Sprache::Deutsch}) {
        SpracheSetzen(sprache);
        Hauptfenster::TearDown();
        Hauptfenster::SetUp();
        QList<QList<QAction*>> menues{m_dlg->Kontextmenue()->actions()};
        const QMenuBar* leiste = m_dlg.get()->findChild<QMenuBar*>();
        menues << leiste->actions();
        for (const QAction* menue : leiste->actions())
            menues << menue->menu()->actions();
        for (const QList<QAction*>& eintraege : menues) {
            QStringList tasten = Zugriffstasten(eintraege);
            EXPECT_GE(tasten.size(), std::min<qsizetype>(eintraege.size(), 2));
            EXPECT_EQ(tasten.removeDuplicates(), 0) << tasten.join(' ').toStdString();
        }
    }
}

} // namespace
