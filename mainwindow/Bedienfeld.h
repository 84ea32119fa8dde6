#pragma once
// The control panel of the main window (the frame fraComp): the legend, the
// entry row with its spin controls, the prompt, the computer's move, the
// answer counts and the seven buttons, created with what screen readers hear
// of them. It shows what the game state holds; the main window's handlers
// read its spin controls and write its prompts.

#include "rules/Knoepfe.h"
#include "rules/Spielstand.h"

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QWidget;
class Drehfeld;
class Knopf;
class QString;

namespace quorbix {
class Zufall;
}

class Bedienfeld {
public:
    Bedienfeld(QWidget* fläche, const quorbix::Spielstand& stand);

    // A new game: the legend, the entry row at symbol 1, the mode's texts,
    // the frame's caption and place, no answer yet.
    void Aufbau();
    // The entry row's symbols, from the spin controls' values.
    quorbix::Reihe eingabe() const;
    // Enabled buttons and their captions, from the state.
    void zeigeKnöpfe();
    // The computer's guess of move `zug` in the legend and the move field.
    void zeigeZug(int zug);
    // The first guess: the legend keeps one cell per field, the entry row
    // (the player's code) can no longer change.
    void zeigeErstenComputerzug();
    void zeigeLegende(const quorbix::Reihe& code);
    void zeigeAntwort(int schwarz, int weiß);
    void zeigeZugfeld(const QString& text);
    // One frame of the search's animation in the move field.
    void zeigeAktivität(quorbix::Zufall& zufall);
    void Blink(quorbix::Zufall& zufall);
    void Lösch();

    QGroupBox* fraComp = nullptr;
    std::array<QLabel*, quorbix::MaxFarben> lblComp{};
    QFrame* Line1 = nullptr;
    std::array<QLabel*, quorbix::MaxFelder> lblMen{};
    std::array<Drehfeld*, quorbix::MaxFelder> updM{};
    QLabel* texLösung = nullptr;
    std::array<Knopf*, quorbix::Knopfzahl> cmdFertig{};
    QLabel* Zugfeld = nullptr;
    QLabel* texSchwarze = nullptr;
    QLabel* lblSchw = nullptr;
    Drehfeld* updSchw = nullptr;
    QLabel* texWeiße = nullptr;
    QLabel* lblWeiß = nullptr;
    Drehfeld* updWeiß = nullptr;

private:
    const quorbix::Spielstand& stand_;
};
