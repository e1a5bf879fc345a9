#pragma once

#include "DiskName.h"

#include <QList>
#include <QStringList>

// Puts file names in the user's alphabetical order without regard to case ("Ádám" beside
// "Adam"); names equal in that order follow their exact text, so a folder always lists the
// same way.
void sortFileNames(QStringList &names);

// The same order by the shown texts; two names that show the same text follow their bytes.
void sortFileNames(QList<DiskName> &names);
