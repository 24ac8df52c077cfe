// SPDX-License-Identifier: MIT
#ifndef DUITEXTINTELLISENSEINPUT_H
#define DUITEXTINTELLISENSEINPUT_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

class QTextCharFormat;
class QTextCursor;

// A link of a text edit's input chain (DuiTextEdit::addIntellisenseInput): it may turn typed or
// inserted text into something else (an emoticon image for ":)", a mention for "@name") and say
// what text an embedded object stands for. Inputs run in the order they were added; the editor's
// own default input, which just inserts the text, ends every chain. The editor does not own its
// inputs.
class DUI_EXPORT DuiTextAbstractIntellisenseInput
{
public:
    DuiTextAbstractIntellisenseInput();
    virtual ~DuiTextAbstractIntellisenseInput();

    // One character was typed or removed; set `handled` to stop the later inputs seeing it.
    virtual void onSingleCharChange(bool &handled) = 0;
    // Inserts `text` at `cursor`; an input that does not change it passes it to next().
    virtual void insertText(const QString &text, QTextCursor &cursor, const QTextCharFormat &format) = 0;
    // A larger change than one character (paste, undo, a programmatic insertion).
    virtual void onContentsChange(int position, int charsAdded, int charsRemoved) = 0;
    // The text the object at document position position - 1 stands for, when this input made it.
    virtual QString objectText(int position, bool &handled) = 0;

    DuiTextAbstractIntellisenseInput *next() const;
    void setNext(DuiTextAbstractIntellisenseInput *next);

private:
    DuiTextAbstractIntellisenseInput *m_next = nullptr;
    Q_DISABLE_COPY(DuiTextAbstractIntellisenseInput)
};

#endif // DUITEXTINTELLISENSEINPUT_H
