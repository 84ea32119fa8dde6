#include "app/Module1.h"

#include "mainwindow/frmQuorbix.h"

namespace Module1 {

void Main() {
    auto* fenster = new frmQuorbix;
    // The main window lives for the whole run; closing it ends the program.
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->show();
    fenster->Start();
}

} // namespace Module1
