#pragma once
// What the main window's panel says of a game: the seven buttons (caption,
// tooltip, description, and which of them may act), the prompt, the move
// field, the frame's and the solution's titles, and the messages. Each text
// is written here once; the views show what these functions give.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorbix {

class Spielstand;
enum class Meldungsart;

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

// What a button may do in a state: act, nothing, or show itself ready while
// the message a step ended with is due (it acts once that is acknowledged).
enum class Knopfrecht { Aus, An, Wartet };

// The one table of which button may act in which phase (Knoepfe.cpp).
Knopfrecht RechtVon(Knopfnummer k, const Spielstand& stand);

// Which buttons are enabled, by button number: those that act or wait.
std::array<bool, Knopfzahl> Knopfzustände(const Spielstand& stand);

// The prompt line texLösung.
std::string Hinweistext(const Spielstand& stand);
// The move field Zugfeld; nothing while the search's animation writes it.
std::optional<std::string> Zugfeldtext(const Spielstand& stand);
// The caption of the frame fraComp and the title of the solution row.
std::string Rahmentitel(const Spielstand& stand);
std::string_view Lösungstitel(const Spielstand& stand);
// A message of the game (the rating follows the state's move).
std::string_view Meldungstext(Meldungsart art, const Spielstand& stand);

} // namespace quorbix
