// The main window's commands in-process, offscreen, through their real handlers: the load
// command with a 198-pair file (read, listing, data window's list, plot, frame repainted) and
// the print command with one page into a PDF file. The tests' answerer answers the dialogs; the
// figures run from the dialog's end (OK) to the handler's return, so they are the program's
// work and not the dialog's, nor the answerer's wait for it.
#include "antworten.h"
#include "dateien.h"

#include "app/profilfenster.h"
#include "app/start.h"
#include "profile/profil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QListWidget>

#include <benchmark/benchmark.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using Uhr = std::chrono::steady_clock;

// Notes when an answered dialog is gone: a marker child added last is destroyed last.
class DialogEnde {
public:
    Antwort Markiert(Antwort antwort) {
        return [this, antwort = std::move(antwort)](QWidget* dlg) {
            m_zeit.reset();
            auto* marke = new QObject(dlg);
            QObject::connect(marke, &QObject::destroyed, [this] { m_zeit = Uhr::now(); });
            antwort(dlg);
        };
    }
    const std::optional<Uhr::time_point>& Zeit() const { return m_zeit; }

private:
    std::optional<Uhr::time_point> m_zeit;
};

std::filesystem::path g_verzeichnis;

QString Pfad(const char* name) {
    return QString::fromStdString(g_verzeichnis / name);
}

void Klick(QWidget* fenster, const char* name) {
    fenster->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

// From the dialog's end to the handler's return; the frame repainted when given. A dialog that
// was not answered as expected fails the run.
template <class Befehl>
void Messen(benchmark::State& state, Antwort antwort, Befehl befehl, QWidget* neuZeichnen) {
    Beantworter beantworter;
    DialogEnde ende;
    for (auto _ : state) {
        beantworter.Dazu(ende.Markiert(antwort));
        befehl();
        if (neuZeichnen != nullptr)
            neuZeichnen->repaint();
        const Uhr::time_point jetzt = Uhr::now();
        if (!ende.Zeit() || ::testing::Test::HasFailure()) {
            state.SkipWithError("Dialog nicht beantwortet");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(jetzt - *ende.Zeit()).count());
    }
}

void Laden(benchmark::State& state) {
    Profilfenster dlg;
    dlg.Zeigen();
    Klick(&dlg, "selig");
    Messen(
        state, Beantworter::DateiEintippen(Pfad("naca0012_198.dat")), [&dlg] { dlg.OnLaden(); },
        dlg.m_bild);
    if (!state.error_occurred() &&
        (dlg.m_profil.anzahl != 198 || dlg.m_daten->liste->count() != 199))
        state.SkipWithError("Datei nicht geladen");
}

void Drucken(benchmark::State& state) {
    Profilfenster dlg;
    dlg.Zeigen();
    Klick(&dlg, "selig");
    {
        Beantworter laden;
        laden.Datei(Pfad("naca0012_198.dat"));
        dlg.OnLaden();
    }
    const QString pdf = Pfad("seite.pdf");
    Messen(
        state, Beantworter::InPdf(pdf), [&dlg] { dlg.OnDrucken(); }, nullptr);
    if (!state.error_occurred() && QFileInfo(pdf).size() < 1000)
        state.SkipWithError("keine PDF-Seite geschrieben");
}

} // namespace

int main(int argc, char** argv) {
    ProgrammNamenSetzen();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    const Arbeitsverzeichnis verzeichnis;
    g_verzeichnis = verzeichnis.Pfad();
    if (g_verzeichnis.empty() || !ProfilDateiSchreiben(198, g_verzeichnis / "naca0012_198.dat")) {
        std::fprintf(stderr, "laden_bench: keine Profildatei\n");
        return 1;
    }
    benchmark::RegisterBenchmark("Laden/ab_OK_bis_Bild", Laden)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Drucken/ab_OK_bis_PDF", Drucken)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
