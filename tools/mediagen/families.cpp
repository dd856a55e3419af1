#include "colouring_media.h"
#include "family.h"
#include "games.h"

namespace mediagen {

std::vector<std::unique_ptr<Family>> allFamilies()
{
    std::vector<std::unique_ptr<Family>> all;
    all.push_back(makeShellFamily());
    all.push_back(makeSoundFamily());
    all.push_back(makeAnimationFamily());
    all.push_back(makeHelpFamily());
    all.push_back(makeChoicePictureFamily());
    all.push_back(makeChoiceSpeechFamily());
    all.push_back(makeDominoFamily());
    all.push_back(makeMoneyFamily());
    all.push_back(makeGameSpeechFamily());
    all.push_back(makeEquationPictureFamily());
    all.push_back(makeEquationSpeechFamily());
    all.push_back(makeGapEquationPictureFamily());
    all.push_back(makeGapEquationSpeechFamily());
    all.push_back(makePuzzleFamily());
    all.push_back(makeMemoryFamily());
    all.push_back(makeHuntPictureFamily());
    all.push_back(makeHuntSpeechFamily());
    all.push_back(makeOrdinalPictureFamily());
    all.push_back(makeOrdinalSpeechFamily());
    all.push_back(makeDecompositionPictureFamily());
    all.push_back(makeDecompositionSpeechFamily());
    all.push_back(makeFingerPictureFamily());
    all.push_back(makeNumberSpeechFamily());
    all.push_back(makeShapePictureFamily());
    all.push_back(makeShapeSpeechFamily());
    all.push_back(makeRowPictureFamily());
    all.push_back(makeColouringFamily());
    all.push_back(makeConnectFamily());
    all.push_back(makeWallFamily());
    all.push_back(makeDotPictureFamily());
    all.push_back(makeMazeFamily());
    return all;
}

} // namespace mediagen
