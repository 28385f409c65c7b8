// The window in English: the templates' texts and the messages through the embedded catalogue.
#include "hauptfenster.h"

#include "language/sprache.h"
#include "res/meldungen_ausgabe.h"

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
    const std::pair<int, const char*> knoepfe[] = {{IDC_LADEN, "Load Airfoil"},
                                                   {IDC_DRUCKEN, "Print Airfoil"},
                                                   {IDC_PLOT_LOESCHEN, "Clear Plot"},
                                                   {IDC_DATEN_ZEIGEN, "Show Airfoil Data"}};
    for (const auto& [id, text] : knoepfe)
        EXPECT_EQ(C<QPushButton>(id)->text(), QString::fromUtf8(text));
    // A value goes in after the pattern is translated, and stays as given.
    EXPECT_EQ(Meldung(meldung::kProfillaengeUngueltig, {"10000", "%2"}),
              "The chord must be a number greater than 0 and at most 10000 mm (entered: “%2”).");
    SpracheSetzen(Sprache::Deutsch);
    EXPECT_EQ(Meldung(meldung::kKeinProfilGeladen), "Es ist noch kein Profil geladen.");
}

} // namespace
