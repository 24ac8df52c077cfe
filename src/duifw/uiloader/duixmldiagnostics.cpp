// SPDX-License-Identifier: MIT
#include "duixmldiagnostics.h"
#include "duixmldiagnostics_p.h"

#include "duilogging_p.h"
#include "mxxmlelement.h"

#include <QtCore/qdir.h>

namespace {

// Plain pointers, so that a thread that never builds XML pays nothing for them.
thread_local DuiXmlDiagnostics *t_innermost = nullptr;
thread_local DuiXmlReport::DocumentFrame *t_document = nullptr;

QString memoryName()
{
    return QStringLiteral("memory");
}

} // namespace

QString DuiXmlDiagnostics::Record::toString() const
{
    QString where = file;
    if (line > 0) {
        where += QLatin1Char(':') + QString::number(line);
        if (column > 0)
            where += QLatin1Char(':') + QString::number(column);
    }
    return QStringLiteral("%1: %2: %3")
        .arg(where, severity == Error ? QStringLiteral("error") : QStringLiteral("warning"), message);
}

DuiXmlDiagnostics::DuiXmlDiagnostics()
    : d(new DuiXmlDiagnosticsPrivate)
{
    d->outer = t_innermost;
    t_innermost = this;
}

DuiXmlDiagnostics::~DuiXmlDiagnostics()
{
    // Collectors normally die innermost first; one destroyed out of order is unlinked in place.
    if (t_innermost == this) {
        t_innermost = d->outer;
        return;
    }
    for (DuiXmlDiagnostics *c = t_innermost; c; c = c->d->outer) {
        if (c->d->outer == this) {
            c->d->outer = d->outer;
            break;
        }
    }
}

QList<DuiXmlDiagnostics::Record> DuiXmlDiagnostics::records() const
{
    return d->records;
}

QList<DuiXmlDiagnostics::Record> DuiXmlDiagnostics::records(Kind kind) const
{
    QList<Record> result;
    for (const Record &r : d->records) {
        if (r.kind == kind)
            result.append(r);
    }
    return result;
}

int DuiXmlDiagnostics::count() const
{
    return int(d->records.size());
}

bool DuiXmlDiagnostics::isEmpty() const
{
    return d->records.isEmpty();
}

void DuiXmlDiagnostics::clear()
{
    d->records.clear();
}

namespace DuiXmlReport {

DocumentFrame::DocumentFrame(const QString &file)
    : m_path(file)
    , m_previous(t_document)
{
    t_document = this;
}

DocumentFrame::~DocumentFrame()
{
    t_document = m_previous;
}

QString DocumentFrame::fileName() const
{
    return m_path.isEmpty() ? memoryName() : m_path;
}

QString DocumentFrame::currentFileName()
{
    const DocumentFrame *frame = current();
    return frame ? frame->fileName() : memoryName();
}

DocumentFrame *DocumentFrame::current()
{
    return t_document;
}

bool DocumentFrame::isBuilding(const QString &path)
{
    // "a/../x.xml" and "x.xml" are the same file to the loader.
    const QString key = QDir::cleanPath(path);
    for (DocumentFrame *f = t_document; f; f = f->m_previous) {
        if (!f->m_path.isEmpty() && QDir::cleanPath(f->m_path) == key)
            return true;
    }
    return false;
}

bool enabled()
{
    return t_innermost || lcDuiXml().isWarningEnabled();
}

void reportForFile(const QString &file, DuiXmlDiagnostics::Severity severity, DuiXmlDiagnostics::Kind kind,
                   const QString &message, int line, int column)
{
    DuiXmlDiagnostics::Record record;
    record.file = file.isEmpty() ? memoryName() : file;
    record.line = qMax(line, 0);
    record.column = qMax(column, 0);
    record.severity = severity;
    record.kind = kind;
    // One line per record, whatever the document held.
    record.message = message;
    record.message.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (t_innermost)
        DuiXmlDiagnosticsPrivate::append(t_innermost, record);
    if (lcDuiXml().isWarningEnabled())
        qCWarning(lcDuiXml).noquote() << record.toString();
}

QString quoted(const QString &text)
{
    constexpr int limit = 60;
    QString result = text.left(limit);
    for (QChar &c : result) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('?');
    }
    if (text.size() > limit)
        result += QStringLiteral("...");
    return QLatin1Char('"') + result + QLatin1Char('"');
}

void report(DuiXmlDiagnostics::Severity severity, DuiXmlDiagnostics::Kind kind, const MXXmlElement *element,
            const QString &message, int line, int column)
{
    const DocumentFrame *frame = t_document;
    if (!element && frame)
        element = frame->element;
    if (line < 0) {
        if (!element || !element->startPosition(&line, &column))
            line = column = 0;
    }
    reportForFile(frame ? frame->path() : QString(), severity, kind, message, line, column);
}

void reportAttribute(DuiXmlDiagnostics::Severity severity, DuiXmlDiagnostics::Kind kind, const MXXmlElement *element,
                     int index, const QString &message)
{
    int line = 0;
    int column = 0;
    if (element && element->attributePosition(index, &line, &column))
        report(severity, kind, element, message, line, column);
    else
        report(severity, kind, element, message);
}

} // namespace DuiXmlReport
