#include "evaluation/engine/Eroeffnung.h"

namespace quorbix {

namespace {

// Rows are filled with 1, 2, 3, … wrapping only inside a row, so a row that
// begins right after AnzahlFarben begins with a value that matches nothing;
// the fill ends once the rows hold more fields than there are symbols.
void FülleFortlaufend(Eröffnung& e, std::int16_t AnzahlFelder, std::int16_t AnzahlFarben) {
    int reihe = 1;
    int feld = 1;
    int wert = 1;
    e.Reihen.push_back(Reihe{});
    for (;;) {
        e.Reihen[reihe - 1][feld] = static_cast<std::int16_t>(wert);
        ++feld;
        ++wert;
        if (wert > AnzahlFarben && feld <= AnzahlFelder) {
            wert = 1;
        }
        if (feld > AnzahlFelder) {
            if (AnzahlFelder * reihe > AnzahlFarben) {
                break;
            }
            feld = 1;
            ++reihe;
            e.Reihen.push_back(Reihe{});
        }
    }
    e.Vorgaben = static_cast<std::int16_t>(reihe);
}

} // namespace

Eröffnung Eröffnungsreihen(std::int16_t Strategie, std::int16_t AnzahlFelder,
                           std::int16_t AnzahlFarben) {
    Eröffnung e;
    switch (Strategie) {
    case 1: {
        Reihe r{};
        for (int k = 1; k <= AnzahlFelder; ++k) {
            r[k] = 1;
        }
        e.Reihen.push_back(r);
        break;
    }
    case 2: {
        Reihe r{};
        for (int k = 1; k <= AnzahlFelder; ++k) {
            r[k] = static_cast<std::int16_t>(k);
        }
        e.Reihen.push_back(r);
        break;
    }
    case 3:
        FülleFortlaufend(e, AnzahlFelder, AnzahlFarben);
        break;
    case 4:
        e.Reihen.push_back(Reihe{});
        e.zufällig = true;
        break;
    default:
        e.Reihen.push_back(Reihe{});
        break;
    }
    return e;
}

void ZieheZufallsreihe(Reihe& reihe, std::int16_t AnzahlFelder, std::int16_t AnzahlFarben,
                       Zufall& zufall) {
    for (int k = 1; k <= AnzahlFelder; ++k) {
        reihe[k] = zufall.Symbol(AnzahlFarben);
    }
}

std::uint32_t AnzahlCodes(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben) {
    std::uint32_t n = 1;
    for (int k = 0; k < AnzahlFelder; ++k) {
        n *= static_cast<std::uint32_t>(AnzahlFarben);
    }
    return n;
}

Reihe CodeNummer(std::uint32_t nummer, std::int16_t AnzahlFelder, std::int16_t AnzahlFarben) {
    Reihe r{};
    const auto basis = static_cast<std::uint32_t>(AnzahlFarben);
    for (int k = 1; k <= AnzahlFelder; ++k) {
        r[k] = static_cast<std::int16_t>(nummer % basis + 1);
        nummer /= basis;
    }
    return r;
}

std::string Codetext(std::uint32_t nummer, std::int16_t AnzahlFelder, std::int16_t AnzahlFarben) {
    const Reihe r = CodeNummer(nummer, AnzahlFelder, AnzahlFarben);
    std::string text;
    for (int k = 1; k <= AnzahlFelder; ++k) {
        text += static_cast<char>('0' + r[k]);
    }
    return text;
}

} // namespace quorbix
