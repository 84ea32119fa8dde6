#pragma once
// The seven buttons of the main window's panel: what each says, and which of
// them may act in a state of the game.

#include <array>
#include <string_view>

namespace quorbix {

class Spielstand;

// The buttons of cmdFertig, by index.
enum Knopfnummer : int {
    Hauptknopf = 0,   // "Start" / "Weiter"
    Richtigknopf = 1, // "Alle richtig" / "Auf- lösung"
    NeuesSpielKnopf = 2,
    Hilfeknopf = 3,
    Korrekturknopf = 4, // "Zug zurück"
    Stopknopf = 5,
    Einstellungsknopf = 6,
    Knopfzahl = 7,
};

struct Knopfdaten {
    std::string_view Beschriftung; // the caption before the first game
    std::string_view Tipp;         // the tooltip; empty: none
    std::string_view Beschreibung; // what a screen reader hears; empty: the tooltip
};

inline constexpr std::array<Knopfdaten, Knopfzahl> Knopftabelle{{
    {"Weiter", "", ""},
    {"Richtig geraten", "Computer hat richtig geraten", ""},
    {"Neues Spiel", "Neues Spiel starten", ""},
    {"Hilfe", "Schwarze und Weiße auszählen", ""},
    // A screen reader would misread the tooltip's "zuürck".
    {"Zug zurück", "Letzten Zug zuürck nehmen", "Letzten Zug zurücknehmen"},
    {"Stop", "", "Suche des Computers anhalten"},
    {"Einstel-lungen", "Schwierigkeitsstufe einstellen", ""},
}};

// Caption and description in the state's mode and move: the main button and
// the second one change with them.
std::string_view Knopfbeschriftung(Knopfnummer k, const Spielstand& stand);
std::string_view Knopfbeschreibung(Knopfnummer k, const Spielstand& stand);

// Which buttons may act in the state's phase, by button number.
std::array<bool, Knopfzahl> Knopfzustände(const Spielstand& stand);

} // namespace quorbix
