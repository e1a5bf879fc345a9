#pragma once

class QLabel;
class QWidget;

// Ties a box to the label that stands for it: the label's mnemonic and a screen reader both
// reach the box, which is named after the label's caption, without its colon; so are a
// drop-down's edit field and list.
void nameAfterLabel(QLabel *label, QWidget *box);
