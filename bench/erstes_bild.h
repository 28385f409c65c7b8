// Ends a start-up probe once its main window has painted its first frame.
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Watches every event of the application; after the first paint of the window that `fenster`
// names (asked at each paint, since the window does not exist when watching starts), it calls
// `beenden` from the event loop, so that the frame has been flushed to the screen by then.
class ErstesBild : public QObject {
public:
    ErstesBild(std::function<QWidget*()> fenster, std::function<void()> beenden);

    bool eventFilter(QObject* o, QEvent* e) override;

private:
    std::function<QWidget*()> m_fenster;
    std::function<void()> m_beenden;
    bool m_gemalt = false;
};

// Milliseconds since the process's first static initialiser; printed by the probes so that
// the in-process share of the start-up can be told from the loader's.
double MsSeitStart();
