// The first-frame watch shared by the start-up probes.
#include "erstes_bild.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>

namespace {

const auto g_start = std::chrono::steady_clock::now();

} // namespace

ErstesBild::ErstesBild(std::function<QWidget*()> fenster, std::function<void()> beenden)
    : m_fenster(std::move(fenster)), m_beenden(std::move(beenden)) {}

bool ErstesBild::eventFilter(QObject* o, QEvent* e) {
    if (!m_gemalt && e->type() == QEvent::Paint && o->isWidgetType()) {
        QWidget* fenster = m_fenster();
        if (fenster != nullptr && static_cast<QWidget*>(o)->window() == fenster) {
            m_gemalt = true;
            // The repaint flushes the backing store after every widget has painted; a
            // zero timer runs after that.
            QTimer::singleShot(0, this, [this] { m_beenden(); });
        }
    }
    return QObject::eventFilter(o, e);
}

double MsSeitStart() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_start)
        .count();
}
