// Answers modal windows from a test.
#include "antworten.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

Beantworter::Beantworter(int grenzeMs) : m_grenzeMs(grenzeMs) {
    QObject::connect(&m_takt, &QTimer::timeout, [this] { Takt(); });
    m_takt.start(20);
    m_uhr.start();
    m_seitAntwort.start();
}

Beantworter::~Beantworter() {
    m_takt.stop();
    EXPECT_TRUE(m_antworten.empty()) << m_antworten.size() << " erwartete Fenster kamen nicht";
}

void Beantworter::Takt() {
    QWidget* modal = QApplication::activeModalWidget();
    if (m_uhr.elapsed() > m_grenzeMs) {
        // Stuck: close whatever is open so that the test fails instead of hanging.
        ADD_FAILURE() << "Zeitgrenze bei " << (modal ? modal->metaObject()->className() : "-");
        m_antworten.clear();
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->done(QDialog::Rejected);
        return;
    }
    if (modal == nullptr || modal == m_letzter || m_antworten.empty())
        return;
    m_letzter = modal;
    Antwort antwort = std::move(m_antworten.front());
    m_antworten.pop_front();
    antwort(modal);
    m_seitAntwort.start();
}

Beantworter& Beantworter::Dazu(Antwort antwort) {
    m_antworten.push_back(std::move(antwort));
    return *this;
}

Beantworter& Beantworter::Datei(const QString& pfad) {
    return Dazu(DateiEintippen(pfad));
}

Antwort Beantworter::DateiEintippen(const QString& pfad) {
    return [pfad](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr) << w->metaObject()->className();
        QTest::sendKeyEvent(QTest::Click, dlg->windowHandle(), Qt::Key_unknown, pfad, {});
        // The name completion's list takes Return for itself.
        if (QWidget* liste = QApplication::activePopupWidget())
            QTest::keyClick(liste->windowHandle(), Qt::Key_Escape);
        QTest::keyClick(dlg->windowHandle(), Qt::Key_Return);
    };
}

Beantworter& Beantworter::Bestaetigen(std::function<void()> dabei) {
    return Dazu([this, dabei](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << w->metaObject()->className();
        meldungen.emplace_back(box->windowTitle(), box->text());
        wartezeitenMs.push_back(m_seitAntwort.elapsed());
        if (dabei)
            dabei();
        // A question is answered with its cancelling button.
        QAbstractButton* knopf = box->button(QMessageBox::Ok);
        for (QAbstractButton* b : box->buttons())
            if (!knopf && box->buttonRole(b) == QMessageBox::RejectRole)
                knopf = b;
        ASSERT_NE(knopf, nullptr);
        knopf->click();
    });
}
