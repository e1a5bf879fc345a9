#pragma once

#include <QByteArray>

// The hidden temporary name under which a change of letter case parks a file for a moment on a
// disk that ignores case. It carries the file's name, so that a file left there (the program
// killed between the two steps) can later be given its name back: ".atnevezes-N-NAME", N
// telling apart the tries. A name too long to be carried gets ".atnevezes-N" alone.
QByteArray parkedNameFor(const QByteArray &name, unsigned attempt);

// The name that a parked file had, as parkedNameFor wrote it into the hidden name; empty for a
// name that carries none.
QByteArray nameBeforeParking(const QByteArray &hiddenName);
