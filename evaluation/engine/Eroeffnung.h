#pragma once
// The opening rows of the evaluation's strategies and the counting order of
// the codes, shared by the plain replay and the fast evaluation.

#include "rules/Spielstand.h"
#include "rules/Zaehlfolge.h"
#include "rules/Zufall.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorbix {

// Opening rows for a strategy number. Rows hold values 1..AnzahlFarben, or
// values that match no symbol: 0 (the row of an unknown strategy number) and
// numbers above AnzahlFarben (strategies 2 and 3).
struct Eröffnung {
    std::vector<Reihe> Reihen; // rows 1..Vorgaben, element 0 of each unused
    std::int16_t Vorgaben = 1;
    bool zufällig = false; // strategy 4: row 1 is drawn anew for every code
};

// Strategy 1: all ones; 2: field k holds k; 3: the symbols in ascending
// order, row after row; 4: one random row per code (drawn by
// ZieheZufallsreihe); any other number: one row of zeros.
Eröffnung Eröffnungsreihen(std::int16_t Strategie, std::int16_t AnzahlFelder,
                           std::int16_t AnzahlFarben);

// Strategy 4's row for the next code: one draw per field, fields 1..n.
void ZieheZufallsreihe(Reihe& reihe, std::int16_t AnzahlFelder, std::int16_t AnzahlFarben,
                       Zufall& zufall);

// AnzahlFarben to the power AnzahlFelder.
std::uint32_t AnzahlCodes(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben);

// The code with number `nummer` in counting order (field 1 changes fastest,
// digits 1..AnzahlFarben): 0 is 1 1 … 1, 1 is 2 1 … 1.
Reihe CodeNummer(std::uint32_t nummer, std::int16_t AnzahlFelder, std::int16_t AnzahlFarben);

// The list text of a code: its symbols from field 1 on, without separator.
std::string Codetext(std::uint32_t nummer, std::int16_t AnzahlFelder, std::int16_t AnzahlFarben);

} // namespace quorbix
