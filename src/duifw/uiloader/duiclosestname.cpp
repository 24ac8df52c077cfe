// SPDX-License-Identifier: MIT
// Suggestions for misspelt element and attribute names. Only the diagnostics call these, after a
// name was not found, so a build without mistakes costs nothing more.
#include "duiclosestname_p.h"

#include "duiframetyperegister.h"
#include "duityperegister.h"
#include "duiwidgettyperegister.h"

#include <QtCore/qhash.h>
#include <QtCore/qmetaobject.h>

#include <algorithm>
#include <functional>

namespace {

// Names longer than this are no slip of the keyboard; comparing them would only cost time.
constexpr int kLongestName = 64;
// Remembered hints per thread, forgotten all at once beyond this many.
constexpr int kRememberedHints = 1024;

// Edit distance in half edits (optimal string alignment): 2 for an insertion, deletion,
// replacement or swap of neighbours, 1 for a replacement that differs only in case. Three
// rolling rows; both names are at most kLongestName * 2 long here.
int halfEdits(const QString &a, const QString &b)
{
    constexpr int kRow = 2 * kLongestName + 1;
    const int n = int(a.size()), m = int(b.size());
    int rows[3][kRow];
    int *twoBack = rows[0], *back = rows[1], *row = rows[2];
    for (int j = 0; j <= m; ++j)
        back[j] = 2 * j;
    for (int i = 1; i <= n; ++i) {
        row[0] = 2 * i;
        const QChar x = a.at(i - 1);
        for (int j = 1; j <= m; ++j) {
            const QChar y = b.at(j - 1);
            const int replace = x == y ? 0 : (x.toLower() == y.toLower() ? 1 : 2);
            int best = std::min({back[j] + 2, row[j - 1] + 2, back[j - 1] + replace});
            if (i > 1 && j > 1 && x == b.at(j - 2) && a.at(i - 2) == y)
                best = std::min(best, twoBack[j - 2] + 2);
            row[j] = best;
        }
        std::swap(twoBack, back);
        std::swap(back, row);
    }
    return back[m];
}

// Registration can add names while the program runs (a plug-in); the list is made again when
// the count of registered names changes.
template <typename Header>
int countNodes(Header *header)
{
    int count = 0;
    for (auto *node = header->next; node; node = node->next)
        ++count;
    return count;
}

QString remembered(QHash<QString, QString> &cache, const QString &key, const std::function<QString()> &find)
{
    const auto it = cache.constFind(key);
    if (it != cache.cend())
        return *it;
    if (cache.size() >= kRememberedHints)
        cache.clear();
    return *cache.insert(key, find());
}

// The words a hint ends a record with.
QString phrase(const QString &closest, const QString &otherwise)
{
    return closest.isEmpty() ? otherwise : QStringLiteral("; did you mean \"%1\"?").arg(closest);
}

} // namespace

namespace DuiClosestName {

QString among(const QString &name, const QStringList &candidates)
{
    if (name.isEmpty() || name.size() > kLongestName)
        return QString();
    const int allowed = 2 * std::max<int>(1, int(name.size()) / 3);
    QString best;
    int bestDistance = allowed + 1;
    for (const QString &candidate : candidates) {
        if (candidate == name || candidate.size() > 2 * kLongestName || std::abs(int(candidate.size() - name.size())) * 2 > allowed)
            continue;
        const int distance = halfEdits(name, candidate);
        if (distance < bestDistance || (distance == bestDistance && candidate < best)) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

QStringList propertyNames(const QMetaObject *meta)
{
    QStringList names;
    for (int i = 0; meta && i < meta->propertyCount(); ++i) {
        if (meta->property(i).isWritable())
            names << QLatin1String(meta->property(i).name());
    }
    return names;
}

QStringList elementNames()
{
    QStringList names;
    for (auto *node = getwidgetCreateFuncPointerDataHeader()->next; node; node = node->next)
        names << QLatin1String(node->name);
    for (auto *node = getframeCreateFuncPointerDataHeader()->next; node; node = node->next)
        names << QLatin1String(node->name);
    for (auto *node = getobjectDataCreatorDataHeader()->next; node; node = node->next)
        names << QLatin1String(node->name);
    return names;
}

QString hint(const QString &name, const QStringList &candidates, const QString &otherwise)
{
    return phrase(among(name, candidates), otherwise);
}

QString attributeHint(const QMetaObject *meta, const QString &name, const QString &otherwise)
{
    thread_local QHash<const QMetaObject *, QStringList> names;
    thread_local QHash<QString, QString> hints;
    const QString key = QString::number(quintptr(meta), 16) + QLatin1Char(' ') + name;
    const QString closest = remembered(hints, key, [&] {
        auto it = names.find(meta);
        if (it == names.end())
            it = names.insert(meta, propertyNames(meta));
        return among(name, *it);
    });
    return phrase(closest, otherwise);
}

QString elementHint(const QString &name, const QString &otherwise)
{
    thread_local QStringList names;
    thread_local int registered = -1;
    thread_local QHash<QString, QString> hints;
    const int count = countNodes(getwidgetCreateFuncPointerDataHeader()) + countNodes(getframeCreateFuncPointerDataHeader())
                      + countNodes(getobjectDataCreatorDataHeader());
    if (count != registered) {
        names = elementNames();
        registered = count;
        hints.clear();
    }
    const QString closest = remembered(hints, name, [&] { return among(name, names); });
    return phrase(closest, otherwise);
}

} // namespace DuiClosestName
