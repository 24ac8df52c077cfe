// SPDX-License-Identifier: MIT
// duiview FILE.xml: shows the window an XML UI file describes. See previewUsage() for the options.
#include "previewer.h"

int main(int argc, char **argv)
{
    return runPreviewer(argc, argv, QStringLiteral("duiview"), QString());
}
