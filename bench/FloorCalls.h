#pragma once

#include "RunConfiguration.h"

#include <QString>
#include <QStringList>

#include <vector>

// The least work a rename run and the file list can do: the same system calls in plain loops,
// with none of the engine around them. The benchmark holds the real code against these.
namespace FloorCalls {

// One rename a floor run made.
struct Rename {
    QString from;
    QString to;
};

// The listing a run makes after each pass: the folder opened and read, a look at entries that
// are links or of unknown kind, the check that the folder still exists, the names decoded and
// put in the user's order. Hidden names are left out.
QStringList listFolder(const QString &folder);

// The plainest listing: every visible name read, decoded and put in the user's order.
QStringList listPlainly(const QString &folder);

// A whole-list run set up as the configuration says: for each pass one listing, then for every
// file the pass touches the attribute check and a rename that never replaces, relative to an
// open folder. The new names are the ones the rename command gives. `done`, when given,
// receives the renames made; the floor of a run records nothing, so that its memory is not
// counted in the program's peak.
void renameAll(const QString &folder, const RunConfiguration &configuration, std::vector<Rename> *done = nullptr);

// The renames taken back, last first, by the same steps, then the folder listed once, as the
// list is re-read after an undo.
void renameBack(const QString &folder, const std::vector<Rename> &renames);

} // namespace FloorCalls
