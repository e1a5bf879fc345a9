#pragma once

#include "RunConfiguration.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The least work a rename run and the file list can do, written plainly with none of the engine
// around it: the floor the benchmark holds the real code against.
namespace FloorCalls {

// One rename a floor run made, as the folder holds the names.
struct Rename {
    QByteArray from;
    QByteArray to;
};

// Every visible name of the folder read and decoded, in the folder's own order or in the
// user's alphabetical order.
QStringList listPlainly(const QString &folder, bool alphabetical);

// A whole-list run done plainly: the folder listed once, put in the user's order only where
// numbering needs it; then, for each pass of the configuration, one rename that never replaces
// of every file whose name the pass changes, to the name the rename command gives. `done`, when
// given, receives the renames made; the floor of a run records nothing, so that its memory is
// not counted in the program's peak.
void renameAll(const QString &folder, const RunConfiguration &configuration, std::vector<Rename> *done = nullptr);

// The renames taken back, last first, one rename each.
void renameBack(const QString &folder, const std::vector<Rename> &renames);

} // namespace FloorCalls
