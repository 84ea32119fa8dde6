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
    case Spielphase::Widerspruch: // the search has ended: its message is due
    case Spielphase::Beendet:     // the last view stays while the closing message is shown
        break;
    }
    if (stand.Mensch) {
        return {true, true, true, false, false, false, false};
    }
    return {true, true, true, true, stand.ZugZurückMöglich(), false, false};
}

Schritt Drücke(Spielstand& stand, Knopfnummer k) {
    // While a message is due the buttons show the last view, but wait for it.
    const Spielphase phase = stand.Phase();
    if (k < 0 || k >= Knopfzahl || !Knopfzustände(stand)[k] || phase == Spielphase::Beendet ||
        phase == Spielphase::Widerspruch) {
        return {};
    }
    switch (k) {
    case Hauptknopf:
        return stand.Weiter();
    case Richtigknopf:
        return stand.Richtig();
    case Hilfeknopf:
        return stand.Hilfe();
    case Korrekturknopf:
        return stand.ZugZurück();
    case Stopknopf:
        return stand.Anhalten();
    case NeuesSpielKnopf:
    case Einstellungsknopf:
    case Knopfzahl:
        break;
    }
    return {};
}

std::string Hinweistext(const Spielstand& stand) {
    const std::string zug = std::to_string(stand.Zug);
    if (stand.Mensch) {
        return stand.Zug <= 1 ? " Dein 1.Versuch !" : "Dein " + zug + ". Versuch !";
    }
    if (stand.Zug == 0) {
        return " Deine Kombination ?";
    }
    return stand.FragtNachAntwort ? "Deine " + zug + ". Antwort ?" : "";
}

std::optional<std::string> Zugfeldtext(const Spielstand& stand) {
    switch (stand.Zugfeld) {
    case Zugfeldanzeige::Leer:
        break;
    case Zugfeldanzeige::Ziffern:
        if (!stand.Farben) {
            std::string ziffern;
            for (int f = 1; f <= stand.AnzahlFelder; ++f) {
                ziffern += std::to_string(stand.Kombination[stand.Zug][f]);
            }
            return ziffern;
        }
        break;
    case Zugfeldanzeige::IchDenke:
        // With numbers, the animation writes digits from the first frame on;
        // until then the field keeps what it said.
        if (!stand.Farben) {
            return std::nullopt;
        }
        return "Ich denke ...";
    case Zugfeldanzeige::Unterbrechung:
        return "Unterbrechung !";
    case Zugfeldanzeige::WasNun:
        return "Was nun ?";
    }
    return "";
}

std::string Rahmentitel(const Spielstand& stand) {
    return (stand.Mensch ? " Mensch überlegt : " : " Computer überlegt : ") +
           std::to_string(stand.AnzahlFarben) +
           (stand.AnzahlFarben == 1 ? " Farbe/Zahl" : " Farben/Zahlen");
}

std::string_view Lösungstitel(const Spielstand& stand) {
    return stand.Mensch ? "Computerlösung" : "Deine Kombination";
}

std::string_view Meldungstext(Meldungsart art, const Spielstand& stand) {
    switch (art) {
    case Meldungsart::Keine:
        break;
    case Meldungsart::Bewertung:
        if (stand.Zug <= 3) {
            return "Unglaublich gut !";
        }
        if (stand.Zug <= 6) {
            return "Gut nachgedacht !";
        }
        if (stand.Zug <= 10) {
            return "Okay. Aber es geht noch besser !";
        }
        return "Das ging gerade noch einmal gut !";
    case Meldungsart::KeineVersuche:
        return "Tut mir leid. Mehr Versuche gibts nicht !";
    case Meldungsart::Aufgegeben:
        return "Du Flasche !";
    case Meldungsart::Computersieg:
        return "Bin ich nicht gut ?";
    case Meldungsart::AngabenFalsch:
        return "Die Angaben sind falsch ! ";
    }
    return "";
}

} // namespace quorbix
