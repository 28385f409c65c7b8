// Message boxes of the plain Qt windows, titled with the program's name.
#pragma once

#include <string>

class QWidget;

// A message with an OK button, modal to eltern's window.
void MeldungZeigen(QWidget* eltern, const std::string& text);
// A question with two buttons of the program's own words; true when the first was chosen.
bool FrageStellen(QWidget* eltern, const std::string& text, const std::string& ja,
                  const std::string& nein);
