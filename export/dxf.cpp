// The drawing as DXF (R2000, millimetres) for CAM programs: every closed polyline a closed
// LWPOLYLINE (a mark an open one), every text a TEXT in ASCII, each on its layer; a sheet's frame
// on the layer Platte, which is not plotted.
#include "export/ascii.h"
#include "model/zeichnung.h"
#include "profile/zahl.h"
#include "ribs/beschriftung.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

std::string DxfText(const Zeichnung& z);

namespace {

char Gross(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// DL_WriterA only writes to a file it opens by name and prints reals with the C library's
// printf. This writer keeps the text in memory, so that the file can be replaced atomically,
// and writes reals as to_chars does, which ignores the user's decimal comma.
class DxfSchreiber final : public DL_WriterA {
public:
    DxfSchreiber() : DL_WriterA("", DL_VERSION_2000) {}

    // Every vertex passes here: the text is made in place, without a string of its own.
    void dxfReal(int gc, double value) const override {
        char puffer[400];
        auto [ende, fehler] = KuerzesteFestzahl(puffer, puffer + sizeof puffer - 2, value);
        if (fehler != std::errc{})
            ende = std::to_chars(puffer, puffer + sizeof puffer - 2, value).ptr;
        if (std::none_of(puffer, ende, [](char c) { return c == '.' || c == 'e' || c == 'n'; })) {
            *ende++ = '.';
            *ende++ = '0';
        }
        Gruppe(gc, {puffer, static_cast<std::size_t>(ende - puffer)});
    }
    void dxfInt(int gc, int value) const override {
        char puffer[16];
        Gruppe(gc, {puffer, std::to_chars(puffer, puffer + sizeof puffer, value).ptr});
    }
    void dxfHex(int gc, int value) const override {
        char puffer[16];
        std::string text(
            puffer,
            std::to_chars(puffer, puffer + sizeof puffer, static_cast<unsigned>(value), 16).ptr);
        std::transform(text.begin(), text.end(), text.begin(), Gross);
        Gruppe(gc, text);
    }
    void dxfString(int gc, const char* value) const override { Gruppe(gc, value); }
    void dxfString(int gc, const std::string& value) const override { Gruppe(gc, value); }

    const std::string& Inhalt() const { return m_inhalt; }

private:
    // Group codes right-aligned in three columns, as AutoCAD writes them.
    void Gruppe(int gc, std::string_view wert) const {
        char kopf[24] = "  ";
        char* ende = kopf + (gc < 10 ? 2 : gc < 100 ? 1 : 0);
        ende = std::to_chars(ende, kopf + sizeof kopf - 1, gc).ptr;
        *ende++ = '\n';
        m_inhalt.append(kopf, ende);
        m_inhalt.append(wert);
        m_inhalt += '\n';
    }

    mutable std::string m_inhalt;
};

struct DxfEbene {
    std::string name;
    int farbe;
    bool plotten = true; // 290 0: CAD shows the layer, plotters and laser programs leave it
};

// A layer's table entry as dxflib writes it, with the plotting flag it leaves out.
void EbenenEintrag(DxfSchreiber& dw, const DxfEbene& e) {
    dw.dxfString(0, "LAYER");
    dw.handle();
    dw.dxfString(100, "AcDbSymbolTableRecord");
    dw.dxfString(100, "AcDbLayerTableRecord");
    dw.dxfString(2, e.name);
    dw.dxfInt(70, 0);
    dw.dxfInt(62, e.farbe);
    dw.dxfString(6, "CONTINUOUS");
    if (!e.plotten)
        dw.dxfInt(290, 0);
    dw.dxfInt(370, -3);  // line weight by default
    dw.dxfHex(390, 0xF); // the plot style placeholder dxflib writes as object F
}

// dxflib writes the objects without their owners (group 330), which CAD programs then repair:
// a dictionary owns what its entries name, the root dictionary is owned by nobody.
std::string MitBesitzern(std::string_view objekte) {
    std::vector<std::pair<std::string_view, std::string_view>> paare;
    while (!objekte.empty()) {
        const std::size_t ende1 = objekte.find('\n');
        const std::size_t ende2 = objekte.find('\n', ende1 + 1);
        if (ende1 == std::string_view::npos || ende2 == std::string_view::npos)
            break;
        std::string_view code = objekte.substr(0, ende1);
        code.remove_prefix(std::min(code.find_first_not_of(' '), code.size()));
        paare.emplace_back(code, objekte.substr(ende1 + 1, ende2 - ende1 - 1));
        objekte.remove_prefix(ende2 + 1);
    }
    std::vector<std::pair<std::string_view, std::string_view>> besitzer; // handle, owner
    std::string_view wurzel, art, handle;
    for (const auto& [code, wert] : paare) {
        if (code == "0")
            art = wert;
        else if (code == "5") {
            handle = wert;
            if (wurzel.empty() && art == "DICTIONARY")
                wurzel = wert;
        } else if ((code == "350" || code == "360") &&
                   (art == "DICTIONARY" || art == "ACDBDICTIONARYWDFLT"))
            besitzer.emplace_back(wert, handle);
    }
    std::string aus;
    for (std::size_t i = 0; i < paare.size(); ++i) {
        const auto& [code, wert] = paare[i];
        aus += std::string(code.size() < 3 ? 3 - code.size() : 0, ' ');
        aus += code;
        aus += '\n';
        aus += wert;
        aus += '\n';
        const bool folgtBesitzer =
            i + 1 < paare.size() && (paare[i + 1].first == "330" || paare[i + 1].first == "102");
        if (code != "5" || folgtBesitzer)
            continue;
        std::string_view von = wert == wurzel ? std::string_view("0") : wurzel;
        for (const auto& [h, b] : besitzer)
            if (h == wert)
                von = b;
        aus += "330\n";
        aus += von;
        aus += '\n';
    }
    return aus;
}

int Farbe(Ebene ebene) {
    switch (ebene) {
    case Ebene::Schnitt:
        return DL_Codes::red;
    case Ebene::Beschriftung:
        return DL_Codes::blue;
    case Ebene::Platte:
        return 8; // grey
    case Ebene::Markierung:
        return DL_Codes::green;
    case Ebene::Pruefbalken:
        return DL_Codes::magenta;
    case Ebene::Kreuze:
        return DL_Codes::cyan;
    }
    return DL_Codes::white;
}

// Everything before the entities: the header with units and extent, the tables with the
// layers, the blocks. Both drawings share it.
void Anfang(DL_Dxf& dxf, DxfSchreiber& dw, double links, double unten, double rechts, double oben,
            const std::vector<DxfEbene>& ebenen) {
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1); // metric: hatch patterns and line types from the metric files
    dw.dxfString(9, "$EXTMIN");
    dw.dxfReal(10, links);
    dw.dxfReal(20, unten);
    dw.dxfReal(30, 0.0);
    dw.dxfString(9, "$EXTMAX");
    dw.dxfReal(10, rechts);
    dw.dxfReal(20, oben);
    dw.dxfReal(30, 0.0);
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(static_cast<int>(ebenen.size()) + 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::white, -3, "CONTINUOUS", 1.0));
    for (const DxfEbene& e : ebenen)
        EbenenEintrag(dw, e);
    dw.tableEnd();
    dw.tableStyle(1);
    // dxflib takes the text style handle of the dimension style from the style named
    // "Standard"; under any other name it writes an uninitialised handle.
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 2.5, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();

