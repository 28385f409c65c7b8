// Drawing and printing services: device contexts, pens and the print dialog.
#pragma once

#include "platform/afxwin.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QPainter;
class QPrinter;
class QTransform;

using COLORREF = std::uint32_t;
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int SP_ERROR = -1;

// GetDeviceCaps indices, with Win32's values.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

struct SIZE {
    int cx, cy;
};

class CPen {
public:
    CPen(int nPenStyle, int nWidth, COLORREF crColor)
        : m_nStil(nPenStyle), m_nBreite(nWidth), m_farbe(crColor) {}

    int m_nStil;
    int m_nBreite;
    COLORREF m_farbe;
};

struct DOCINFO {
    int cbSize;
    const char* lpszDocName;
    const char* lpszOutput;
    const char* lpszDatatype;
    DWORD fwType;
};

// What an HDC stands for: a frame on screen or a printer.
class Zeichengeraet;
using HDC = Zeichengeraet*;

// Without a device (none attached, or deleted) every call does nothing and returns its failure
// value, as on the window classes.
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    BOOL Attach(HDC hDC);
    // Releases the device, a printer included.
    BOOL DeleteDC();

    int StartDoc(DOCINFO* lpDocInfo);
    int StartPage();
    int EndPage();
    int EndDoc();
    // Why the device failed last, in the user's language; empty when it gave no reason.
    std::string Fehlertext() const;
    // Makes MM_LOMETRIC units this much larger across (x) and down (y) the page, for a printer
    // that does not print true to scale.
    void Kalibrieren(double fx, double fy);
    std::pair<double, double> GetKalibrierung() const { return {m_fx, m_fy}; }

    // Top-left corner of the text cell at (x, y) in logical units, with the device's default
    // font; the text stays upright whatever the mapping mode, as in GDI.
    BOOL TextOut(int x, int y, const CString& str, int nCount);
    // Width and height of the text in device units.
    SIZE GetTextExtent(const CString& str) const;
    // Printable area in device pixels, and the device's pixels per inch.
    int GetDeviceCaps(int nIndex) const;
    // Returns the mode before, 0 without a device, as GDI does.
    int SetMapMode(int nMapMode);
    // Limits drawing to the rectangle, in logical units; StartPage lifts the limit.
    void IntersectClipRect(int x1, int y1, int x2, int y2);
    // Returns the pen selected before; nullptr stands for the device's default pen.
    CPen* SelectObject(CPen* pPen);
    void MoveTo(int x, int y);
    // Draws from the current position to (x, y), which becomes the current position.
    BOOL LineTo(int x, int y);
    // Paints on the current page of a printer, a preview or a PDF with the device's painter: mm
    // maps logical mm (Y upward, the calibration included) to the page, basis only turns a
    // landscape page. Does nothing elsewhere.
    using Malen = std::function<void(QPainter&, const QTransform& mm, const QTransform& basis)>;
    void Male(const Malen& malen);

    HDC m_hDC = nullptr;

private:
    CPen* m_pPen = nullptr;
    int m_nMapMode = MM_TEXT;
    double m_fx = 1;
    double m_fy = 1;
    int m_nX = 0;
    int m_nY = 0;
};

// Draws on a window at once; on the plot frame the drawing stays until the frame is cleared.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;
};
