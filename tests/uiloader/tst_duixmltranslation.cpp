// SPDX-License-Identifier: MIT
// Texts that XML gave, translated again when a translator comes or goes, and the .ts documents
// written for them.
#include <duicheckbox.h>
#include <duiframewindow.h>
#include <duilabelwidget.h>
#include <duilineedit.h>
#include <duipushbutton.h>
#include <duixmltranslation.h>
#include <duixmlui.h>

#include <QtCore/qtemporarydir.h>
#include <QtCore/qtranslator.h>
#include <QtTest/qtest.h>

namespace {

// Answers every text of one context in capitals.
class CapitalsTranslator : public QTranslator
{
public:
    explicit CapitalsTranslator(const char *context)
        : m_context(context)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return m_context == context ? QString::fromUtf8(source).toUpper() : QString();
    }

private:
    QByteArray m_context;
};

const char kPanel[] = "<xmlui><DuiWidget objectName=\"panel\" layout=\"VBox\" toolTip=\"Panel tip\">"
                      "<DuiLabelWidget objectName=\"label\" text=\"Hello\"/>"
                      "<DuiPushButton objectName=\"button\" text=\"Press\"/>"
                      "<DuiCheckBox objectName=\"box\" text=\"Tick\"/>"
                      "<DuiLineEdit objectName=\"edit\" placeholderText=\"Your name\" text=\"typed\"/>"
                      "</DuiWidget></xmlui>";

QStringList panelTexts(DuiWidget &root)
{
    return {root.findChild<DuiWidget *>(QStringLiteral("panel"))->toolTip(),
            root.findChild<DuiLabelWidget *>(QStringLiteral("label"))->text(),
            root.findChild<DuiPushButton *>(QStringLiteral("button"))->text(),
            root.findChild<DuiCheckBox *>(QStringLiteral("box"))->text(),
            root.findChild<DuiLineEdit *>(QStringLiteral("edit"))->placeholderText(),
            root.findChild<DuiLineEdit *>(QStringLiteral("edit"))->text()};
}

} // namespace

class tst_DuiXmlTranslation : public QObject
{
    Q_OBJECT

private slots:
    void switchesLanguageBackAndForth();
    void fileTextsUseTheFileContext();
    void tsDocument();
};

void tst_DuiXmlTranslation::switchesLanguageBackAndForth()
{
    const QStringList english = {"Panel tip", "Hello", "Press", "Tick", "Your name", "typed"};
    DuiWidget root;
    QVERIFY(DuiXmlUI::createFromMemory(kPanel, &root));
    QCOMPARE(panelTexts(root), english);

    // A text the host set itself is its own; a widget deleted meanwhile is passed over.
    DuiWidget gone;
    QVERIFY(DuiXmlUI::createFromMemory(kPanel, &gone));
    delete gone.findChild<DuiLabelWidget *>(QStringLiteral("label"));
    CapitalsTranslator capitals("QObject");
    QVERIFY(QCoreApplication::installTranslator(&capitals));
    QCOMPARE(panelTexts(root), QStringList({"PANEL TIP", "HELLO", "PRESS", "TICK", "YOUR NAME", "typed"}));
    root.findChild<DuiLabelWidget *>(QStringLiteral("label"))->setText(QStringLiteral("Mine"));

    // Built while the translator is there: translated at once.
    DuiWidget later;
    QVERIFY(DuiXmlUI::createFromMemory(kPanel, &later));
    QCOMPARE(panelTexts(later).at(2), QStringLiteral("PRESS"));

    QVERIFY(QCoreApplication::removeTranslator(&capitals));
    QStringList expected = english;
    expected[1] = QStringLiteral("Mine");
    QCOMPARE(panelTexts(root), expected);
    QCOMPARE(panelTexts(later), english);
}

void tst_DuiXmlTranslation::fileTextsUseTheFileContext()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<xmlui>\n<DuiFrameWindow title=\"Settings\">\n<DuiLabelWidget objectName=\"label\" text=\"Volume\"/>\n"
               "</DuiFrameWindow>\n</xmlui>\n");
    file.close();

    DuiXmlTranslation::Collector collector;
    std::unique_ptr<DuiFrameWindow> window(DuiXmlUI::createFromFile(path, nullptr));
    QVERIFY(window);
    QCOMPARE(collector.texts().size(), 2);
    QCOMPARE(collector.texts().at(1).context, QStringLiteral("settings"));
    QCOMPARE(collector.texts().at(1).line, 3);
    QCOMPARE(collector.texts().at(1).file, path);

    auto *label = window->findChild<DuiLabelWidget *>(QStringLiteral("label"));
    for (const char *context : {"other", "settings", "QObject"}) {
        CapitalsTranslator translator(context);
        QCoreApplication::installTranslator(&translator);
        const bool translated = qstrcmp(context, "other") != 0; // the file's context, then the fallback
        QCOMPARE(label->text(), translated ? QStringLiteral("VOLUME") : QStringLiteral("Volume"));
        QCOMPARE(window->QWidget::windowTitle(), translated ? QStringLiteral("SETTINGS") : QStringLiteral("Settings"));
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(label->text(), QStringLiteral("Volume"));
    }
}

void tst_DuiXmlTranslation::tsDocument()
{
    const QList<DuiXmlTranslation::Text> texts = {
        {"main", "Open", "/ui/main.xml", 4},        {"main", "A & <b>", "/ui/main.xml", 9},
        {"dialog", "Open", "/ui/sub/dialog.xml", 2}, {"main", "Open", "/ui/main.xml", 12},
        {"main", "Open", "/ui/main.xml", 4},        {"main", QString("bell\x07"), "/ui/main.xml", 5},
    };
    const QString ts = QString::fromUtf8(DuiXmlTranslation::tsDocument(texts, "/ui/i18n", "de_DE"));
    QVERIFY2(ts.contains("<!DOCTYPE TS>") && ts.contains("<TS version=\"2.1\" language=\"de_DE\">"), qPrintable(ts));
    // One message per text and context, each place once, names relative to the .ts file.
    QCOMPARE(ts.count("<context>"), 2);
    QVERIFY(ts.indexOf("<name>main</name>") < ts.indexOf("<name>dialog</name>"));
    QCOMPARE(ts.count("<source>Open</source>"), 2);
    QCOMPARE(ts.count("<location filename=\"../main.xml\" line=\"4\"/>"), 1);
    QVERIFY(ts.contains("<location filename=\"../main.xml\" line=\"12\"/>"));
    QVERIFY(ts.contains("<location filename=\"../sub/dialog.xml\" line=\"2\"/>"));
    QVERIFY(ts.contains("<source>A &amp; &lt;b></source>") || ts.contains("<source>A &amp; &lt;b&gt;</source>"));
    QVERIFY(!ts.contains("bell"));
    QCOMPARE(ts.count("<translation type=\"unfinished\"></translation>"), 3);
}

QTEST_MAIN(tst_DuiXmlTranslation)
#include "tst_duixmltranslation.moc"
