// Inside the platform layer: the toolkit objects behind a dialog.
#pragma once

#include "platform/afxwin.h"

#include <QDialog>
#include <QString>

class QIcon;

// The toolkit window of a CDialog: Escape and the close box go to OnCancel; the right mouse
// button on the window's background and Shift+F10 open its system menu.
class DialogFenster : public QDialog {
public:
    DialogFenster(CDialog* pDlg, QWidget* parent, Qt::WindowFlags flags)
        : QDialog(parent, flags), m_pDlg(pDlg) {}
    ~DialogFenster() override;

    void Abkoppeln() { m_pDlg = nullptr; }

    void reject() override;
    void SystemmenueZeigen(const QPoint& global);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    CDialog* m_pDlg;
};

// Turns the controls' signals and focus changes into notifications for the message map.
class Vermittler : public QObject {
public:
    Vermittler(CDialog* pDlg, QObject* parent) : QObject(parent), m_pDlg(pDlg) {}

    void Abkoppeln() { m_pDlg = nullptr; }
    void Melden(int nID, UINT nCode);
    // A command such as ID_HELP: first the dialog's map, then the application's.
    void Befehl(int nID);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CDialog* m_pDlg;
};

inline QString AlsQString(const CString& text) {
    return QString::fromUtf8(text.GetString());
}
inline CString AlsCString(const QString& text) {
    return CString(text.toUtf8().toStdString());
}

// The text a control shows, whatever kind of control it is.
QString TextVon(const QWidget* w);
void SetzeText(QWidget* w, const QString& text);
// The control of that id among the window's own controls.
QWidget* SteuerelementVon(const QWidget* fenster, int nID);
extern const char* const kSteuerId;

// The icon of that id, loaded once; nullptr when there is none.
const QIcon* SymbolLaden(int id);
