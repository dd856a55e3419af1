#pragma once
// The media generator is organised as families. Each family declares the
// names it produces and makes each file's bytes on demand. Names are
// relative, spelt exactly as the program asks for them ("obr\tlacitka\help.Jpg");
// the writer maps folder names that differ only in case to one folder.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace mediagen {

struct MediaFile {
    QString name;                       // relative, "\" separators
    std::function<QByteArray()> make;   // the file's complete bytes
    // Optional: a text that determines the bytes (for makers whose output is
    // not bit-reproducible, such as speech). A file on disk that was made
    // from the same fingerprint is kept without calling make().
    QString fingerprint = {};
    // Optional: called by the writer, before any make() of the pack, for
    // every file it is going to make (not for files it keeps). Makers that
    // work best in batches (speech) collect their batch here.
    std::function<void()> prepare = {};
};

class Family {
public:
    virtual ~Family() = default;
    virtual QString id() const = 0;     // short name for --list and errors
    virtual std::vector<MediaFile> files() const = 0;
    // True when two of this family's make() functions may run at the same
    // time on different threads; otherwise the writer runs them one by one.
    virtual bool threadSafe() const { return false; }
};

// The explicit table of every family (families.cpp).
std::vector<std::unique_ptr<Family>> allFamilies();

} // namespace mediagen

namespace mediagen {

// Families of the shell (pictures, pointers, INI files): shell.cpp and friends.
std::unique_ptr<Family> makeShellFamily();
// Speech and sound effects: sounds.cpp.
std::unique_ptr<Family> makeSoundFamily();
// Animated GIFs (prompt, praise and number animations): animations.cpp.
std::unique_ptr<Family> makeAnimationFamily();
// The Czech help page shown by the program's help viewer: help.cpp.
std::unique_ptr<Family> makeHelpFamily();
// Pictures of the choice exercises and the shared numbers and signs:
// choice_pictures.cpp, choice_numbers.cpp.
std::unique_ptr<Family> makeChoicePictureFamily();
// Spoken tasks of the choice exercises: choice_sounds.cpp.
std::unique_ptr<Family> makeChoiceSpeechFamily();
// Pictures and speech of the pictures-and-equations exercises and of the
// wrong and right examples: equations.cpp, equations_speech.cpp.
std::unique_ptr<Family> makeEquationPictureFamily();
std::unique_ptr<Family> makeEquationSpeechFamily();
// Ordinal numbers: ordinal_media.cpp.
std::unique_ptr<Family> makeOrdinalPictureFamily();
std::unique_ptr<Family> makeOrdinalSpeechFamily();
// Decomposition and its explorer: decomposition_media.cpp.
std::unique_ptr<Family> makeDecompositionPictureFamily();
std::unique_ptr<Family> makeDecompositionSpeechFamily();
// Number introduction (fingers, spoken numbers): numberrow_media.cpp.
std::unique_ptr<Family> makeFingerPictureFamily();
std::unique_ptr<Family> makeNumberSpeechFamily();
// Shape pictures and the spoken tasks of the shapes and the size row:
// shapes_media.cpp.
std::unique_ptr<Family> makeShapePictureFamily();
std::unique_ptr<Family> makeShapeSpeechFamily();
// Pictures of the size row's quantities, the odd picture, the picture
// patterns and the row windows: rows_media.cpp.
std::unique_ptr<Family> makeRowPictureFamily();

} // namespace mediagen
