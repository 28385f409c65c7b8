// Answers the modal windows a command opens, one after the other, and fails a stuck test.
#pragma once

#include <QElapsedTimer>
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
    explicit Beantworter(int grenzeMs = 10000);
    ~Beantworter();

    Beantworter& Dazu(Antwort antwort);
    // Types the path into the real file dialog through its window and presses Return.
    Beantworter& Datei(const QString& pfad);
    static Antwort DateiEintippen(const QString& pfad);
    // Notes caption and text of the message box, runs dabei while it is open, presses OK (or
    // the cancelling button of a question).
    Beantworter& Bestaetigen(std::function<void()> dabei = {});

    std::vector<std::pair<QString, QString>> meldungen;
    // For each message box: how long after the previous answer it came up.
    std::vector<qint64> wartezeitenMs;

private:
    void Takt();

    std::deque<Antwort> m_antworten;
    QTimer m_takt;
    QElapsedTimer m_uhr;
    QElapsedTimer m_seitAntwort;
    int m_grenzeMs;
    QPointer<QWidget> m_letzter;
};
