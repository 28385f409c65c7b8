// Preloaded (LD_PRELOAD) into a start-up probe run: once the program's first window has painted
// its first frame, it prints how long that took and ends the window's modal run, so the program
// ends through its own normal path. The program itself stays exactly as it is shipped.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

const auto g_start = std::chrono::steady_clock::now();
constexpr int kGrenzeMs = 30000;

class ErstesBild : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (m_gemalt || e->type() != QEvent::Paint || !o->isWidgetType())
            return false;
        QWidget* fenster = static_cast<QWidget*>(o)->window();
        if (!fenster->isVisible())
            return false;
        m_gemalt = true;
        // A repaint flushes the backing store after every widget has painted; a zero timer
        // runs after that, when the frame is on the screen.
        QTimer::singleShot(0, this, [f = QPointer<QWidget>(fenster)] {
            if (f.isNull())
                return;
            Melden(f->width(), f->height());
            if (auto* dlg = qobject_cast<QDialog*>(f.data()))
                dlg->done(QDialog::Rejected);
            else
                f->close();
        });
        return false;
    }

private:
    static void Melden(int breite, int hoehe) {
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_start)
                .count();
        char text[32];
        *std::to_chars(text, text + sizeof text - 1, ms, std::chars_format::fixed, 1).ptr = '\0';
        std::printf("erstes_bild_ms=%s breite=%d hoehe=%d\n", text, breite, hoehe);
        std::fflush(stdout);
    }

    bool m_gemalt = false;
};

// Runs inside the application object's constructor, before the program makes any window.
void Beobachten() {
    QCoreApplication* anwendung = QCoreApplication::instance();
    if (qobject_cast<QApplication*>(anwendung) == nullptr)
        return;
    auto* bild = new ErstesBild;
    bild->setParent(anwendung);
    anwendung->installEventFilter(bild);
    // A program that never paints must not hang the measurement.
    QTimer::singleShot(kGrenzeMs, bild, [] {
        std::fprintf(stderr, "erstes_bild: kein Bild nach %d ms\n", kGrenzeMs);
        std::_Exit(3);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Beobachten)
