#pragma once
// What a screen reader says after a step of the game: what a sighted player
// reads off the board and the panel once the step is drawn, in the order they
// read it, said once. The evaluation's figures at the end of a run, too.

#include "rules/Knoepfe.h"
#include "rules/Spielstand.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorbix {

// What led to a step.
enum class Anlass {
    Spielbeginn,  // a new game is laid out
    Weiter,       // the main button: "Start", "Weiter"
    Richtig,      // "Auf- lösung", "Alle richtig"
    Hilfe,        // the answer counted for the player
    Korrektur,    // "Zug zurück"
    Stop,         // the search is interrupted
    Suchende,     // the computer's search has ended
    AntwortOffen, // once a contradiction is said, the answer is reopened
};

// The step a button makes; the settings button makes none of its own.
std::optional<Anlass> Knopfanlass(Knopfnummer k);

// Where the game stood before the step.
struct Vorher {
    int Zug = 0;
    Spielphase Phase = Spielphase::NichtBegonnen;
};

// "Weiß, Hellrot, Blau" or "1, 2, 3": what the symbols of a row are called.
std::string Reihentext(const Spielstand& stand, const Reihe& reihe);
// "2 schwarze Stifte, 1 weißer Stift", "keine Stifte".
std::string Antworttext(int schwarz, int weiß);

// The news of the step that left `stand`; empty: nothing to say.
std::string Neuigkeit(Anlass anlass, const Spielstand& stand, const Schritt& schritt,
                      const Vorher& vorher);

// The evaluation's figures once a run is over (`fertig`) or stopped; the
// average as the window shows it.
std::string Auswertungsnachricht(bool fertig, std::uint32_t codes, int minimum, int maximum,
                                 const std::string& mittel);

} // namespace quorbix
