// SPDX-License-Identifier: MIT
// The dominant-colour analysis behind the window background colour. Pixels are sorted into a
// saturation histogram, each saturation cluster into a hue histogram, and the largest cluster
// wins. Every pixel gets one pre-allocated node, and the histogram bins are intrusive lists,
// so clustering only splices lists.
#include "duitheme_p.h"

#include <QtGui/qcolor.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kSaturationBins = 256;
constexpr int kHueBins = 360;
constexpr int kMaxDirectPixels = 512 * 512 + 1;
constexpr int kEdgeStrip = 100;

struct ColorNode
{
    QRgb color;
    quint16 hue; // QColor::hsvHue() read as unsigned, so achromatic (-1) is 65535
    ColorNode *next;
};

struct ColorList
{
    ColorNode *head = nullptr;
    ColorNode *tail = nullptr;
    int count = 0;

    void append(ColorNode *node)
    {
        node->next = nullptr;
        if (tail)
            tail->next = node;
        else
            head = node;
        tail = node;
        ++count;
    }
    void splice(ColorList &other)
    {
        if (!other.head)
            return;
        if (tail)
            tail->next = other.head;
        else
            head = other.head;
        tail = other.tail;
        count += other.count;
        other = ColorList();
    }
};

// Splits a histogram into clusters around the peaks of its smoothed counts; the bins' lists are
// moved into the clusters.
void clusterHistogram(std::vector<ColorList> &bins, std::vector<ColorList> &clusters)
{
    const int n = int(bins.size());
    std::vector<int> s(size_t(n), 0);
    for (int k = 2; k <= n - 3; ++k) {
        for (int j = k - 2; j <= k + 2; ++j)
            s[size_t(k)] += bins[size_t(j)].count;
    }

    std::vector<int> maxima;
    std::vector<int> minima;
    for (int k = 1; k <= n - 2; ++k) {
        if (s[size_t(k - 1)] < s[size_t(k)] && s[size_t(k + 1)] < s[size_t(k)])
            maxima.push_back(k);
        else if (s[size_t(k)] < s[size_t(k - 1)] && s[size_t(k)] < s[size_t(k + 1)])
            minima.push_back(k);
    }
    for (int k : maxima)
        s[size_t(k)] = qMax(s[size_t(k - 1)], s[size_t(k + 1)]);
    for (int k : minima)
        s[size_t(k)] = qMin(s[size_t(k - 1)], s[size_t(k + 1)]);

    std::vector<int> peaks;
    for (int k : maxima) {
        const int v = s[size_t(k)];
        if (s[size_t(qMax(k - 2, 0))] < v && s[size_t(qMin(k + 2, n - 1))] < v && v > 20)
            peaks.push_back(k);
    }

    int begin = 0;
    for (size_t i = 0; i < peaks.size(); ++i) {
        const int end = i + 1 < peaks.size() ? (peaks[i] + peaks[i + 1]) / 2 : n - 1;
        ColorList cluster;
        for (int k = begin; k <= end; ++k)
            cluster.splice(bins[size_t(k)]);
        clusters.push_back(cluster);
        begin = end + 1;
    }
}

// Mean colour of the pixels whose alpha is above 200, divided by all pixels of the image.
QRgb stripAverage(const QImage &strip)
{
    const QImage image = strip.convertToFormat(QImage::Format_ARGB32);
    const qint64 total = qint64(image.width()) * image.height();
    if (total == 0)
        return qRgb(0, 0, 0);
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 200) {
                r += qRed(line[x]);
                g += qGreen(line[x]);
                b += qBlue(line[x]);
            }
        }
    }
    return qRgb(int(r / total), int(g / total), int(b / total));
}

// Stands in when no cluster stands out: the mean of the right and bottom edges.
QRgb edgeColor(const QImage &image)
{
    if (image.width() < kEdgeStrip || image.height() < kEdgeStrip)
        return stripAverage(image.depth() == 32 ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // Copying the strips unscaled gives the pixels a border drawing of them would, without
    // going through a QPixmap (so the analysis also runs outside the GUI thread).
    const auto strip = [&image](const QRect &rect) {
        return image.copy(rect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QRgb right = stripAverage(strip(QRect(image.width() - kEdgeStrip, 0, kEdgeStrip, image.height())));
    const QRgb bottom = stripAverage(strip(QRect(0, image.height() - kEdgeStrip, image.width(), kEdgeStrip)));
    return qRgb((qRed(right) + qRed(bottom)) / 2, (qGreen(right) + qGreen(bottom)) / 2,
                (qBlue(right) + qBlue(bottom)) / 2);
}

} // namespace

QRgb dominantColor(const QImage &image)
{
    if (image.isNull())
        return qRgb(0, 0, 0);

    QImage working = image;
    if (qint64(image.width()) * image.height() >= kMaxDirectPixels) {
        const float width = 512.0f / std::sqrt(float(image.height()) / float(image.width()));
        const int targetWidth = qMax(int(width), 1);
        working = image.scaledToWidth(targetWidth, Qt::FastTransformation);
        // A very wide strip would scale to less than one row, and Qt then answers a null image.
        if (working.isNull())
            working = image.scaled(targetWidth, 1, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    if (!working.hasAlphaChannel())
        working = working.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    // Pixels are read unpremultiplied, as QImage::pixel gives them.
    const QImage pixels = working.convertToFormat(QImage::Format_ARGB32);
    const int width = pixels.width();
    const int height = pixels.height();
    const qint64 total = qint64(width) * height;

    std::vector<ColorNode> nodes(static_cast<size_t>(total));
    std::vector<ColorList> saturation(kSaturationBins);
    ColorList dark;
    qint64 skipped = 0;
    size_t used = 0;
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = line[x];
            if (qAlpha(rgb) < 200) {
                ++skipped;
                continue;
            }
            // The HSV value of an 8-bit colour is its largest channel; only mid tones need the
            // full conversion.
            const int value = qMax(qRed(rgb), qMax(qGreen(rgb), qBlue(rgb)));
            if (value > 191)
                continue;
            ColorNode *node = &nodes[used++];
            node->color = rgb;
            if (value < 63) {
                node->hue = 0;
                dark.append(node);
                continue;
            }
            const QColor hsv = QColor::fromRgb(rgb).toHsv();
            node->hue = quint16(hsv.hsvHue());
            saturation[size_t(hsv.hsvSaturation())].append(node);
        }
    }

    std::vector<ColorList> saturationClusters;
    clusterHistogram(saturation, saturationClusters);

    std::vector<ColorList> candidates;
    candidates.push_back(dark);
    std::vector<ColorList> hue(kHueBins);
    for (ColorList &cluster : saturationClusters) {
        for (ColorList &bin : hue)
            bin = ColorList();
        for (ColorNode *node = cluster.head; node;) {
            ColorNode *next = node->next;
            hue[size_t(node->hue % kHueBins)].append(node);
            node = next;
        }
        clusterHistogram(hue, candidates);
    }

    const ColorList *winner = nullptr;
    for (const ColorList &candidate : candidates) {
        if (!winner || candidate.count > winner->count)
            winner = &candidate;
    }

    const qint64 counted = total - skipped;
    if (!winner || winner->count <= 0 || counted <= 0 || double(winner->count) / double(counted) < 0.2)
        return edgeColor(working);

    qint64 r = 0, g = 0, b = 0;
    for (const ColorNode *node = winner->head; node; node = node->next) {
        r += qRed(node->color);
        g += qGreen(node->color);
        b += qBlue(node->color);
    }
    return qRgb(int(r / winner->count), int(g / winner->count), int(b / winner->count));
}
