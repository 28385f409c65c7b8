// The single outline and the rib set drawn by the one writer of each format.
#include "export/umriss.h"

#include "model/blattplan.h"

std::string SvgText(const Zeichnung& z);
std::string DxfText(const Zeichnung& z);

std::string SvgText(const Umriss& umriss, const std::string& name) {
    return SvgText(EinzelZeichnung(umriss, name));
}

std::string DxfText(const Umriss& umriss, const std::string& name) {
    return DxfText(EinzelZeichnung(umriss, name));
}

std::string SatzSvgText(const Anordnung& anordnung, double breite, double hoehe) {
    return SvgText(SatzZeichnung(anordnung, breite, hoehe));
}

std::string SatzDxfText(const Anordnung& anordnung, double breite, double hoehe) {
    return DxfText(SatzZeichnung(anordnung, breite, hoehe));
}
