// Media of the games: a purse stack drawn the program's way from its three
// pieces looks like the fanned stack itself, and domino stones have the
// sizes of their tiles and board places.
#include "games.h"
#include <QPainter>
#include <QTest>

using namespace mediagen::games;

class TestMediagenGames : public QObject {
    Q_OBJECT
private slots:
    void stacksComposeFromTheirThreePieces()
    {
        for (int value : {1, 2, 5, 10, 20, 50})
            for (char look : {'n', 'k'})
                for (int count = 1; count <= 6; ++count) {
                    const QImage left = stackPiece(value, 1, look), middle = stackPiece(value, 2, look),
                                 end = stackPiece(value, 3, look);
                    const QImage whole = stackPicture(value, count, look);
                    // Left at 0, middles from w1 every w2, the end after them.
                    QImage drawn(whole.size(), whole.format());
                    drawn.fill(Qt::black);
                    QPainter p(&drawn);
                    p.drawImage(0, 0, left);
                    for (int j = 1; j <= count - 1; ++j)
                        p.drawImage(left.width() + (j - 1) * middle.width(), 0, middle);
                    p.drawImage(left.width() + (count - 1) * middle.width(), 0, end);
                    p.end();
                    QCOMPARE(left.width() + (count - 1) * middle.width() + end.width(), whole.width());
                    QVERIFY2(drawn == whole, qPrintable(QString("%1 Kč x %2 (%3)").arg(value).arg(count).arg(look)));
                }
    }

    void stonesFitTheirPlaces()
    {
        QCOMPARE(dominoStone(3, 5, false, false, 'n').size(), QSize(160, 80));
        QCOMPARE(dominoStone(3, 5, true, false, 'k').size(), QSize(160, 80));
        QCOMPARE(dominoStone(3, 5, false, false, 'd').size(), QSize(136, 68));
        QCOMPARE(dominoStone(3, 5, true, true, 'd').size(), QSize(68, 136));
        QVERIFY(dominoStone(3, 5, false, false, 'd') != dominoStone(5, 3, false, false, 'd'));
    }
};

QTEST_MAIN(TestMediagenGames)
#include "test_mediagen_games.moc"
