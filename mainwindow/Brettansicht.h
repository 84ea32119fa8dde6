#pragma once
// The board of the main window: the row numbers, the guess cells, the
// solution row with its title, and the answer pegs. It draws what the game
// state holds and keeps no fact of its own.

#include "rules/Spielstand.h"

#include <array>
#include <vector>

class QLabel;
class QWidget;

class Brettansicht {
public:
    // Loading: the design elements, the row numbers and the (hidden)
    // solution cells on `fläche`, the window's client area.
    Brettansicht(QWidget* fläche, const quorbix::Spielstand& stand);
    Brettansicht(const Brettansicht&) = delete;
    Brettansicht& operator=(const Brettansicht&) = delete;

    // A new game: the solution cells with "?", the title and the grey
    // columns for the state's fields.
    void Aufbau();
    // The guess of move `zug` in its row, or the row emptied.
    void zeigeZug(int zug);
    void leereZug(int zug);
    // The pegs of move `zug`: the last ones the state counts, drawn at once.
    void zeichnePins(int zug);
    // Removes the pegs beyond the state's counts (a reopened answer).
    void entferneÜberzählige();
    // The solution row shows a code, at once or uncovered with flashing.
    void zeigeLösung(const quorbix::Reihe& code);
    void Auflösung(quorbix::Zufall& zufall);
    // Back to the design elements; the state still describes the game shown.
    void Lösch();

    QLabel* zelle(int feld, int zug) const;

private:
    QLabel* neuerPin(std::vector<QLabel*>& pins, int index, int zug);
    void entfernePins(std::vector<QLabel*>& pins, int von);

    const quorbix::Spielstand& stand_;
    std::array<QLabel*, quorbix::MaxFelder> lblKomb1_{};
    QLabel* lblLösung_ = nullptr;
    std::array<QLabel*, quorbix::MaxZüge> lblNr_{};
    std::vector<QLabel*> lblVersuch_;
    std::vector<QLabel*> lblSchwarz_;
    std::vector<QLabel*> lblWeiße_;
};
