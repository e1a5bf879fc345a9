#pragma once

#include <QStringList>

// Puts file names in the user's alphabetical order without regard to case ("Ádám" beside
// "Adam"); names equal in that order follow their exact text, so a folder always lists the
// same way.
void sortFileNames(QStringList &names);
