// SPDX-License-Identifier: MIT
#include "duitexteditcopypastehandler.h"
#include "duitextintellisenseinput.h"

DuiTextEditCopyPasteHandler::DuiTextEditCopyPasteHandler(DuiTextEdit *edit)
    : m_edit(edit)
{
}

DuiTextEditCopyPasteHandler::~DuiTextEditCopyPasteHandler() = default;

void DuiTextEditCopyPasteHandler::beginCopyToHtml(int position, const QString &text, QString &html)
{
    if (m_next)
        m_next->beginCopyToHtml(position, text, html);
}

void DuiTextEditCopyPasteHandler::beginCopyData(QMimeData *data)
{
    if (m_next)
        m_next->beginCopyData(data);
}

void DuiTextEditCopyPasteHandler::beginCopyData(int position, const QString &text, QDataStream &stream)
{
    if (m_next)
        m_next->beginCopyData(position, text, stream);
}

void DuiTextEditCopyPasteHandler::beginPasteData(const QMimeData *data)
{
    if (m_next)
        m_next->beginPasteData(data);
}

void DuiTextEditCopyPasteHandler::beginPasteData(const QString &key, DuiTextCursor &cursor, QDataStream &stream)
{
    if (m_next)
        m_next->beginPasteData(key, cursor, stream);
}

bool DuiTextEditCopyPasteHandler::canPasteData(const QMimeData *)
{
    return false;
}

bool DuiTextEditCopyPasteHandler::canPasteData(const QString &)
{
    return false;
}

void DuiTextEditCopyPasteHandler::setNextChain(DuiTextEditCopyPasteHandler *next)
{
    m_next = next;
}

DuiTextEditCopyPasteHandler *DuiTextEditCopyPasteHandler::nextChain() const
{
    return m_next;
}

DuiTextEdit *DuiTextEditCopyPasteHandler::textEdit() const
{
    return m_edit;
}

DuiTextAbstractIntellisenseInput::DuiTextAbstractIntellisenseInput() = default;

DuiTextAbstractIntellisenseInput::~DuiTextAbstractIntellisenseInput() = default;

DuiTextAbstractIntellisenseInput *DuiTextAbstractIntellisenseInput::next() const
{
    return m_next;
}

void DuiTextAbstractIntellisenseInput::setNext(DuiTextAbstractIntellisenseInput *next)
{
    m_next = next;
}
