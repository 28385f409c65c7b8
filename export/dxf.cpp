// The outline as a DXF drawing (R2000, millimetres): one closed LWPOLYLINE for CAM programs.
#include "export/kontur.h"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>
#include <utility>

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

    const std::string& text() const { return m_text; }

private:
    // Group codes right-aligned in three columns, as AutoCAD writes them.
    void Gruppe(int gc, std::string_view wert) const {
        if (gc < 10)
            m_text += "  ";
        else if (gc < 100)
            m_text += ' ';
        m_text += std::to_string(gc);
        m_text += '\n';
        m_text += wert;
        m_text += '\n';
    }

    mutable std::string m_text;
};

// Layer names may not hold <>/\":;?*|=` and older CAM programs know only ASCII and 31 letters;
// umlauts are spelled out, everything else becomes '_'.
std::string LayerName(const std::string& name) {
    static constexpr std::pair<std::string_view, std::string_view> kUmlaute[] = {
        {"ä", "ae"}, {"ö", "oe"}, {"ü", "ue"}, {"Ä", "Ae"}, {"Ö", "Oe"}, {"Ü", "Ue"}, {"ß", "ss"}};
    const std::string text = NameAlsText(name);
    std::string layer;
    bool sinnvoll = false;
    for (std::size_t i = 0; i < text.size() && layer.size() < 31;) {
        const std::string_view rest = std::string_view(text).substr(i);
        const auto* umlaut = std::find_if(std::begin(kUmlaute), std::end(kUmlaute),
                                          [&](const auto& u) { return rest.starts_with(u.first); });
        if (umlaut != std::end(kUmlaute)) {
            layer += umlaut->second;
            i += umlaut->first.size();
            sinnvoll = true;
            continue;
        }
        const char c = text[i++];
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue; // one '_' for a whole UTF-8 character
        const bool zeichen = IstBuchstabeOderZiffer(c);
        sinnvoll = sinnvoll || zeichen;
        layer += zeichen || c == '-' ? c : '_';
    }
    layer.resize(std::min<std::size_t>(layer.size(), 31)); // an umlaut may overshoot by one
    // "0" and DEFPOINTS are AutoCAD's own layers; DEFPOINTS is never plotted.
    std::string gross = layer;
    std::transform(gross.begin(), gross.end(), gross.begin(), Gross);
    if (!sinnvoll || gross == "0" || gross == "DEFPOINTS")
        return "PROFIL";
    return layer;
}

} // namespace

std::string DxfText(const Umriss& k, const std::string& name) {
    const std::string layer = LayerName(name);

    DL_Dxf dxf;
    DxfSchreiber dw;
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4); // millimetres
    dw.dxfString(9, "$EXTMIN");
    dw.dxfReal(10, k.links);
    dw.dxfReal(20, k.unten);
    dw.dxfReal(30, 0.0);
    dw.dxfString(9, "$EXTMAX");
    dw.dxfReal(10, k.rechts);
    dw.dxfReal(20, k.oben);
    dw.dxfReal(30, 0.0);
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(2);
    dxf.writeLayer(dw, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::white, -3, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(layer, 0),
                   DL_Attributes("", DL_Codes::white, -3, "CONTINUOUS", 1.0));
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
    const DL_Attributes attribute(layer, DL_Codes::bylayer, -1, "BYLAYER", 1.0);
    // Flag 1 closes the polyline: the trailing-edge segment back to the first vertex.
    dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(k.punkte.size()), 0, 0, 1), attribute);
    for (const UmrissPunkt& q : k.punkte)
        dxf.writeVertex(dw, DL_VertexData(q.x, q.y, 0.0, 0.0));
    dxf.writePolylineEnd(dw);
    dw.sectionEnd();

    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return dw.text();
}
