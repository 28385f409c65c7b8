// Outline export for laser cutters and CNC: the loaded profile as one closed contour at true
// scale, as SVG or DXF. Plain C++ so that the dialog program can call it without Qt.
#pragma once

#include "profile/profil.h"

#include <string>
#include <vector>

// Millimetres, X along the chord from the leading edge, Y upward.
struct UmrissPunkt {
    double x;
    double y;
};

// The stored pairs 1 to W (slots 1 to ende - 1) in order: x = X / 10000 * laenge,
// y = Y / 10000 * laenge * dicke / 100; laenge is the chord in mm, dicke the thickness in percent.
std::vector<UmrissPunkt> UmrissInMm(const ProfilSpeicher& p, double laenge, double dicke);

// Write the outline to pfadUtf8; "" on success, otherwise a German message for the user. The
// file is written beside the target and renamed onto it, so a failure leaves the previous file
// (or none) in place and never a half-written one. name is the profile's name line.
std::string SchreibeSvg(const std::string& pfadUtf8, const std::string& name,
                        const ProfilSpeicher& p, double laenge, double dicke);
std::string SchreibeDxf(const std::string& pfadUtf8, const std::string& name,
                        const ProfilSpeicher& p, double laenge, double dicke);
