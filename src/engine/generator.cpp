#include "engine/generator.h"
#include "exercises/addortake.h"
#include "exercises/chains.h"
#include "exercises/choice.h"
#include "games/colouring.h"
#include "games/connect.h"
#include "games/dotpicture.h"
#include "games/maze.h"
#include "games/domino.h"
#include "games/shop.h"
#include "exercises/decomposition.h"
#include "exercises/equationpictures.h"
#include "exercises/examples.h"
#include "exercises/gapequations.h"
#include "exercises/numberrow.h"
#include "exercises/ordinal.h"
#include "exercises/rows.h"
#include "exercises/shapes.h"
#include "exercises/sizerow.h"
#include "games/domino.h"
#include "games/findpicture.h"
#include "games/memory.h"
#include "games/puzzle.h"
#include "games/shop.h"
#include "games/wall.h"
#include <iterator>

namespace flumo {

namespace {

struct Dispatch {
    int task;
    GeneratorFactory factory;
};

// One row per TaskId, grouped by the family that builds it. A family's
// factory goes into its rows when its generator is written.
constexpr Dispatch kDispatch[] = {
    // choice generator (number rows 201 and 205 included)
    {101, makeChoiceGenerator}, {102, makeChoiceGenerator}, {108, makeChoiceGenerator},
    {111, makeChoiceGenerator}, {201, makeNumberIntroGenerator}, {202, makeChoiceGenerator},
    {204, makeChoiceGenerator}, {205, makeDecompositionExplorer},
    // shapes
    {103, makeShapeGenerator}, {104, makeShapeGenerator}, {105, makeShapeGenerator},
    {106, makeShapeGenerator}, {107, makeShapeGenerator},
    // size row and odd picture
    {109, makeSizeRowGenerator}, {110, makeOddPictureGenerator},
    // number and picture rows
    {112, makeRowGenerator}, {208, makeRowGenerator}, {311, makeRowGenerator},
    // ordinal numbers
    {203, makeOrdinalGenerator},
    // decomposition
    {206, makeDecompositionGenerator}, {207, makeDecompositionGenerator},
    // pictures and equations
    {302, makeEquationPictureGenerator}, {303, makeEquationPictureGenerator},
    {304, makeEquationPictureGenerator}, {307, makeEquationPictureGenerator},
    // wrong and right examples
    {308, makeWrongExampleGenerator},
    // equations with gaps and signs
    {305, makeGapEquationGenerator}, {306, makeGapEquationGenerator}, {310, makeGapEquationGenerator},
    // complex equations, think of a number
    {309, makeChainGenerator}, {405, makeChainGenerator},
    // add or take away
    {301, makeAddOrTakeGenerator},
    // shopping
    {403, makeShopGame}, {404, makePurseGame},
    // domino, memory, picture hunt
    {407, makeDominoGame}, {408, makeMemoryGame}, {409, makeFindPictureGame},
    // fifteen puzzle
    {410, makePuzzleGame}, {501, makePuzzleGame},
    // colouring
    {411, makeColouringGame}, {502, makeColouringGame},
    // connect the numbers, wall
    {406, makeConnectGame}, {402, makeWallGame},
    // builds of their own: fill in the picture, maze
    {401, makeDotPictureGame}, {412, makeMazeGame},
};

static_assert(std::size(kDispatch) == 45, "one row per TaskId");

} // namespace

GeneratorFactory generatorFor(int task)
{
    for (const Dispatch &d : kDispatch)
        if (d.task == task)
            return d.factory;
    return nullptr;
}

bool isPlayable(int task)
{
    return generatorFor(task) != nullptr;
}

} // namespace flumo
