#pragma once

#include <QStringList>

class PackedNames;

// Puts file names in the user's alphabetical order without regard to case ("Ádám" beside
// "Adam"); names equal in that order follow their exact text, so a folder always lists the
// same way. A long list is put in order on two cores, with a thread that ends before the call
// returns.
void sortFileNames(QStringList &names);

// Names as a folder holds them, in the same order by their shown texts; two names that show
// the same text follow their bytes.
void sortFileNames(PackedNames &names);
