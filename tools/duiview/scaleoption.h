// SPDX-License-Identifier: MIT
// duiview --scale F: the program runs as on a screen of F device pixels per logical pixel.
#ifndef SCALEOPTION_H
#define SCALEOPTION_H

#include <QtCore/qstring.h>
#include <QtCore/qtemporarydir.h>

// A --scale factor: from 1 to 4.
bool validScale(const QString &text);

// Set up before the application object exists, from the raw command line: Qt's scale factor,
// and under the offscreen platform a screen as many times larger as the scale (Qt's is 800 x 600
// device pixels, which at scale 2 would be a screen of 400 x 300), so that windows are laid
// out as on a real dense screen.
class ScaleEnvironment
{
public:
    ScaleEnvironment(int argc, char **argv);

private:
    QTemporaryDir m_dir;
};

#endif // SCALEOPTION_H
