// Message boxes of the plain Qt windows, titled with the program's name.
#pragma once

#include <string>

class QWidget;

// A message with an OK button, modal to eltern's window.
void MeldungZeigen(QWidget* eltern, const std::string& text);
