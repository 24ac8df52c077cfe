// SPDX-License-Identifier: MIT
// duiview --extract-strings: the translatable texts of a UI file, written as a Qt Linguist .ts
// file (lupdate cannot read XML UI files).
#ifndef STRINGEXTRACTOR_H
#define STRINGEXTRACTOR_H

#include <QtCore/qstring.h>

// Builds `file` (and the files it pulls in through xmlPath) and writes every text the builder
// would translate to `tsFile`, one context per UI file. Returns the exit code.
int extractStrings(const QString &program, const QString &file, const QString &tsFile);

#endif // STRINGEXTRACTOR_H
