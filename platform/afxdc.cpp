// Device contexts over QPainter: the rib-set dialog's plot frame.
#include "platform/afxdc.h"

#include "platform/fenster_p.h"
#include "platform/zeichenfeld_p.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

class Zeichengeraet {
public:
    virtual ~Zeichengeraet() = default;
    virtual int StartDoc(const char*) { return 1; }
    virtual int StartPage() { return 1; }
    virtual int EndPage() { return 1; }
    virtual int EndDoc() { return 1; }
    virtual std::string Fehlertext() const { return {}; }
    virtual void Kalibrieren(double, double) {}
    virtual void TextOut(int, int, const QString&) {}
    virtual QSize TextGroesse(const QString&) const { return {}; }
    virtual int Faehigkeit(int) const { return 0; }
    virtual void SetMapMode(int) {}
    virtual void Begrenzen(const QRect&) {}
    // The current position jumped: the next line starts a new stroke.
    virtual void Bewegt() {}
    virtual void Linie(const CPen& pen, QPoint von, QPoint bis) = 0;
    virtual void Male(const CDC::Malen&) {}
};

namespace {

// The device's own pen until the program selects one: black, one device pixel.
const CPen kStandardStift(PS_SOLID, 1, RGB(0, 0, 0));

QColor Farbe(COLORREF farbe) {
    return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                  static_cast<int>((farbe >> 16) & 0xFF));
}

// The plot frame keeps every line so that a repaint shows it again.
class FeldGeraet : public Zeichengeraet {
public:
    explicit FeldGeraet(ZeichenFeld* feld) : m_feld(feld) {}
    void Linie(const CPen& stift, QPoint von, QPoint bis) override {
        if (!m_feld)
            return;
        const auto& zuege = m_feld->Zuege();
        const bool gestrichelt = stift.m_nStil == PS_DASH;
        if (m_fortsetzen && !zuege.empty() && zuege.back().punkte.back() == von &&
            zuege.back().gestrichelt == gestrichelt)
            m_feld->Verlaengern(bis);
        else
            m_feld->Hinzufuegen({stift.m_nBreite, Farbe(stift.m_farbe), {von, bis}, gestrichelt});
        m_fortsetzen = true;
    }
    void Bewegt() override { m_fortsetzen = false; }

private:
    ZeichenFeld* m_feld;
    bool m_fortsetzen = false;
};

} // namespace

CDC::~CDC() {
    DeleteDC();
}

BOOL CDC::Attach(HDC hDC) {
    if (m_hDC || !hDC)
        return FALSE;
    m_hDC = hDC;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    delete m_hDC;
    m_hDC = nullptr;
    return TRUE;
}

int CDC::StartDoc(DOCINFO* lpDocInfo) {
    return m_hDC
               ? m_hDC->StartDoc(lpDocInfo && lpDocInfo->lpszDocName ? lpDocInfo->lpszDocName : "")
               : SP_ERROR;
}
int CDC::StartPage() {
    // Each page starts in device units, as Windows 9x reset a printer's DC.
    m_nMapMode = MM_TEXT;
    return m_hDC ? m_hDC->StartPage() : SP_ERROR;
}
int CDC::EndPage() {
    return m_hDC ? m_hDC->EndPage() : SP_ERROR;
}
int CDC::EndDoc() {
    return m_hDC ? m_hDC->EndDoc() : SP_ERROR;
}

BOOL CDC::TextOut(int x, int y, const CString& str, int nCount) {
    if (!m_hDC)
        return FALSE;
    const int laenge = std::clamp(nCount, 0, str.GetLength());
    m_hDC->TextOut(x, y, QString::fromUtf8(str.GetString(), laenge));
    return TRUE;
}

SIZE CDC::GetTextExtent(const CString& str) const {
    const QSize groesse = m_hDC ? m_hDC->TextGroesse(AlsQString(str)) : QSize();
    return {groesse.width(), groesse.height()};
}

int CDC::GetDeviceCaps(int nIndex) const {
    return m_hDC ? m_hDC->Faehigkeit(nIndex) : 0;
}

void CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    if (m_hDC)
        m_hDC->Begrenzen(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                               QPoint(std::max(x1, x2), std::max(y1, y2))));
}

int CDC::SetMapMode(int nMapMode) {
    if (!m_hDC)
        return 0;
    m_hDC->SetMapMode(nMapMode);
    return std::exchange(m_nMapMode, nMapMode);
}

CPen* CDC::SelectObject(CPen* pPen) {
    CPen* vorher = m_pPen;
    m_pPen = pPen;
    return vorher;
}

void CDC::MoveTo(int x, int y) {
    if (m_hDC)
        m_hDC->Bewegt();
    m_nX = x;
    m_nY = y;
}

BOOL CDC::LineTo(int x, int y) {
    if (m_hDC)
        m_hDC->Linie(m_pPen ? *m_pPen : kStandardStift, QPoint(m_nX, m_nY), QPoint(x, y));
    m_nX = x;
    m_nY = y;
    return m_hDC != nullptr;
}

void CDC::Male(const Malen& malen) {
    if (m_hDC)
        m_hDC->Male(malen);
}

CClientDC::CClientDC(CWnd* pWnd) {
    Attach(new FeldGeraet(pWnd ? dynamic_cast<ZeichenFeld*>(pWnd->m_hWnd) : nullptr));
}

CClientDC::~CClientDC() = default;

void CDC::Kalibrieren(double fx, double fy) {
    if (!m_hDC)
        return;
    m_fx = fx;
    m_fy = fy;
    m_hDC->Kalibrieren(fx, fy);
}

std::string CDC::Fehlertext() const {
    return m_hDC ? m_hDC->Fehlertext() : std::string();
}
