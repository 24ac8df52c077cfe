// SPDX-License-Identifier: MIT
// The gallery's texts through the whole translation round: duiview extracts them into a .ts
// file, lrelease compiles it once translated, and installing the result at run time changes the
// texts of the gallery already on screen; removing it brings the English back.
#include "gallerytestutil.h"

#include <duilabelwidget.h>
#include <duilineedit.h>
#include <duipushbutton.h>

#include <QtCore/qlibraryinfo.h>
#include <QtCore/qregularexpression.h>
#include <QtCore/qtemporarydir.h>
#include <QtCore/qtranslator.h>
#include <QtTest/qtest.h>

class tst_GalleryTranslation : public QObject
{
    Q_OBJECT

private slots:
    void extractTranslateAndSwitch();
};

void tst_GalleryTranslation::extractTranslateAndSwitch()
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("gallery_xx.ts"));
    QByteArray output;
    QCOMPARE(gallery::duiview({QStringLiteral("--extract-strings"), ts, gallery::file()}, &output), 0);
    QFile file(ts);
    QVERIFY2(file.open(QIODevice::ReadOnly), output.constData());
    QString text = QString::fromUtf8(file.readAll());
    file.close();

    // A context per UI file, the places of each text relative to the .ts file.
    const QString galleryRelative = QDir(dir.path()).relativeFilePath(QDir::cleanPath(gallery::dir()));
    for (const QString &expected : {QStringLiteral("<name>gallery</name>"), QStringLiteral("<name>controls</name>"),
                                    QStringLiteral("<source>duifw gallery</source>"),
                                    QStringLiteral("<location filename=\"%1/controls.xml\" line=\"5\"/>\n            <source>Push buttons</source>").arg(galleryRelative)})
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" missing from\n") + text.left(3000)));

    // Every text translated into bracketed English, then compiled as a translator would.
    text.replace(QRegularExpression(QStringLiteral("<source>(.*)</source>\\s*<translation type=\"unfinished\"></translation>")),
                 QStringLiteral("<source>\\1</source><translation>[\\1]</translation>"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    file.close();
    const QString qm = dir.filePath(QStringLiteral("gallery_xx.qm"));
    QProcess lrelease;
    lrelease.setProcessChannelMode(QProcess::MergedChannels);
    lrelease.start(QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease"), {ts, QStringLiteral("-qm"), qm});
    QVERIFY2(lrelease.waitForFinished(60000) && lrelease.exitCode() == 0,
             qPrintable(QStringLiteral("lrelease (qt6-l10n-tools): ") + lrelease.errorString() + QString::fromUtf8(lrelease.readAll())));

    std::unique_ptr<DuiFrameWindow> window(gallery::build());
    QVERIFY(window);
    const auto texts = [&] {
        return QStringList{window->QWidget::windowTitle(),
                           window->findChild<DuiPushButton *>(QStringLiteral("menuButton"))->text(),
                           window->findChild<DuiLabelWidget *>(QStringLiteral("buttonsCaption"))->text(),
                           window->findChild<DuiPushButton *>(QStringLiteral("normalButton"))->toolTip(),
                           window->findChild<DuiLineEdit *>(QStringLiteral("nameEdit"))->placeholderText(),
                           window->findChild<DuiLineEdit *>(QStringLiteral("digitsEdit"))->text()};
    };
    const QStringList english = {"duifw gallery", "Menu", "Push buttons", "A push button in its normal state", "Your name", "2026"};
    QCOMPARE(texts(), english);

    QTranslator translator;
    QVERIFY(translator.load(qm));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(texts(), QStringList({"[duifw gallery]", "[Menu]", "[Push buttons]", "[A push button in its normal state]",
                                   "[Your name]", "2026"}));
    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(texts(), english);
}

QTEST_MAIN(tst_GalleryTranslation)
#include "tst_gallerytranslation.moc"
