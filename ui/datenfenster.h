// The data window: the coordinate listing and the path of the loaded file. It stays open beside
// the main window; OK, Escape and the close box only hide it.
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QLineEdit;
class QListWidget;

class Datenfenster : public QDialog {
public:
    explicit Datenfenster(QWidget* eigner);

    // A new listing, read from its name line down; an open window follows it.
    void Fuellen(const QString& datei, const std::vector<std::string>& zeilen);
    // Shows the window at platz, where it was when last hidden.
    void Zeigen(const QString& datei);
    // Notes the visible window's place in platz.
    void PlatzMerken();

    QListWidget* liste;
    QLineEdit* dateiname;
    // The top-left corner of the window's frame on the screen; the main window keeps it in the
    // settings across runs.
    std::optional<std::pair<int, int>> platz;

    void done(int ergebnis) override;
};
