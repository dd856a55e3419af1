#include "family.h"

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
    all.push_back(makeEquationPictureFamily());
    all.push_back(makeEquationSpeechFamily());
    all.push_back(makeOrdinalPictureFamily());
    all.push_back(makeOrdinalSpeechFamily());
    all.push_back(makeDecompositionPictureFamily());
    all.push_back(makeDecompositionSpeechFamily());
    all.push_back(makeFingerPictureFamily());
    all.push_back(makeNumberSpeechFamily());
    all.push_back(makeShapePictureFamily());
    all.push_back(makeShapeSpeechFamily());
    all.push_back(makeRowPictureFamily());
    return all;
}

} // namespace mediagen
