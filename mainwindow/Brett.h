#pragma once
// Where things stand on the main window, in twips: the board's rows and
// fields (counted from 0) and what follows the board's width.

namespace hauptfenster {

constexpr int ZeileOben(int zeile) {
    return 840 + 480 * zeile;
}
constexpr int ZelleLinks(int feld) {
    return 600 + 360 * feld;
}
// Right of the board's last field: the answer pegs start here, and the
// solution's title stands here.
constexpr int RechtsVomBrett(int felder) {
    return 620 + 380 * felder;
}
constexpr int PinAbstand = 220;
// The panel follows the board's width too.
constexpr int PanelLinks(int felder) {
    return 2600 + 380 * felder;
}
// Columns of the panel's legend and entry row.
constexpr int PanelSpalte(int feld) {
    return 120 + 600 * feld;
}

} // namespace hauptfenster
