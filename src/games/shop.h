#pragma once
// The two money games, both with Czech crowns:
// - 403, shopping for an exact sum: goods from three shelves go into a
//   basket of up to five lines until their prices add up to the amount
//   given, then the cash tile pays;
// - 404, paying three purchases: coins and notes of a purse are laid on the
//   counter until the price is covered; the cash tile pays and gives the
//   change back into the purse.
//
// Widget-free: basket lines and counter rows are back boxes, the money
// displays are PB0 (price) and PB0celk (total); everything is drawn through
// the ProblemHost and the paintBox hook.
#include "engine/generator.h"
#include <array>
#include <vector>

namespace flumo {

// The picture of a price digit (0..9) of a money display in a style ("c",
// "cc"); the blank digit for digit < 0.
QString moneyDigitPicture(const QString &style, int digit);
// The drawing of a money display of `value`: tens from x = 15 (or from the
// width of the hundreds digit, drawn only when hundredsDrawn, in 404),
// units right after the tens; crown: the crown sign 15 px after the units.
std::vector<PictureDraw> moneyDisplay(const QString &style, int value, bool withHundreds, bool hundredsDrawn,
                                      bool crown, ProblemHost &host);

constexpr int kShopTask = 403;
constexpr int kPurseTask = 404;
constexpr int kBasketLines = 5;
constexpr int kUndoTile = 10;
constexpr int kShopCashTile = 11;

struct ShopState {
    int shop = 1;                               // 1..5
    int targetPrice = 0;                        // TargetPrice
    int paidSum = 0;                            // PaidSum: the basket total
    int itemsBought = 0;                        // basket lines in use
    std::array<int, kBasketLines + 1> basket{}; // Basket[1..5]: the tile bought on line k
};

class ShopGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Goods tiles fill the next basket line (a sixth is refused); the undo
    // tile empties the last line and is never reprimanded; the cash tile
    // completes the problem when the basket total is the amount.
    bool judgeStep(ProblemContext &ctx, int selected) override;
    // The cursor keys: the grid of three columns, with the undo and cash
    // tiles beyond its last row.
    int cursorStep(const Problem &problem, int key, int from) const override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;

    const ShopState &state() const { return m_state; }

private:
    ShopState m_state;
};

constexpr int kCoinTiles = 6;
constexpr int kPurseCashTile = 7;
constexpr int kCounterRows = 4;
constexpr int kCoinsPerRow = 8;
constexpr int kPurchases = 3;

// The value in crowns of coin tile i (1..6): 50, 20, 10, 5, 2, 1.
int coinTileValue(int tile);

// The counter of 404: row 1 takes the notes, rows 2..4 the coins, eight to
// a row. Past 24 coins the last row takes the rest and its pieces lie
// closer together (positions): no coin is lost and none is drawn outside
// its row.
class CoinCounter {
public:
    // Lays a piece of coin tile `tile` (1..6); returns the row it went to.
    int lay(int tile);
    void clear();
    const std::vector<int> &row(int r) const { return m_rows[static_cast<std::size_t>(r)]; }
    int currentRow() const { return m_row; }   // CounterRow
    int pieces() const;
    // The x of each piece in row r (1..4), for a row `width` pixels wide
    // and pieces up to `pieceWidth` wide: 60 apart in row 1, 40 in the
    // others, closer when that would not fit.
    std::vector<int> positions(int r, int width, int pieceWidth) const;

private:
    std::array<std::vector<int>, kCounterRows + 1> m_rows{};
    int m_row = 2;
};

struct PurseState {
    int targetPrice = 0;                            // 0: nothing left to pay
    int paidSum = 0;                                // money on the counter
    int itemsBought = 0;                            // pieces laid
    std::array<int, kCoinTiles + 1> purse{};        // Purse[1..6]
    CoinCounter counter;
    int purchase = 0;                               // purchases paid, 0..3
    int goodsPicture = 1;                           // 1..10
};

class PurseGame : public Generator, public AnswerRule {
public:
    void build(ProblemContext &ctx) override;
    // Coin tiles lay a piece on the counter while the purse has one; the
    // cash tile pays once the counter covers the price, gives the change
    // and sets the next price; after the third purchase the problem ends.
    bool judgeStep(ProblemContext &ctx, int selected) override;
    // Nothing laid yet: a wrong choice is neither reprimanded nor counted.
    bool quietWrong(const Problem &problem, int selected) const override;
    // Space and Down: the next tile that still has pieces; Up the previous
    // one (the cash tile always counts); Left and Right do nothing.
    int cursorStep(const Problem &problem, int key, int from) const override;
    bool paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                  std::vector<PictureDraw> &out) const override;
    QStringList mediaNames(const Problem &problem) const override;

    const PurseState &state() const { return m_state; }

private:
    int nextWithPieces(int from, int direction) const;
    PurseState m_state;
};

std::unique_ptr<Generator> makeShopGame();
std::unique_ptr<Generator> makePurseGame();

} // namespace flumo
