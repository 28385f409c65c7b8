// Tests read a message in German, its source language: compared and printed as such.
#pragma once

#include "res/meldungen.h"

#include <ostream>
#include <string_view>

inline bool operator==(const Meldungstext& meldung, std::string_view deutsch) {
    return meldung.Deutsch() == deutsch;
}

inline std::ostream& operator<<(std::ostream& aus, const Meldungstext& meldung) {
    return aus << '"' << meldung.Deutsch() << '"';
}
