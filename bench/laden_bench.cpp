// The main window's commands in-process, offscreen, through their real handlers: the load
// command with a 198-pair file (read, listing, data window's list, plot, frame repainted) and
// the print command with one page into a PDF file. The dialogs are answered the moment they
// show; the main figures run from the dialog's end (OK) to the handler's return, so they are
// the program's work and not the dialog's.
#include "dateien.h"

#include "app/profilapp.h"
#include "app/profildlg.h"
#include "profile/profil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMetaObject>
#include <QPrintDialog>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using Uhr = std::chrono::steady_clock;

// The handlers are the window's own; the bench only calls them directly.
class BenchDlg : public CProfilDlg {
public:
    using CProfilDlg::OnDrucken;
    using CProfilDlg::OnLaden;
    using CProfilDlg::OnPlotten;
};

// Answers the file dialog with a path and the print dialog with a PDF file as soon as they
// show, and notes when the dialog is gone: a marker child added last is destroyed last.
class Antworter : public QObject {
public:
    Antworter(QString datei, QString pdf) : m_datei(std::move(datei)), m_pdf(std::move(pdf)) {
        qApp->installEventFilter(this);
    }
    ~Antworter() override { qApp->removeEventFilter(this); }

    std::optional<Uhr::time_point> dialogEnde;

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Show)
            return false;
        if (auto* dlg = qobject_cast<QFileDialog*>(o)) {
            Markieren(dlg);
            QMetaObject::invokeMethod(
                dlg,
                [dlg, pfad = m_datei] {
                    dlg->selectFile(pfad);
                    static_cast<QDialog*>(dlg)->accept();
                },
                Qt::QueuedConnection);
        } else if (auto* druck = qobject_cast<QPrintDialog*>(o)) {
            Markieren(druck);
            QMetaObject::invokeMethod(
                druck,
                [druck, pdf = m_pdf] {
                    auto* ziel = druck->findChild<QComboBox*>(QStringLiteral("printers"));
                    auto* datei = druck->findChild<QLineEdit*>(QStringLiteral("filename"));
                    if (ziel != nullptr && datei != nullptr) {
                        ziel->setCurrentIndex(ziel->count() - 1); // "Print to File (PDF)"
                        datei->setText(pdf);
                        druck->accept();
                    } else {
                        druck->reject();
                    }
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Markieren(QObject* dlg) {
        dialogEnde.reset();
        auto* marke = new QObject(dlg);
        QObject::connect(marke, &QObject::destroyed, [this] { dialogEnde = Uhr::now(); });
    }

    QString m_datei;
    QString m_pdf;
};

std::filesystem::path g_verzeichnis;

QString Pfad(const char* name) {
    return QString::fromStdString(g_verzeichnis / name);
}

void Klick(CWnd* steuerung) {
    static_cast<QAbstractButton*>(steuerung->m_hWnd)->click();
}

// The whole command, or (nachDialog) from the dialog's end to the handler's return.
template <class Befehl>
bool Messen(benchmark::State& state, Befehl befehl, Antworter& antwort, bool nachDialog,
            QWidget* neuZeichnen) {
    for (auto _ : state) {
        const Uhr::time_point start = Uhr::now();
        befehl();
        if (neuZeichnen != nullptr)
            neuZeichnen->repaint();
        const Uhr::time_point ende = Uhr::now();
        if (!antwort.dialogEnde)
            return false;
        const auto von = nachDialog ? *antwort.dialogEnde : start;
        state.SetIterationTime(std::chrono::duration<double>(ende - von).count());
    }
    return true;
}

void Laden(benchmark::State& state, bool nachDialog) {
    g_profil = ProfilSpeicher{};
    BenchDlg dlg;
    dlg.Create(IDD_PROFIL);
    Klick(dlg.GetDlgItem(IDC_SELIG));
    Antworter antwort(Pfad("naca0012_198.dat"), {});
    if (!Messen(
            state, [&dlg] { dlg.OnLaden(); }, antwort, nachDialog, dlg.m_frmPlot.m_hWnd))
        state.SkipWithError("Dateidialog nicht beantwortet");
    else if (dlg.m_nAnzahl != 198 || dlg.m_dlgDaten.m_lstDaten.GetCount() != 199)
        state.SkipWithError("Datei nicht geladen");
}

void Drucken(benchmark::State& state, bool nachDialog) {
    g_profil = ProfilSpeicher{};
    BenchDlg dlg;
    dlg.Create(IDD_PROFIL);
    Klick(dlg.GetDlgItem(IDC_SELIG));
    const QString pdf = Pfad("seite.pdf");
    Antworter antwort(Pfad("naca0012_198.dat"), pdf);
    dlg.OnLaden();
    if (!Messen(
            state, [&dlg] { dlg.OnDrucken(); }, antwort, nachDialog, nullptr))
        state.SkipWithError("Druckdialog nicht beantwortet");
    else if (QFileInfo(pdf).size() < 1000)
        state.SkipWithError("keine PDF-Seite geschrieben");
}

void Plotten(benchmark::State& state) {
    BenchDlg dlg;
    dlg.Create(IDD_PROFIL);
    std::FILE* f = std::fopen((g_verzeichnis / "naca0012_198.dat").c_str(), "r");
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
    g_verzeichnis = verzeichnis.Pfad();
    if (g_verzeichnis.empty() || !ProfilDateiSchreiben(198, g_verzeichnis / "naca0012_198.dat")) {
        std::fprintf(stderr, "laden_bench: keine Profildatei\n");
        return 1;
    }
    benchmark::RegisterBenchmark("Laden/ab_OK_bis_Bild", Laden, true)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Laden/mit_Dateidialog", Laden, false)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Drucken/ab_OK_bis_PDF", Drucken, true)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Drucken/mit_Druckdialog", Drucken, false)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Plotten", Plotten)->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
