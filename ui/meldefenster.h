// Message boxes of the plain Qt windows, titled with the program's name.
#pragma once

#include "res/meldungen.h"

class QWidget;

// A message with an OK button, modal to eltern's window, in the user's language.
void MeldungZeigen(QWidget* eltern, const Meldungstext& meldung);
// A question with two buttons of the program's own words; true when the first was chosen.
bool FrageStellen(QWidget* eltern, const Meldungstext& frage, const Meldungstext& ja,
                  const Meldungstext& nein);
