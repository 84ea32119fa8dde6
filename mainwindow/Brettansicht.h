#pragma once
// The board of the main window: the row numbers, the guess cells, the
// solution row with its title, and the answer pegs. It draws what the game
// state holds and keeps no fact of its own.

#include "rules/Spielstand.h"

#include <array>
#include <vector>

class QLabel;
class QWidget;

namespace hauptfenster {

class Brettansicht {
public:
    // Loading: the design elements, the row numbers and the (hidden)
    // solution cells on `fläche`, the window's client area.
    Brettansicht(QWidget* fläche, const quorbix::Spielstand& stand, quorbix::Zufall& zufall);
    Brettansicht(const Brettansicht&) = delete;
    Brettansicht& operator=(const Brettansicht&) = delete;

    // Brings the board in line with the state a step has left, whatever it
    // showed before: the grey columns of the state's fields with its
    // guesses, the answer pegs (painted at once), the solution row with its
    // title, which the step may uncover.
    void zeichne(const quorbix::Schritt& schritt);
    // Uncovers row 0 in the solution row, each cell flashing first.
    void deckeAuf();
    // Back to the design elements; the state still describes the game shown.
    void leere();

private:
    void zeichneZüge();
    void zeichnePins();
    void zeichneLösung(const quorbix::Schritt& schritt);
    QLabel* neueZelle(int feld, int zeile);
    void zeigePin(std::vector<QLabel*>& pins, int index, int zug, int links);
    void entfernePins(std::vector<QLabel*>& pins, int von);

    const quorbix::Spielstand& stand_;
    quorbix::Zufall& zufall_; // for the flashing
    std::array<QLabel*, quorbix::MaxFelder> lblKomb1_{};
    QLabel* lblLösung_ = nullptr;
    std::array<QLabel*, quorbix::MaxZüge> lblNr_{};
    std::vector<QLabel*> lblVersuch_;
    std::vector<QLabel*> lblSchwarz_;
    std::vector<QLabel*> lblWeiße_;
};

} // namespace hauptfenster
