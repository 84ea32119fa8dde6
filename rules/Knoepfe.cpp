#include "rules/Knoepfe.h"

#include "rules/Spielstand.h"

namespace quorbix {

std::string_view Knopfbeschriftung(Knopfnummer k, const Spielstand& stand) {
    switch (k) {
    case Hauptknopf:
        return stand.Mensch || stand.Zug > 0 ? "Weiter" : "Start";
    case Richtigknopf:
        return stand.Mensch ? "Auf- lösung" : "Alle richtig";
    default:
        return Knopftabelle[k].Beschriftung;
    }
}

std::string_view Knopfbeschreibung(Knopfnummer k, const Spielstand& stand) {
    if (k == Hauptknopf) {
        if (stand.Mensch) {
            return "Versuch übernehmen und auswerten";
        }
        return stand.Zug == 0 ? "Deine Kombination festlegen" : "Antwort übernehmen";
    }
    if (k == Richtigknopf && stand.Mensch) {
        return "Aufgeben und die Lösung zeigen";
    }
    const Knopfdaten& daten = Knopftabelle[k];
    return daten.Beschreibung.empty() ? daten.Tipp : daten.Beschreibung;
}

std::array<bool, Knopfzahl> Knopfzustände(const Spielstand& stand) {
    switch (stand.Phase()) {
    case Spielphase::NichtBegonnen:
        return {true, false, true, false, false, false, true};
    case Spielphase::Sucht:
        return {false, false, false, false, false, true, false};
    case Spielphase::Menschenzug:
    case Spielphase::WartetAufAntwort:
    case Spielphase::Unterbrochen:
    case Spielphase::Beendet: // the last view stays while the closing message is shown
        break;
    }
    if (stand.Mensch) {
        return {true, true, true, false, false, false, false};
    }
    return {true, true, true, true, stand.ZugZurückMöglich(), false, false};
}

} // namespace quorbix
