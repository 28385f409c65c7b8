// Answers the modal windows a command opens, one after the other, and fails a stuck test.
// The benchmarks answer their dialogs with it too.
#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

using Antwort = std::function<void(QWidget*)>;

class Beantworter {
public:
    // Without answers, it is a guard: any modal window that opens fails the test.
    Beantworter();
    Beantworter(const Beantworter&) = delete;
    Beantworter& operator=(const Beantworter&) = delete;
    ~Beantworter();

    Beantworter& Dazu(Antwort antwort);
    // Types the path into the real file dialog through its window and presses Return.
    Beantworter& Datei(const QString& pfad);
    static Antwort DateiEintippen(const QString& pfad);
    // Answers the print dialog with its own PDF printer writing to pdf; with ueberschreiben,
    // through its OK button, answering the toolkit's question to replace the file with yes.
    static Antwort InPdf(const QString& pdf, bool ueberschreiben = false);
    // Notes caption and text of the message box, runs dabei while it is open, presses OK (or
    // the cancelling button of a question).
    Beantworter& Bestaetigen(std::function<void()> dabei = {});

    std::vector<std::pair<QString, QString>> meldungen;

private:
    void Takt();

    std::deque<Antwort> m_antworten;
    QTimer m_takt;
    QPointer<QWidget> m_letzter;
    std::vector<QPointer<QWidget>> m_vorher;
};
