#pragma once

#include "RunConfiguration.h"

#include <QString>
#include <QStringList>

// The least work a rename run and the file list can do: the same system calls in plain loops,
// with none of the engine around them. The benchmark holds the real code against these.
namespace FloorCalls {

// The listing a run makes after each pass: the folder opened and read, a look at entries that
// are links or of unknown kind, the check that the folder still exists, the names decoded and
// put in the user's order. Hidden names are left out.
QStringList listFolder(const QString &folder);

// The plainest listing: every visible name read, decoded and put in the user's order.
QStringList listPlainly(const QString &folder);

// A whole-list run set up as the configuration says: for each pass one listing, then for every
// file the pass touches the attribute check and a rename that never replaces, relative to an
// open folder. The new names are the ones the rename command gives.
void renameAll(const QString &folder, const RunConfiguration &configuration);

} // namespace FloorCalls
