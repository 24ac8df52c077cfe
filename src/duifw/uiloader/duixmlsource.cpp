// SPDX-License-Identifier: MIT
// The builder's notes of where each object came from. A note holds a guarded pointer to its
// object: once the object is destroyed the note answers for nothing, even when a new object
// takes the same address, and its memory goes at the next sweep, which runs whenever the table
// has doubled since the last one. That costs two small allocations per object; a destroyed()
// connection per object, which would drop each note at once, costs ten times as much to make
// and to tear down, a measurable share of building a plain widget.
#include "duixmlsource.h"
#include "duixmlsource_p.h"

#include "duixmldiagnostics_p.h"
#include "mxxmlelement.h"

#include <QtCore/qhash.h>
#include <QtCore/qmutex.h>
#include <QtCore/qobject.h>
#include <QtCore/qpointer.h>

namespace {

struct Note
{
    QPointer<QObject> object;
    QString file; // shared with the document frame's path: one reference count, no copy
    int line = 0;
    int column = 0;
};

// Objects may be built on any thread, and looked up from another.
struct NoteTable
{
    QMutex mutex;
    QHash<const QObject *, Note> notes;
    qsizetype sweepAt = 256;
};

NoteTable &noteTable()
{
    static NoteTable table;
    return table;
}

} // namespace

QString DuiXmlSourceLocation::toString() const
{
    QString text = file;
    if (line > 0)
        text += QLatin1Char(':') + QString::number(line);
    if (line > 0 && column > 0)
        text += QLatin1Char(':') + QString::number(column);
    return text;
}

void duiNoteXmlSource(QObject *object, const MXXmlElement *element)
{
    Note note{object, DuiXmlReport::DocumentFrame::currentFileName(), 0, 0};
    element->startPosition(&note.line, &note.column);
    NoteTable &table = noteTable();
    const QMutexLocker lock(&table.mutex);
    table.notes.insert(object, std::move(note));
    if (table.notes.size() < table.sweepAt)
        return;
    table.notes.removeIf([](const QHash<const QObject *, Note>::iterator &it) { return it->object.isNull(); });
    table.sweepAt = qMax<qsizetype>(256, 2 * table.notes.size());
}

DuiXmlSourceLocation DuiXmlSource::locationOf(const QObject *object)
{
    NoteTable &table = noteTable();
    const QMutexLocker lock(&table.mutex);
    const auto it = table.notes.constFind(object);
    if (it == table.notes.cend() || it->object.isNull())
        return {};
    return {it->file, it->line, it->column};
}

int DuiXmlSource::count()
{
    NoteTable &table = noteTable();
    const QMutexLocker lock(&table.mutex);
    int live = 0;
    for (const Note &note : std::as_const(table.notes))
        live += !note.object.isNull();
    return live;
}
