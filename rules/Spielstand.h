#pragma once
// The game of the main window without any display: settings, the state of
// one game, the black and white counts and the computer's candidate search.
// The window owns one Spielstand and does the drawing around these calls.

#include "rules/Zufall.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace quorbix {

inline constexpr int MaxFelder = 8;
inline constexpr int MaxFarben = 8;
inline constexpr int MaxZüge = 14;

// Flags are 16-bit integers; True is -1.
inline constexpr std::int16_t Wahr = -1;

// One row of symbols, positions 1..AnzahlFelder (element 0 unused).
using Reihe = std::array<std::int16_t, MaxFelder + 1>;

enum class Suchausgang {
    Unterbrochen, // "Stop" was pressed; the next search resumes
    Widerspruch,  // no code agrees with all answers
    Gefunden,     // row 0 agrees with every answer so far
};

// The four settings of a game, with their defaults.
struct Einstellungen {
    bool Farben = true;
    bool Mensch = true;
    std::int16_t AnzahlFarben = 6;
    std::int16_t AnzahlFelder = 4;

    // The counts take values within 1..8 only; anything else is refused
    // (false) and the setting keeps its value.
    bool setzeAnzahlFarben(int wert);
    bool setzeAnzahlFelder(int wert);
};

class Spielstand : public Einstellungen {
public:
    // Game state. Row 0 of Kombination is the secret code (human guesses) or
    // the computer's candidate; rows 1..14 are the guesses of moves 1..14.
    std::array<Reihe, MaxZüge + 1> Kombination{};
    std::array<std::int16_t, MaxZüge + 1> AntwortSchwarz{};
    std::array<std::int16_t, MaxZüge + 1> AntwortWeiß{};
    std::int16_t Zug = 0;
    std::int16_t Prüfzug = 0;
    std::int16_t Schwarze = 0;
    std::int16_t Weiße = 0;
    std::array<Reihe, 2> Hilfsreihe{};
    std::array<std::int16_t, MaxFarben + 1> Farbtabelle{}; // symbols 1..8
    std::int16_t ZahlSchwarzPins = 0;
    std::int16_t ZahlWeißPins = 0;
    std::int32_t Suchschritte = 0;
    std::int16_t Abbruch = 0;
    std::int16_t Erschöpft = 0;

    // Called by Neu every 99 candidate steps: the window shows activity and
    // lets pending events run (a "Stop" press sets Abbruch there).
    std::function<void()> Aktivität;

    // Resets the state for a new game and draws the code (secret, or the
    // computer's first guess in row 1).
    void Neubeginn(Zufall& zufall);

    // Black and white counts between row 0 and row Prüfzug.
    void Anzahlschwarze();
    void Anzahlweiße();

    // Scores the guess of move Zug against row 0.
    void BewerteZug();

    // One step of the candidate in counting order (position 1 fastest).
    void Neu();

    // The computer's search for its next guess. Entered with Zug >= 1 and the
    // answer of move Zug stored and not all black.
    Suchausgang Suche();

    // After an accepted search: the candidate becomes the guess of move Zug + 1.
    void KandidatAlsZug();

    // Candidate row 0 = the guess of the given move.
    void KandidatAusZug(int zug);

    // Reopening the answer of move Zug: pin counts, candidate reset at move 1,
    // Erschöpft cleared.
    void AntwortZurücknehmen();

    // Counts the answer to the guess of move Zug against the given code
    // ("Hilfe"); row 0 is borrowed and restored.
    void ZähleGegen(const Reihe& code);

    bool Gelöst() const { return Schwarze == AnzahlFelder; }
};

// The rating message for the move that solved the code (1..14).
std::string_view Bewertung(int zug);

} // namespace quorbix
