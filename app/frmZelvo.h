#pragma once

#include "form.h"

#include <array>

class QLabel;
class Timer;

// The launcher: an illustration under a title that spells itself out, and the
// menu that opens the two games.
class frmZelvo : public Form
{
    Q_OBJECT

public:
    explicit frmZelvo(QWidget *parent = nullptr);

    void Form_Load();

protected:
    void Form_Activate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mnuForca_Click();
    void mnuMemory_Click();
    void mnuSair_Click();
    void tmrLetras_Timer();
    void ExibeLetras(const bool &Visivel);

    std::array<QLabel *, 5> titulo() const { return {lblLet0, lblLet1, lblLet2, lblLet3, lblLet4}; }

    Timer *tmrLetras;
    QLabel *lblLet0;
    QLabel *lblLet1;
    QLabel *lblLet2;
    QLabel *lblLet3;
    QLabel *lblLet4;

    // The next animation step as its digit, compared as text: it is empty
    // until the first activation, and an empty step does nothing.
    QString Contador;

    friend class LauncherTest;
};