    dw.sectionEntities();
}

std::string Schluss(DL_Dxf& dxf, DxfSchreiber& dw) {
    dw.sectionEnd();
    const std::size_t objekte = dw.Inhalt().size();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    const std::string& text = dw.Inhalt();
    return text.substr(0, objekte) + MitBesitzern(std::string_view(text).substr(objekte));
}

// Flag 1 closes the polyline: no vertex is repeated for the last segment.
template <typename Folge>
void Polylinie(DL_Dxf& dxf, DxfSchreiber& dw, const Folge& punkte, const DL_Attributes& ebene,
               bool offen = false) {
    dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(punkte.size()), 0, 0, offen ? 0 : 1),
                      ebene);
    for (const auto& q : punkte)
        dxf.writeVertex(dw, DL_VertexData(q.x, q.y, 0.0, 0.0));
    dxf.writePolylineEnd(dw);
}

} // namespace

std::string DxfText(const Zeichnung& z) {
    std::vector<DxfEbene> ebenen;
    for (const Ebene e : BenutzteEbenen(z))
        ebenen.push_back({EbenenName(e), Farbe(e), e != Ebene::Platte});
    auto attribute = [](Ebene e) {
        return DL_Attributes(EbenenName(e), DL_Codes::bylayer, -1, "BYLAYER", 1.0);
    };
    DL_Dxf dxf;
    DxfSchreiber dw;
    Anfang(dxf, dw, z.links, z.unten, z.rechts, z.oben, ebenen);
    for (const Blatt& b : z.blaetter) {
        if (b.rahmen) {
            const Linienzug rahmen = {{b.x, b.y},
                                      {b.x + b.breite, b.y},
                                      {b.x + b.breite, b.y + b.hoehe},
                                      {b.x, b.y + b.hoehe}};
            Polylinie(dxf, dw, rahmen, attribute(Ebene::Platte));
        }
        for (const Zug& zug : b.zuege)
            Polylinie(dxf, dw, zug.punkte, attribute(zug.ebene), zug.offen);
        // Fitted between the two ends of the label's box on its baseline (alignment 5), whatever
        // font the CAD program has.
        for (const Textfeld& t : b.texte) {
            const double halb = Beschriftungskasten(t.text, t.hoehe).breite / 2;
            const double y = Grundlinie(t.ort.y, t.hoehe);
            dxf.writeText(dw,
                          DL_TextData(t.ort.x - halb, y, 0.0, t.ort.x + halb, y, 0.0, t.hoehe, 1.0,
                                      0, 5, 0, AlsAscii(t.text), "Standard", 0.0),
                          attribute(t.ebene));
        }
    }
    return Schluss(dxf, dw);
}
