// SPDX-License-Identifier: MIT
// One messenger per user: the first instance serves a pipe name; a later one hands its command
// line over that pipe and exits, and the first acts on it (opens the conversation it names).
#ifndef MESSENGER_SINGLEINSTANCE_H
#define MESSENGER_SINGLEINSTANCE_H

#include <QtCore/qobject.h>
#include <QtCore/qstringlist.h>

class DuiPipeSelect;
class DuiPipeServer;
class DuiPipeSocket;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // A command line handed over is at most this long; a longer one is dropped whole.
    static constexpr int MaxCommandBytes = 64 * 1024;

    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Starts serving the name when no instance does. False when another instance serves it, with
    // the arguments then handed over to it in `*handedOver` true; false with `*handedOver` false
    // when neither works (the caller may still run alone).
    bool claim(const QStringList &arguments, bool *handedOver);

    // The wire form of a command line: each argument in UTF-8 followed by a zero byte.
    static QByteArray encode(const QStringList &arguments);
    static QStringList decode(const QByteArray &bytes);

Q_SIGNALS:
    void commandLineReceived(const QStringList &arguments);

private:
    bool handOver(const QStringList &arguments);
    void accepted(DuiPipeSocket *socket);

    QString m_name;
    DuiPipeSelect *m_select;
    DuiPipeServer *m_server = nullptr;
};

#endif // MESSENGER_SINGLEINSTANCE_H
