#include "screens/helpviewer.h"
#include "support/testplatform.h"
#include <QtTest>

using namespace flumo;

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void showsThePageFoundWithoutRegardToCase()
    {
        test::TestPlatform tp;
        tp.write(QStringLiteral("help/POCTY.htm"),
                 QStringLiteral("<html><body><h1>Jak hrát</h1><p>Klikni na obrázek.</p></body></html>").toUtf8());
        HelpViewer viewer(tp.files);
        QVERIFY(viewer.openTopic(1));
        QVERIFY(viewer.pageText().contains(QStringLiteral("Jak hrát")));
        QVERIFY(viewer.pageText().contains(QStringLiteral("Klikni na obrázek.")));
    }

    void missingPageSaysSoAndClosesOnEscape()
    {
        test::TestPlatform tp;
        HelpViewer viewer(tp.files);
        QVERIFY(!viewer.openTopic(1));
        QVERIFY(viewer.pageText().contains(QStringLiteral("není k dispozici")));
        viewer.show();
        QVERIFY(viewer.isVisible());
        QTest::keyRelease(&viewer, Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
        QCOMPARE(viewer.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "test_helpviewer.moc"
