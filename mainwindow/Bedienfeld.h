#pragma once
// The control panel of the main window (the frame fraComp): the legend, the
// entry row with its spin controls, the prompt, the computer's move, the
// answer counts and the seven buttons, created with what screen readers hear
// of them. It shows what the game state holds, and hands the window the
// events of its controls; no other code touches them.

#include "rules/Knoepfe.h"
#include "rules/Spielstand.h"

#include <array>
#include <functional>

class QColor;
class QFrame;
class QGroupBox;
class QLabel;
class QWidget;
namespace ui {
class Drehfeld;
}
namespace quorbix {
class Zufall;
}

namespace hauptfenster {

class Knopf;

class Bedienfeld {
public:
    // The window's event procedures for the panel's controls.
    struct Handlers {
        std::function<void(int)> cmdFertig_Click;
        std::function<void(int)> updM_Change;
        std::function<void()> updSchw_Change;
        std::function<void()> updWeiß_Change;
    };

    Bedienfeld(QWidget* fläche, const quorbix::Spielstand& stand, quorbix::Zufall& zufall,
               const Handlers& handlers);
    Bedienfeld(const Bedienfeld&) = delete;
    Bedienfeld& operator=(const Bedienfeld&) = delete;

    // Brings every control of the panel in line with the state a step has
    // left, whatever it showed before, and flashes the prompt if the step
    // asks for a new move. While the search runs, its animation has the move
    // field. After a step (`fokus`) the focus goes to the control the player
    // needs next.
    void zeichne(const quorbix::Schritt& schritt, bool fokus = false);
    // One frame of the search's animation in the move field.
    void zeigeAktivität();
    // Flashes the prompt line; it stays light red.
    void blinke();
    // No game: the entry row and the legend hidden and emptied.
    void leere();

    // What the arrows are set to: entry field `index` (0..7), the answer.
    int Eingabewert(int index) const;
    int Schwarzwert() const;
    int Weißwert() const;

    // The focus goes to the control the player needs next: the answer's first
    // arrow while the computer waits for an answer, else the main button (or
    // "Stop" while the computer searches).
    void führeFokus();

private:
    void erzeugeEingabe(QWidget* fläche, const QColor& knopfFläche);
    void erzeugeAntwort(const QColor& knopfFläche);
    void erzeugeKnöpfe();
    void benenne();
    void verbinde(QWidget* fläche, const Handlers& handlers);
    bool computerzug() const; // the computer guesses, its first guess is shown
    void zeichneLegende();
    void zeichneEingabe();
    void zeichneAntwort();
    void zeichneKnöpfe();

    const quorbix::Spielstand& stand_;
    quorbix::Zufall& zufall_; // for the animations
    QGroupBox* fraComp_ = nullptr;
    std::array<QLabel*, quorbix::MaxFarben> lblComp_{};
    QFrame* Line1_ = nullptr;
    std::array<QLabel*, quorbix::MaxFelder> lblMen_{};
    std::array<ui::Drehfeld*, quorbix::MaxFelder> updM_{};
    QLabel* texLösung_ = nullptr;
    std::array<Knopf*, quorbix::Knopfzahl> cmdFertig_{};
    QLabel* Zugfeld_ = nullptr;
    QLabel* texSchwarze_ = nullptr;
    QLabel* lblSchw_ = nullptr;
    ui::Drehfeld* updSchw_ = nullptr;
    QLabel* texWeiße_ = nullptr;
    QLabel* lblWeiß_ = nullptr;
    ui::Drehfeld* updWeiß_ = nullptr;
};

} // namespace hauptfenster
