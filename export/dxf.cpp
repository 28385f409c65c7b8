// DXF drawings (R2000, millimetres) for CAM programs: one outline as a closed LWPOLYLINE, or the
// ribs laid out on sheets with their labels and the sheets' frames.
#include "export/umriss_p.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Plain ASCII, whatever locale Qt has set for the C library.
bool IstBuchstabeOderZiffer(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

char Gross(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// DL_WriterA only writes to a file it opens by name and prints reals with the C library's
// printf. This writer keeps the text in memory, so that the file can be replaced atomically,
// and writes reals with to_chars, which ignores the user's decimal comma.
class DxfSchreiber final : public DL_WriterA {
public:
    DxfSchreiber() : DL_WriterA("", DL_VERSION_2000) {}

    void dxfReal(int gc, double value) const override {
        char puffer[400];
        auto [ende, fehler] =
            std::to_chars(puffer, puffer + sizeof puffer, value, std::chars_format::fixed);
        if (fehler != std::errc{})
            ende = std::to_chars(puffer, puffer + sizeof puffer, value).ptr;
        std::string text(puffer, ende);
        if (text.find_first_of(".en") == std::string::npos)
            text += ".0";
        Gruppe(gc, text);
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
        if (gc < 10)
            m_inhalt += "  ";
        else if (gc < 100)
            m_inhalt += ' ';
        m_inhalt += std::to_string(gc);
        m_inhalt += '\n';
        m_inhalt += wert;
        m_inhalt += '\n';
    }

    mutable std::string m_inhalt;
};

// Layer names may not hold <>/\":;?*|=` and older CAM programs know only ASCII and 31 letters;
// umlauts are spelled out, everything else becomes '_'.
std::string Ebenenname(const std::string& name) {
    static constexpr std::pair<std::string_view, std::string_view> kUmlaute[] = {
        {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"}, {"ß", "ss"}};
    const std::string text = NameAlsText(name);
    std::string ebene;
    bool sinnvoll = false;
    for (std::size_t i = 0; i < text.size() && ebene.size() < 31;) {
        const std::string_view rest = std::string_view(text).substr(i);
        const auto* umlaut = std::find_if(std::begin(kUmlaute), std::end(kUmlaute),
                                          [&](const auto& u) { return rest.starts_with(u.first); });
        if (umlaut != std::end(kUmlaute)) {
            ebene += umlaut->second;
            i += umlaut->first.size();
            sinnvoll = true;
            continue;
        }
        const char c = text[i++];
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue; // one '_' for a whole UTF-8 character
        const bool zeichen = IstBuchstabeOderZiffer(c);
        sinnvoll = sinnvoll || zeichen;
        ebene += zeichen || c == '-' ? c : '_';
    }
    ebene.resize(std::min<std::size_t>(ebene.size(), 31)); // an umlaut may overshoot by one
    // "0" and DEFPOINTS are AutoCAD's own layers; DEFPOINTS is never plotted.
    std::string gross = ebene;
    std::transform(gross.begin(), gross.end(), gross.begin(), Gross);
    if (!sinnvoll || gross == "0" || gross == "DEFPOINTS")
        return "PROFIL";
    return ebene;
}

struct Ebene {
    std::string name;
    int farbe;
};

// Everything before the entities: the header with units and extent, the tables with the
// layers, the blocks. Both drawings share it.
void Anfang(DL_Dxf& dxf, DxfSchreiber& dw, double links, double unten, double rechts, double oben,
            const std::vector<Ebene>& ebenen) {
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
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
    for (const Ebene& e : ebenen)
        dxf.writeLayer(dw, DL_LayerData(e.name, 0),
                       DL_Attributes("", e.farbe, -3, "CONTINUOUS", 1.0));
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
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return dw.Inhalt();
}

// Flag 1 closes the polyline: no vertex is repeated for the last segment.
template <typename Folge>
void Polylinie(DL_Dxf& dxf, DxfSchreiber& dw, const Folge& punkte, const DL_Attributes& ebene) {
    dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(punkte.size()), 0, 0, 1), ebene);
    for (const auto& q : punkte)
        dxf.writeVertex(dw, DL_VertexData(q.x, q.y, 0.0, 0.0));
    dxf.writePolylineEnd(dw);
}

// An R2000 file's strings are in its code page; any other character goes as \U+XXXX.
std::string DxfZeichen(const std::string& utf8) {
    std::string aus;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            aus += static_cast<char>(c);
            ++i;
            continue;
        }
        const int laenge = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        unsigned code = c & (0x3Fu >> (laenge - 1));
        for (int k = 1; k < laenge && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        char puffer[8];
        std::string hex(puffer, std::to_chars(puffer, puffer + sizeof puffer, code, 16).ptr);
        std::transform(hex.begin(), hex.end(), hex.begin(), Gross);
        aus += "\\U+" + std::string(hex.size() < 4 ? 4 - hex.size() : 0, '0') + hex;
        i += static_cast<std::size_t>(laenge);
    }
    return aus;
}

} // namespace

std::string DxfText(const Umriss& k, const std::string& name) {
    const std::string ebene = Ebenenname(name);
    DL_Dxf dxf;
    DxfSchreiber dw;
    Anfang(dxf, dw, k.links, k.unten, k.rechts, k.oben, {{ebene, DL_Codes::white}});
    Polylinie(dxf, dw, k.punkte, DL_Attributes(ebene, DL_Codes::bylayer, -1, "BYLAYER", 1.0));
    return Schluss(dxf, dw);
}

std::string SatzDxfText(const Anordnung& anordnung, double breite, double hoehe) {
    const std::size_t n = anordnung.platten.size();
    DL_Dxf dxf;
    DxfSchreiber dw;
    Anfang(dxf, dw, 0, 0, n > 0 ? PlattenX(n - 1, breite) + breite : 0, hoehe,
           {{"Schnitt", DL_Codes::red}, {"Beschriftung", DL_Codes::blue}, {"Platte", 8}});
    const DL_Attributes schnitt("Schnitt", DL_Codes::bylayer, -1, "BYLAYER", 1.0);
    const DL_Attributes beschriftung("Beschriftung", DL_Codes::bylayer, -1, "BYLAYER", 1.0);
    const DL_Attributes platte("Platte", DL_Codes::bylayer, -1, "BYLAYER", 1.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double x0 = PlattenX(i, breite);
        const std::vector<RippenPunkt> rahmen = {
            {x0, 0}, {x0 + breite, 0}, {x0 + breite, hoehe}, {x0, hoehe}};
        Polylinie(dxf, dw, rahmen, platte);
        for (const PlatziertesTeil& t : anordnung.platten[i].teile) {
            std::vector<RippenPunkt> umriss = t.umriss;
            for (RippenPunkt& p : umriss)
                p.x += x0;
            Polylinie(dxf, dw, umriss, schnitt);
        }
        for (const PlatziertesTeil& t : anordnung.platten[i].teile) {
            const double x = t.beschriftungsOrt.x + x0;
            const double y = t.beschriftungsOrt.y;
            // Centred on the label's place, which the layout keeps inside the piece.
            dxf.writeText(dw,
                          DL_TextData(x, y, 0.0, x, y, 0.0, SchriftHoehe(t), 1.0, 0, 1, 2,
                                      DxfZeichen(t.beschriftung), "Standard", 0.0),
                          beschriftung);
        }
    }
    return Schluss(dxf, dw);
}
