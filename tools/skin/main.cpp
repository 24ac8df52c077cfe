// SPDX-License-Identifier: MIT
// duiskin OUTDIR: paints every compiled-in skin image and writes it below OUTDIR (the folder of
// theme.qrc). The output is byte-for-byte reproducible.
#include "canvas.h"
#include "combopainter.h"
#include "controlpainter.h"
#include "gifwriter.h"
#include "menupainter.h"
#include "scrollbarpainter.h"
#include "skinpainter.h"
#include "tabsliderpainter.h"
#include "treepainter.h"
#include "windowpainter.h"

#include "duitheme_p.h"

#include <QtCore/qbuffer.h>
#include <QtCore/qdir.h>
#include <QtCore/qfileinfo.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qimagewriter.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The preset base colours of theme rows 0..8; each decoration picture must have its row's colour
// as its dominant colour, so that the window background continues the picture.
constexpr QRgb kPresetColors[9] = {
    0xFF22B6FF, 0xFFFB5CAA, 0xFFDF4FFF, 0xFFFFC342, 0xFF98D63A,
    0xFF47DBF5, 0xFFDA6F32, 0xFFD96F32, 0xFFAAAAAA,
};
constexpr int kJpegQuality = 92;
const QSize kDecorationSize(600, 300);

QByteArray encode(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image))
        return QByteArray();
    return bytes;
}

bool save(const QString &root, const QString &name, const QByteArray &bytes)
{
    const QString path = root + QLatin1Char('/') + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "duiskin: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(name));
    return true;
}

// Named for the scale it was painted at ("@2x" at scale 2).
bool savePng(const QString &root, const QString &name, const QImage &image)
{
    return save(root, skin::scaledName(name), encode(image, "png", -1));
}

int clampChannel(int c)
{
    return qBound(0, c, 255);
}

QColor dominantOfJpeg(const QByteArray &jpeg)
{
    return QColor::fromRgb(dominantColor(QImage::fromData(jpeg, "jpg")));
}

// The colour a flat area of `color` has after a JPEG round trip.
QColor jpegRoundTrip(const QColor &color)
{
    QImage tile(32, 32, QImage::Format_RGB32);
    tile.fill(color);
    return QImage::fromData(encode(tile, "jpg", kJpegQuality), "jpg").pixelColor(16, 16);
}

// Paints decoration `index` so that the encoded JPEG's dominant colour is exactly the preset
// colour. Compression moves colours by a unit or two and cannot hold every colour in a flat
// area, so the ground colour is first corrected by the error; where that does not settle, the
// ground becomes a checker of two neighbouring colours whose round trips average to the target.
QByteArray calibratedDecoration(int index)
{
    const QColor target = QColor::fromRgb(kPresetColors[index]);
    const auto paint = [index](const QColor &base, const QColor &dither) {
        return encode(skin::decoration(index, base, dither, kDecorationSize), "jpg", kJpegQuality);
    };
    QColor base = target;
    for (int attempt = 0; attempt < 6; ++attempt) {
        const QByteArray jpeg = paint(base, base);
        const QColor found = dominantOfJpeg(jpeg);
        if (found == target)
            return jpeg;
        base = QColor(clampChannel(base.red() + target.red() - found.red()),
                      clampChannel(base.green() + target.green() - found.green()),
                      clampChannel(base.blue() + target.blue() - found.blue()));
    }

    struct Sample
    {
        QColor color;
        int offset[3]; // round trip minus target, per channel
    };
    std::vector<Sample> samples;
    for (int dr = -3; dr <= 3; ++dr) {
        for (int dg = -3; dg <= 3; ++dg) {
            for (int db = -3; db <= 3; ++db) {
                const QColor c(clampChannel(target.red() + dr), clampChannel(target.green() + dg),
                               clampChannel(target.blue() + db));
                const QColor r = jpegRoundTrip(c);
                samples.push_back({c, {r.red() - target.red(), r.green() - target.green(), r.blue() - target.blue()}});
            }
        }
    }
    // A pair fits when, in every channel, its offsets add up to 1 (the checker averages into
    // [target, target + 1)) or both are 0 (a channel at the end of the range cannot go above).
    struct Pair
    {
        int cost;
        size_t a;
        size_t b;
    };
    std::vector<Pair> pairs;
    for (size_t a = 0; a < samples.size(); ++a) {
        for (size_t b = a; b < samples.size(); ++b) {
            int cost = 0;
            bool fits = true;
            for (int ch = 0; ch < 3 && fits; ++ch) {
                const int oa = samples[a].offset[ch];
                const int ob = samples[b].offset[ch];
                fits = (oa + ob == 1 || (oa == 0 && ob == 0)) && qAbs(oa) <= 2 && qAbs(ob) <= 2;
                const int ca = int(samples[a].color.rgb() >> (8 * ch) & 0xFF);
                const int cb = int(samples[b].color.rgb() >> (8 * ch) & 0xFF);
                cost += qAbs(oa) + qAbs(ob) + qAbs(ca - cb);
            }
            if (fits)
                pairs.push_back({cost, a, b});
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair &x, const Pair &y) { return x.cost < y.cost; });
    for (size_t i = 0; i < pairs.size() && i < 64; ++i) {
        const QByteArray jpeg = paint(samples[pairs[i].a].color, samples[pairs[i].b].color);
        if (dominantOfJpeg(jpeg) == target)
            return jpeg;
    }
    std::fprintf(stderr, "duiskin: decoration %d does not settle on its preset colour\n", index);
    return QByteArray();
}

