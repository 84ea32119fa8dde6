#pragma once
// The about box: a picture, the about text and OK. Double-clicking the
// picture and then the text opens the strategy evaluation window.

#include <QDialog>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;

namespace dialoge {

class frmInfo : public QDialog {
    Q_OBJECT

public:
    // Owned by the main window, which keeps the object (and so the arming)
    // alive for the whole run and shows it again on every "Info". The
    // evaluation window is opened through `auswerten`, which knows the
    // settings it reads.
    frmInfo(std::function<void()> auswerten, QWidget* eltern);

    // Event procedures.
    void Command1_Click();
    void Image1_DblClick();
    void Label1_DblClick();

public slots:
    // The box has no cancel button: Escape and close requests do nothing.
    void reject() override;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    std::function<void()> auswerten_;
    // 1 once the picture has been double-clicked; nothing resets it.
    std::int16_t Suchfreigabe = 0;

    QLabel* Image1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

} // namespace dialoge
