// What the SVG and the DXF writer share: the contour to cut and the atomic file write.
#pragma once

#include "export/umriss.h"
#include "profile/zahl.h"

#include <string>
#include <string_view>
#include <vector>

class QByteArray;

struct Kontur {
    std::vector<UmrissPunkt> punkte; // the closing vertex is implied, never repeated
    double links = 0;
    double rechts = 0;
    double unten = 0;
    double oben = 0;
};

// Fills k from the store; "" or the German reason why there is nothing sensible to cut.
std::string BaueKontur(const ProfilSpeicher& p, double laenge, double dicke, Kontur& k);

// The profile's name line as one line of valid UTF-8 without control characters.
std::string NameAlsText(std::string_view name);

// Replaces the file at pfadUtf8 by inhalt only once all of it is on disk.
std::string SchreibeAtomar(const std::string& pfadUtf8, const QByteArray& inhalt);
