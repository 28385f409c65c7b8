// Answers modal windows from a test.
#include "antworten.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Only the newest answerer acts: one made inside an answer answers the windows that answer opens.
std::vector<Beantworter*> g_stapel;

} // namespace

// Windows already open when the answerer is made are not its to answer, now or when they are
// on top again.
Beantworter::Beantworter() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isModal())
            m_vorher.emplace_back(w);
    g_stapel.push_back(this);
    QObject::connect(&m_takt, &QTimer::timeout, [this] { Takt(); });
    m_takt.start(20);
}

Beantworter::~Beantworter() {
    m_takt.stop();
    std::erase(g_stapel, this);
    EXPECT_TRUE(m_antworten.empty()) << m_antworten.size() << " erwartete Fenster kamen nicht";
}

void Beantworter::Takt() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == m_letzter || g_stapel.empty() || g_stapel.back() != this ||
        std::find(m_vorher.begin(), m_vorher.end(), modal) != m_vorher.end())
        return;
    m_letzter = modal;
    if (m_antworten.empty()) {
        // A window nobody expected fails the test at once and is closed, so nothing hangs.
        ADD_FAILURE() << "unerwartetes Fenster " << modal->metaObject()->className() << " „"
                      << modal->windowTitle().toStdString() << "“";
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->done(QDialog::Rejected);
        return;
    }
    Antwort antwort = std::move(m_antworten.front());
    m_antworten.pop_front();
    antwort(modal);
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

Antwort Beantworter::InPdf(const QString& pdf, bool ueberschreiben) {
    return [pdf, ueberschreiben](QWidget* w) {
        auto* dlg = qobject_cast<QPrintDialog*>(w);
        ASSERT_NE(dlg, nullptr) << w->metaObject()->className();
        auto* ziel = dlg->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* datei = dlg->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_TRUE(ziel && datei);
        ziel->setCurrentIndex(ziel->count() - 1); // "Print to File (PDF)"
        datei->setText(pdf);
        if (!ueberschreiben) {
            dlg->accept();
            return;
        }
        // The toolkit asks whether to overwrite from its OK button only.
        QTimer::singleShot(200, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                if (QAbstractButton* ja = box->button(QMessageBox::Yes))
                    ja->click();
        });
        auto* knoepfe = dlg->findChild<QDialogButtonBox*>();
        if (knoepfe && knoepfe->button(QDialogButtonBox::Ok))
            knoepfe->button(QDialogButtonBox::Ok)->click();
        else
            dlg->accept();
    };
}

Beantworter& Beantworter::Bestaetigen(std::function<void()> dabei) {
    return Dazu([this, dabei](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << w->metaObject()->className();
        meldungen.emplace_back(box->windowTitle(), box->text());
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
