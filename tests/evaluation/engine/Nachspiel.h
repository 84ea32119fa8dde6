#pragma once
// The plain replay of the computer's guessing against a known code, with its
// own arrays and counts: the reference the fast evaluation is held against,
// kept apart from the engines it checks (8 fields of 8 symbols take it years).

#include "evaluation/engine/Eroeffnung.h"
#include "rules/Spielstand.h"
#include "rules/Zufall.h"

#include <cstdint>
#include <vector>

namespace quorbix {

class Nachspiel {
public:
    // Creates the arrays afresh (all elements 0) for a run.
    Nachspiel(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben);

    // The start of a run: the first code and the strategy's opening rows;
    // strategy 4 seeds the generator here, once.
    void Vorbereiten(std::int16_t Strategie, Zufall& zufall);

    // One code of the run: strategy 4 draws its opening row, the game is
    // replayed, and Geheimcode steps to the next code in counting order
    // (field 1 fastest). Returns the moves.
    int NächsterCode();
    bool Erschöpft() const { return Geheimcode[AnzahlFelder] > AnzahlFarben; }

    // One game against Geheimcode with rows 1..Vorgaben as its opening;
    // returns the number of moves. A game longer than 14 moves is played to
    // its end: the rows grow as needed.
    int Nachspielen(std::int16_t Vorgaben);

    // One step of the candidate (row 0) in counting order. Stepping past the
    // last code cannot happen in a replay; it throws std::logic_error("STOP").
    void NextNumber();

    // Black and white count between the candidate and move Prüfzug.
    void PrüfSchwarze(std::int16_t& ergebnis);
    void PrüfWeiße(std::int16_t& ergebnis);

    std::int16_t AnzahlFelder;
    std::int16_t AnzahlFarben;
    std::vector<Reihe> Kombination;           // rows 0..14, more if a game needs them
    std::vector<std::int16_t> AntwortSchwarz; // same rows
    std::vector<std::int16_t> AntwortWeiß;
    Reihe Geheimcode{};
    Reihe Restreihe{};
    std::int32_t Prüfzug = 0;
    std::int16_t Stelle = 0;

    std::int16_t Strategie = 0;
    std::int16_t Vorgaben = 1;

private:
    // The two counts of `zug` against `code`; the white count uses Restreihe.
    std::int16_t schwarzeVon(const Reihe& zug, const Reihe& code) const;
    std::int16_t weißeVon(const Reihe& zug, const Reihe& code);
    // One step in counting order from field `stelle` = 1 on; false when the
    // last field runs past AnzahlFarben, where it is left standing.
    bool zählen(Reihe& reihe, std::int16_t& stelle) const;

    Zufall* zufall_ = nullptr;
};

} // namespace quorbix