// Every image at the current scale. The animation, the style sheets and the decoration pictures
// (photographs stretched over the window anyway) exist once, at scale 1.
bool paintImages(const QString &root)
{
    const bool once = skin::scale() == 1;
    bool ok = true;
    ok &= savePng(root, QStringLiteral("common/decorate_fadeout.png"), skin::fadeOutMask(300));
    ok &= savePng(root, QStringLiteral("common/item_selected_mask.png"), skin::selectedItemMask());
    ok &= savePng(root, QStringLiteral("common/item_hovered_mask.png"), skin::hoveredItemMask());

    using skin::ControlState;
    const struct
    {
        const char *name;
        ControlState state;
    } states[] = {{"normal", ControlState::Normal},
                  {"hover", ControlState::Hover},
                  {"pressdown", ControlState::Pressed},
                  {"disable", ControlState::Disabled}};
    for (const auto &s : states) {
        const QString name = QLatin1String(s.name);
        ok &= savePng(root, QStringLiteral("duifw/button_%1.png").arg(name), skin::buttonImage(s.state));
        for (bool checked : {true, false}) {
            const QString prefix = checked ? QStringLiteral("selected") : QStringLiteral("default");
            ok &= savePng(root, QStringLiteral("duifw/checkbox_%1_%2.png").arg(prefix, name), skin::checkBoxImage(checked, s.state));
            ok &= savePng(root, QStringLiteral("duifw/radiobox_%1_%2.png").arg(prefix, name), skin::radioImage(checked, s.state));
        }
    }
    if (once)
        ok &= save(root, QStringLiteral("duifw/busy.gif"), skin::encodeGif(skin::busyFrames(), 0, 100));
    ok &= savePng(root, QStringLiteral("duifw/edit_background.png"), skin::editImage(false));
    ok &= savePng(root, QStringLiteral("duifw/edit_background_disable.png"), skin::editImage(true));
    ok &= savePng(root, QStringLiteral("duifw/scrollbar_background.png"), skin::scrollTrackImage());
    ok &= savePng(root, QStringLiteral("duifw/scrollbar_thumb_normal.png"), skin::scrollThumbImage(false));
    ok &= savePng(root, QStringLiteral("duifw/scrollbar_thumb_hover.png"), skin::scrollThumbImage(true));
    ok &= savePng(root, QStringLiteral("duifw/list_item_hover.png"), skin::listItemHoverImage());
    ok &= savePng(root, QStringLiteral("duifw/list_item_select.png"), skin::listItemSelectImage());
    ok &= savePng(root, QStringLiteral("duifw/tree_collapse_icon.png"), skin::treeFolderIcon(false));
    ok &= savePng(root, QStringLiteral("duifw/tree_expand_icon.png"), skin::treeFolderIcon(true));
    ok &= savePng(root, QStringLiteral("mainframe/button_setting_down.png"), skin::settingButtonDownImage());

    // Frame windows: border, body masks (header bands of 32, 80 and 30 pixels; none for popups),
    // title-bar buttons and the prompt dialog's icons.
    ok &= savePng(root, QStringLiteral("common/shadow.png"), skin::windowBorder());
    ok &= savePng(root, QStringLiteral("common/mask_mainframe.png"), skin::bodyMask(32));
    ok &= savePng(root, QStringLiteral("common/mask_thicktitle.png"), skin::bodyMask(80));
    ok &= savePng(root, QStringLiteral("common/mask_dialog.png"), skin::bodyMask(30));
    ok &= savePng(root, QStringLiteral("common/mask_popup.png"), skin::bodyMask(0));
    using skin::TitleButton;
    using skin::TitleButtonState;
    const struct
    {
        const char *name;
        TitleButton button;
    } buttons[] = {{"min", TitleButton::Minimize},
                   {"max", TitleButton::Maximize},
                   {"restore", TitleButton::Restore},
                   {"close", TitleButton::Close}};
    const struct
    {
        const char *name;
        TitleButtonState state;
    } buttonStates[] = {{"normal", TitleButtonState::Normal}, {"hover", TitleButtonState::Hover}, {"down", TitleButtonState::Down}};
    for (const auto &b : buttons) {
        for (const auto &s : buttonStates) {
            ok &= savePng(root, QStringLiteral("duifw/%1_%2.png").arg(QLatin1String(b.name), QLatin1String(s.name)),
                          skin::titleButtonImage(b.button, s.state));
        }
    }
    ok &= savePng(root, QStringLiteral("common/icon_setting_item.png"), skin::settingsIcon());
    ok &= savePng(root, QStringLiteral("duifw/hint_blue_exclamation.png"), skin::exclamationBadge());

    // Combo boxes and the list control.
    ok &= savePng(root, QStringLiteral("duifw/combobox_background.png"), skin::comboBackgroundImage(false));
    ok &= savePng(root, QStringLiteral("duifw/combobox_background_disable.png"), skin::comboBackgroundImage(true));
    for (const auto &s : states) {
        ok &= savePng(root, QStringLiteral("duifw/combobox_dropdown_%1.png").arg(QLatin1String(s.name)),
                      skin::comboDropDownImage(s.state));
    }
    using skin::ListRow;
    ok &= savePng(root, QStringLiteral("duifw/KelvoCtrls/list_row_normal2.png"), skin::listRowImage(ListRow::Even));
    ok &= savePng(root, QStringLiteral("duifw/KelvoCtrls/list_row_normal1.png"), skin::listRowImage(ListRow::Odd));
    ok &= savePng(root, QStringLiteral("duifw/KelvoCtrls/list_row_active.png"), skin::listRowImage(ListRow::Active));
    ok &= savePng(root, QStringLiteral("duifw/KelvoCtrls/list_row_chosen.png"), skin::listRowImage(ListRow::Chosen));
    ok &= savePng(root, QStringLiteral("duifw/KelvoCtrls/comboBox_row_active.png"), skin::comboRowActiveImage());

    // Tabs, sliders and progress bars.
    using skin::TabState;
    const struct
    {
        const char *name;
        TabState state;
    } tabStates[] = {{"normal", TabState::Normal}, {"hover", TabState::Hover},
                     {"pressdown", TabState::Pressed}, {"selected", TabState::Selected}};
    for (const auto &t : tabStates)
        ok &= savePng(root, QStringLiteral("duifw/tab_%1.png").arg(QLatin1String(t.name)), skin::tabImage(t.state));
    ok &= savePng(root, QStringLiteral("duifw/slider_background.png"), skin::sliderTrackImage());
    ok &= savePng(root, QStringLiteral("duifw/slider_selected_part.png"), skin::sliderSelectedImage());
    ok &= savePng(root, QStringLiteral("duifw/slider_thumb.png"), skin::sliderThumbImage());

    // Menus: a style sheet per colour row and the images the sheets name.
    for (int row = 0; row < skin::kMenuRows; ++row) {
        if (once)
            ok &= save(root, QStringLiteral("duifw/menu_%1.css").arg(row), skin::menuStyleSheet(row));
        ok &= savePng(root, QStringLiteral("duifw/css/") + skin::menuBackgroundName(row), skin::menuBackgroundImage(row));
    }
    ok &= savePng(root, QStringLiteral("duifw/css/menu_checked.png"), skin::menuCheckedImage());

    // The text edit's vertical scroll bar: a style sheet per colour row and its handle images.
    for (int row = 0; row < skin::kScrollBarRows; ++row) {
        if (once)
            ok &= save(root, QStringLiteral("duifw/css/scrollbar_%1.css").arg(row), skin::scrollBarStyleSheet(row));
        for (bool hovered : {false, true})
            ok &= savePng(root, QStringLiteral("duifw/css/") + skin::scrollBarHandleName(row, hovered),
                          skin::scrollBarHandleImage(row, hovered));
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: duiskin OUTDIR\n  writes the skin images below OUTDIR (src/duifw/resources)\n");
        return 2;
    }
    const QString root = args.at(1);

    bool ok = true;
    for (int i = 0; i < 9; ++i)
        ok &= save(root, QStringLiteral("common/window_decorate_%1.jpg").arg(i), calibratedDecoration(i));
    // High-density screens get every image drawn again at twice the size, not scaled up.
    for (int scale : {1, 2}) {
        skin::setScale(scale);
        ok &= paintImages(root);
    }
    return ok ? 0 : 1;
}
