// The file dialogs of every window: Qt's own dialog, so that it looks the same everywhere and
// tests can answer it.
#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

struct Dateiwahl {
    bool speichern = false;
    QString titel;
    // "Name|*.a;*.b|Name|*||"; a name typed without an extension gets the chosen type's.
    QString filter;
    // The folder it opens in, and the name it offers there; either may be empty.
    QString ordner;
    QString name;
    // The extension of a name typed without one before a type is chosen, without the dot.
    QString endung;
};

// A path as the system spells it (the bytes open and stat take), whatever its name's encoding.
std::string SystemPfad(const QString& pfad);

// The absolute path chosen, or nothing when the dialog was cancelled. Saving asks before a file
// is replaced; opening accepts any name, the loader says why a file cannot be read.
std::optional<QString> DateiDialog(QWidget* eltern, const Dateiwahl& wahl);
