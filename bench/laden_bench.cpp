// The main window's load path in-process, offscreen: the load command with a 198-pair file
// (read, listing, data window's list, plot into the frame, frame repainted), and the share
// of the file dialog in it.
#include "dateien.h"

#include "app/profilapp.h"
#include "app/profildlg.h"
#include "profile/profil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QMetaObject>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// The handlers are the window's own; the bench only calls them directly.
class BenchDlg : public CProfilDlg {
public:
    using CProfilDlg::OnLaden;
    using CProfilDlg::OnPlotten;
};

// Answers every file dialog with one path as soon as it is shown, without a polling delay.
class DateiAntwort : public QObject {
public:
    explicit DateiAntwort(QString pfad) : m_pfad(std::move(pfad)) {}

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            if (auto* dlg = qobject_cast<QFileDialog*>(o)) {
                QMetaObject::invokeMethod(
                    dlg,
                    [dlg, pfad = m_pfad] {
                        dlg->selectFile(pfad);
                        static_cast<QDialog*>(dlg)->accept();
                    },
                    Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    QString m_pfad;
};

std::string g_datei198;

void Klick(CWnd* steuerung) {
    static_cast<QAbstractButton*>(steuerung->m_hWnd)->click();
}

void LadenMitDateidialog(benchmark::State& state) {
    BenchDlg dlg;
    dlg.Create(IDD_PROFIL);
    Klick(dlg.GetDlgItem(IDC_SELIG));
    DateiAntwort antwort(QString::fromStdString(g_datei198));
    qApp->installEventFilter(&antwort);
    for (auto _ : state) {
        dlg.OnLaden();
        dlg.m_frmPlot.m_hWnd->repaint();
    }
    qApp->removeEventFilter(&antwort);
    if (dlg.m_nAnzahl != 198 || dlg.m_dlgDaten.m_lstDaten.GetCount() != 199)
        state.SkipWithError("Datei nicht geladen");
}

void DateidialogAllein(benchmark::State& state) {
    BenchDlg dlg;
    dlg.Create(IDD_PROFIL);
    DateiAntwort antwort(QString::fromStdString(g_datei198));
    qApp->installEventFilter(&antwort);
    for (auto _ : state) {
        CFileDialog dlgDatei(TRUE);
        if (dlgDatei.DoModal() != IDOK)
            state.SkipWithError("Dateidialog nicht beantwortet");
    }
    qApp->removeEventFilter(&antwort);
}

void PlottenAllein(benchmark::State& state) {
    BenchDlg dlg;
    dlg.Create(IDD_PROFIL);
    std::FILE* f = std::fopen(g_datei198.c_str(), "r");
    LeseProfil(f, ProfilFormat::Selig);
    std::fclose(f);
    for (auto _ : state) {
        dlg.OnPlotten();
        dlg.m_frmPlot.m_hWnd->repaint();
    }
}

} // namespace

int main(int argc, char** argv) {
    CProfilApp anwendung;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    const Arbeitsverzeichnis verzeichnis;
    g_datei198 = verzeichnis.Pfad() / "naca0012_198.dat";
    if (verzeichnis.Pfad().empty() || !ProfilDateiSchreiben(198, g_datei198)) {
        std::fprintf(stderr, "laden_bench: keine Profildatei\n");
        return 1;
    }
    benchmark::RegisterBenchmark("Laden/Befehl_mit_Dateidialog", LadenMitDateidialog)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Laden/Dateidialog_allein", DateidialogAllein)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Laden/Plotten_allein", PlottenAllein)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
