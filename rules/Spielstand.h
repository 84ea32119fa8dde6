#pragma once
// The game of the main window without any display: settings, the state of
// one game, the black and white counts and the computer's candidate search.
// The window owns one Spielstand and does the drawing around these calls.

#include "rules/Zufall.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace quorbix {

inline constexpr int MaxFelder = 8;
inline constexpr int MaxFarben = 8;
inline constexpr int MaxZüge = 14;

// Flags are 16-bit integers; True is -1.
inline constexpr std::int16_t Wahr = -1;

// One row of symbols, positions 1..AnzahlFelder (element 0 unused).
using Reihe = std::array<std::int16_t, MaxFelder + 1>;

enum class Rateausgang {
    Erraten, // all black: the game is won
    Weiter,  // the next move is awaited
    Vorbei,  // the 14th guess was wrong: no moves left
};

enum class Suchausgang {
    Unterbrochen, // "Stop" was pressed; the next search resumes
    Widerspruch,  // no code agrees with all answers
    Gefunden,     // row 0 agrees with every answer so far
};

// What the player's answer to the computer's guess leads to.
enum class Antwortausgang {
    Erraten,     // all black: the computer has found the code
    Suchen,      // the search for the next guess has begun
    Widerspruch, // no code is left to try: the answer is reopened
};

// Where a game stands; it decides which buttons may act.
enum class Spielphase {
    NichtBegonnen,    // laid out, before the first press of the main button
    Menschenzug,      // the human sends guesses
    WartetAufAntwort, // the computer's guess awaits the player's answer
    Sucht,            // the computer searches for its next guess
    Unterbrochen,     // the search was stopped; the main button resumes it
    Beendet,          // won, lost or given up: only the closing message is due
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

    // The player's own code while the computer guesses ("Hilfe" counts
    // against it; the solution row shows it).
    Reihe Spielercode{};

    // Called by Neu every 99 candidate steps: the window shows activity.
    // True asks the search to return after the current test, so that the
    // window's events can run; the next SucheWeiter goes on from there.
    std::function<bool()> Aktivität;

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

    // The computer's search for its next guess, entered with Zug >= 1 and the
    // answer of move Zug stored and not all black. BeginneSuche starts it
    // afresh or resumes an interrupted one; SucheWeiter tests candidates
    // until the search ends (its outcome) or Aktivität asks it to yield.
    void BeginneSuche();
    std::optional<Suchausgang> SucheWeiter();
    // The whole search at once.
    Suchausgang Suche();

    Spielphase Phase() const;

    // The rules of a turn. Each changes the state completely before the
    // window paints it.

    // First press of a game: move 1 is the human's entry or the computer's
    // first guess; while the computer guesses the entry is the player's code.
    void ErsterZug(const Reihe& eingabe);

    // The human's entry becomes the guess of move Zug.
    void Eingabe(const Reihe& versuch) { Kombination[Zug] = versuch; }

    // A human guess of move Zug: stored, scored against the secret and its
    // answer stored; unless it solved the code, the move advances.
    Rateausgang MenschRät(const Reihe& versuch);

    // The player's answer to the computer's guess of move Zug ("Weiter"):
    // stored with its pegs, unless an interrupted search is resumed, whose
    // answer was stored before it began.
    Antwortausgang ComputerRät(int schwarz, int weiß);
    // "Alle richtig": the guess of move Zug is answered all black, replacing
    // an answer stored before an interrupted search.
    void AlleRichtig();
    // "Auf- lösung": the human gives up.
    void Aufgeben() { beendet_ = true; }

    // The answer to move Zug, with its pegs counted on the board.
    void Antwort(int schwarz, int weiß);
    bool AllesSchwarz() const { return AntwortSchwarz[Zug] == AnzahlFelder; }

    // After an accepted search: the candidate becomes move Zug + 1 and the
    // candidate steps past it. Refused (false) when 14 moves are on the board.
    bool NimmKandidat();

    // After a contradiction: the candidate restarts at the guess of move Zug
    // and that move's answer is reopened.
    void AngabenFalsch();

    // "Zug zurück": after an interrupted search the candidate restarts at the
    // guess of move Zug; otherwise move Zug is taken back and the candidate
    // restarts at the guess before it. Then the answer of the (new) current
    // move is reopened. Refused (false) unless the computer guesses and at
    // least two moves are on the board.
    bool ZugZurück();
    bool ZugZurückMöglich() const { return !Mensch && Zug >= 2; }

    // "Stop": the running search ends after its current test (the next
    // SucheWeiter tests nothing more); the next search resumes it.
    void Anhalten() { Abbruch = Wahr; }
    bool Unterbrochen() const { return Abbruch != 0; }

    // Counts the answer to the guess of move Zug against the given code
    // ("Hilfe"); row 0 is borrowed and restored.
    void ZähleGegen(const Reihe& code);

    bool Gelöst() const { return Schwarze == AnzahlFelder; }

private:
    // Reopening the answer of move Zug: its pegs leave the count, the
    // candidate restarts at the guess of move Zug (at 1, 1, ..., 1 at move 1),
    // Erschöpft is cleared.
    void AntwortZurücknehmen();
    // The pegs of move Zug's stored answer leave the board's count.
    void PinsAbziehen();
    void endeSuche() { sucht_ = false; }

    bool sucht_ = false;
    bool beendet_ = false;
    bool pause_ = false; // Aktivität asked the running search to yield
};

// The answer spinners keep black + white within the fields: when a change
// breaks that, the other spinner takes the returned value.
std::optional<int> AntwortAusgleich(int geändert, int anderes, int felder);

// The rating message for the move that solved the code (1..14).
std::string_view Bewertung(int zug);

} // namespace quorbix
